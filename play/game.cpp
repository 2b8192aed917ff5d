#include "play/game.h"

#include "engine/board.h"
#include "engine/fall.h"
#include "engine/line_scoring.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace tumbaro {

namespace {

class QuietPainter final : public Painter {
    void DrawCell(int, int, std::int32_t, CellSize) override {}
    void ClearCell(int, int) override {}
    void ShowScore(std::int32_t) override {}
    void SetUndoEnabled(bool) override {}
};

} // namespace

void Game::DrawCell(const Pick& at, std::int32_t colour, CellSize size)
{
    painter_.DrawCell(at.Row, at.Column, colour, size);
}

void Game::SetPhase(Phase phase)
{
    const bool was = Animating();
    phase_ = phase;
    if (was != Animating())
        events_.AnimationRunning(Animating());
}

void Game::SetUndoEnabled(bool enabled)
{
    undoEnabled_ = enabled;
    painter_.SetUndoEnabled(enabled);
}

void Game::Keep()
{
    if (keeper_)
        keeper_->Keep(Saved());
}

SavedGame Game::Saved() const
{
    return {state_.GameBoard, state_.Score, undoEnabled_, state_.UndoBoard, state_.UndoScore,
            random_.State(), way_, timeLeft_, tally_};
}

void Game::Redrow()
{
    for (int i = 0; i < CellCount; ++i)
        painter_.DrawCell(RowOf(i), ColumnOf(i), state_.GameBoard[i], CellSize::Normal);
}

void Game::Newgame(Way way)
{
    way_ = way;
    Newgame();
}

void Game::Newgame()
{
    timeLeft_ = HasClock(way_) ? TimedGameLength : 0;
    // The fall would otherwise copy the old move over the new board.
    SetPhase(Phase::Idle);
    SetUndoEnabled(false);
    state_.Score = 0;
    painter_.ShowScore(0);
    state_.Picked.reset();
    dealt_ = true;
    const DealNumber deal = tally_.Deal;
    tally_ = {};
    tally_.Deal = deal;
    DealBoard(state_.GameBoard, random_);
    Redrow();
    Keep();
}

void Game::Deal(DealNumber deal)
{
    random_.Seed(deal);
    tally_.Deal = deal;
    Newgame();
}

void Game::Deal(DealNumber deal, Way way)
{
    way_ = way;
    Deal(deal);
}

void Game::Resume(const SavedGame& game)
{
    SetPhase(Phase::Idle);
    state_.GameBoard = game.Board;
    state_.Score = game.Score;
    state_.UndoBoard = game.UndoBoard;
    state_.UndoScore = game.UndoScore;
    random_.SetState(game.Random);
    tally_ = game.Tally;
    way_ = game.Played;
    timeLeft_ = HasClock(way_) ? game.TimeLeft : 0;
    state_.Picked.reset();
    state_.AnimStep = 0;
    dealt_ = true;
    SetUndoEnabled(game.UndoPossible);
    painter_.ShowScore(state_.Score);
    Redrow();
}

void Game::ButtonClick(int row, int column)
{
    // The animations read FirstPick, SecondPick and WorkBoard until the board
    // settles, so a click meanwhile must not touch them.
    if (Animating() || !dealt_ || TimeUp())
        return;
    const Pick at{row, column};
    if (!state_.Picked) {
        state_.Picked = at;
        DrawCell(at, state_.GameBoard[CellIndex(row, column)], CellSize::Small);
        return;
    }
    const Pick first = *std::exchange(state_.Picked, std::nullopt);
    state_.FirstPick = first;
    state_.SecondPick = at;
    DrawCell(first, state_.GameBoard[CellIndex(first.Row, first.Column)], CellSize::Normal);
    const bool sideBySide = std::abs(row - first.Row) + std::abs(column - first.Column) == 1;
    if (sideBySide)
        DellLine();
    else
        events_.MoveRefused(Refusal::NotNeighbours);
}

void Game::DropPick()
{
    if (Animating() || !state_.Picked)
        return;
    const Pick first = *std::exchange(state_.Picked, std::nullopt);
    DrawCell(first, state_.GameBoard[CellIndex(first.Row, first.Column)], CellSize::Normal);
}

void Game::DellLine()
{
    const int first = CellIndex(state_.FirstPick.Row, state_.FirstPick.Column);
    const int second = CellIndex(state_.SecondPick.Row, state_.SecondPick.Column);
    state_.WorkBoard = state_.GameBoard;
    std::swap(state_.WorkBoard[first], state_.WorkBoard[second]);
    if (!FindLine(state_.WorkBoard)) {
        events_.MoveRefused(Refusal::NoLine);
        return;
    }
    SetUndoEnabled(true);
    tally_.Steps.push_back(ProofStep::Swap(state_.FirstPick, state_.SecondPick));
    ++tally_.Moves;
    state_.UndoScore = state_.Score;
    state_.UndoBoard = state_.GameBoard;
    state_.AnimStep = 0;
    // Cleared, not replaced: the list keeps its room from move to move.
    lastMove_.Lines.clear();
    lastMove_.Cascades = 0;
    SetPhase(Phase::Swap);
}

bool Game::Tick()
{
    if (phase_ == Phase::Swap)
        Timer2Timer();
    else if (phase_ == Phase::Fall)
        Timer1Timer();
    else
        return false;
    return true;
}

void Game::Timer2Timer()
{
    const Pick a = state_.FirstPick;
    const Pick b = state_.SecondPick;
    const int ia = CellIndex(a.Row, a.Column);
    const int ib = CellIndex(b.Row, b.Column);
    // Both balls shrink, change places small, grow back; the fourth tick
    // hands the swapped board to the line removal.
    switch (state_.AnimStep++) {
    case 0:
        DrawCell(a, state_.GameBoard[ia], CellSize::Small);
        DrawCell(b, state_.GameBoard[ib], CellSize::Small);
        break;
    case 1:
        DrawCell(a, state_.WorkBoard[ia], CellSize::Small);
        DrawCell(b, state_.WorkBoard[ib], CellSize::Small);
        break;
    case 2:
        DrawCell(a, state_.WorkBoard[ia], CellSize::Normal);
        DrawCell(b, state_.WorkBoard[ib], CellSize::Normal);
        events_.SwapLanded();
        break;
    default:
        state_.GameBoard = state_.WorkBoard;
        state_.AnimStep = 0;
        Chenge();
        break;
    }
}

void Game::FindLines(int length, std::int32_t points)
{
    RemoveLines(state_.WorkBoard, length, points, state_.Score, [&](std::int32_t score, std::int32_t colour) {
        lastMove_.Lines.push_back({colour, length, points, lastMove_.Cascades});
        painter_.ShowScore(score);
    });
}

void Game::FindFiveBalls() { FindLines(5, FiveBallPoints); }

void Game::FindFourBalls() { FindLines(4, FourBallPoints); }

void Game::FindThreeBalls() { FindLines(3, ThreeBallPoints); }

void Game::Chenge()
{
    FindFiveBalls();
    FindFourBalls();
    FindThreeBalls();
    SetPhase(Phase::Fall);
}

void Game::Timer1Timer()
{
    Matrix& work = state_.WorkBoard;
    if (state_.AnimStep == 0) {
        // The removed lines vanish first; the fall starts on the next tick.
        for (int i = 0; i < CellCount; ++i)
            if (work[i] == EmptyCell)
                painter_.ClearCell(RowOf(i), ColumnOf(i));
        state_.AnimStep = 1;
        if (std::find(work.begin(), work.end(), EmptyCell) == work.end())
            SettleStep();
        return;
    }
    const FallStep step = Fall(work, random_);
    for (int k = 0; k < step.Count; ++k) {
        const CellChange& cell = step.Changes[k];
        if (cell.Colour == EmptyCell)
            painter_.ClearCell(RowOf(cell.Index), ColumnOf(cell.Index));
        else
            painter_.DrawCell(RowOf(cell.Index), ColumnOf(cell.Index), cell.Colour, CellSize::Normal);
    }
    work = step.Board;
    if (step.Settled)
        SettleStep();
}

void Game::SettleStep()
{
    state_.GameBoard = state_.WorkBoard;
    if (FindLine(state_.WorkBoard)) {
        // A cascade plays out as the swap did, from its first tick.
        state_.AnimStep = 0;
        ++lastMove_.Cascades;
        SetPhase(Phase::Swap);
        return;
    }
    SetPhase(Phase::Idle);
    tally_.Lines += static_cast<std::int64_t>(lastMove_.Lines.size());
    tally_.LongestCascade = std::max<std::int64_t>(tally_.LongestCascade, lastMove_.Cascades);
    const bool moveLeft = FindLine2(state_.WorkBoard);
    events_.MoveSettled(lastMove_.Lines, state_.Score);
    if (TimeUp())
        EndGame();
    else if (moveLeft)
        Keep();
    else
        NoMoveLeft();
}

void Game::NoMoveLeft()
{
    if (EndsWhenStuck(way_)) {
        EndGame();
        return;
    }
    // Undo would bring back the stuck board, so it goes with the old deal.
    state_.Picked.reset();
    SetUndoEnabled(false);
    DealBoard(state_.GameBoard, random_);
    Redrow();
    Keep();
    events_.Redealt(state_.Score);
}

void Game::EndGame()
{
    // Dropped first: the end may go straight on to a new deal, which is kept.
    if (keeper_)
        keeper_->Drop();
    events_.GameEnded(state_.Score);
}

void Game::KeepClock()
{
    if (dealt_ && !Animating() && HasClock(way_) && !TimeUp())
        Keep();
}

void Game::ClockTick(int elapsed)
{
    if (!HasClock(way_) || timeLeft_ == 0 || !dealt_)
        return;
    timeLeft_ = std::max(0, timeLeft_ - elapsed);
    if (timeLeft_ > 0)
        return;
    // A pick left waiting is let go; a move under way ends the game once it settles.
    DropPick();
    if (!Animating())
        EndGame();
}

void Game::Undo()
{
    // Only the last accepted move can be taken back, and only once, whoever
    // asks: undoing with nothing to undo would restore a stale or empty board.
    if (!undoEnabled_)
        return;
    if (Animating())
        FinishQuietly();
    // A fall left running would copy the undone move back over the board.
    SetPhase(Phase::Idle);
    tally_.Steps.push_back(ProofStep::Undo());
    tally_.UndoUsed = true;
    // The board is drawn afresh with the picked ball unpicked, so the pick goes too.
    state_.Picked.reset();
    SetUndoEnabled(false);
    state_.GameBoard = state_.UndoBoard;
    state_.Score = state_.UndoScore;
    painter_.ShowScore(state_.Score);
    Redrow();
    Keep();
}

void Game::FinishQuietly()
{
    QuietPainter painter;
    GameEvents events;
    Game shadow(painter, events);
    shadow.state_ = state_;
    shadow.random_ = random_;
    shadow.phase_ = phase_;
    shadow.dealt_ = true;
    shadow.lastMove_ = lastMove_;
    shadow.way_ = way_;
    shadow.timeLeft_ = timeLeft_;
    shadow.tally_ = std::move(tally_);
    while (shadow.Tick()) {
    }
    random_ = shadow.random_;
    tally_ = std::move(shadow.tally_);
}

} // namespace tumbaro
