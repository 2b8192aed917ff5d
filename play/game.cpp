#include "play/game.h"

#include "engine/board.h"
#include "engine/line_scoring.h"

namespace tumbaro {

namespace {
int RowOf(int index) { return index / BoardSize + 1; }
int ColumnOf(int index) { return index % BoardSize + 1; }
} // namespace

void Game::DrawCell(int row, int column, std::int32_t colour, CellSize size)
{
    shown_[CellIndex(row, column)] = {colour, size};
    screen_.DrawCell(row, column, colour, size);
}

void Game::ClearCell(int row, int column)
{
    shown_[CellIndex(row, column)] = {EmptyCell, CellSize::Normal};
    screen_.ClearCell(row, column);
}

void Game::DrawCellAt(int index, std::int32_t colour)
{
    DrawCell(RowOf(index), ColumnOf(index), colour, CellSize::Normal);
}

void Game::ClearCellAt(int index) { ClearCell(RowOf(index), ColumnOf(index)); }

void Game::SetTimer(TimerId timer, bool on)
{
    (timer == TimerId::Timer1 ? timer1On_ : timer2On_) = on;
    screen_.SetTimer(timer, on);
}

void Game::SetUndoEnabled(bool enabled)
{
    undoEnabled_ = enabled;
    screen_.SetUndoEnabled(enabled);
}

void Game::Keep()
{
    if (keeper_)
        keeper_->Keep(Saved());
}

SavedGame Game::Saved() const
{
    return {state_.GameBoard, state_.Score, undoEnabled_, state_.UndoBoard, state_.UndoScore, random_.State()};
}

void Game::StopAnimation()
{
    if (timer1On_)
        SetTimer(TimerId::Timer1, false);
    if (timer2On_)
        SetTimer(TimerId::Timer2, false);
}

void Game::Newgame()
{
    screen_.LoadBackground();
    // The fall would otherwise copy the old move over the new board.
    StopAnimation();
    SetUndoEnabled(false);
    state_.Score = 0;
    screen_.ShowScore(0);
    state_.ExpectFirstPick = 1;
    state_.ExpectSecondPick = 0;
    DealBoard(state_.GameBoard, random_);
    for (int i = 0; i < CellCount; ++i)
        DrawCellAt(i, state_.GameBoard[i]);
    state_.LineFound = 0;
    Keep();
}

void Game::Resume(const SavedGame& game)
{
    screen_.LoadBackground();
    StopAnimation();
    state_.GameBoard = game.Board;
    state_.Score = game.Score;
    state_.UndoBoard = game.UndoBoard;
    state_.UndoScore = game.UndoScore;
    random_.SetState(game.Random);
    state_.ExpectFirstPick = 1;
    state_.ExpectSecondPick = 0;
    state_.AnimStep = 0;
    state_.LineFound = 0;
    SetUndoEnabled(game.UndoPossible);
    screen_.ShowScore(state_.Score);
    for (int i = 0; i < CellCount; ++i)
        DrawCellAt(i, state_.GameBoard[i]);
}

void Game::ButtonClick(int row, int column)
{
    // The animations read FirstPick, SecondPick and WorkBoard until the board
    // settles, so a click meanwhile must not touch them.
    if (Animating())
        return;
    if (state_.ExpectFirstPick == 1) {
        state_.FirstPick = {row, column};
        state_.ExpectFirstPick = 0;
        state_.ExpectSecondPick = 1;
        DrawCell(row, column, state_.GameBoard[CellIndex(row, column)], CellSize::Small);
        return;
    }
    if (state_.ExpectSecondPick != 1)
        return; // no game set up yet
    state_.ExpectFirstPick = 1;
    state_.ExpectSecondPick = 0;
    state_.SecondPick = {row, column};
    const Pick first = state_.FirstPick;
    DrawCell(first.Row, first.Column, state_.GameBoard[CellIndex(first.Row, first.Column)],
             CellSize::Normal);
    const bool sideBySide = (row == first.Row - 1 || row == first.Row + 1 || column == first.Column + 1
                             || column == first.Column - 1)
        && (row == first.Row || column == first.Column);
    if (sideBySide)
        DellLine(row, column);
    else
        Refuse(Refusal::NotNeighbours);
}

std::optional<Pick> Game::PendingPick() const
{
    if (state_.ExpectSecondPick != 1)
        return std::nullopt;
    return state_.FirstPick;
}

void Game::DropPick()
{
    if (Animating() || state_.ExpectSecondPick != 1)
        return;
    state_.ExpectFirstPick = 1;
    state_.ExpectSecondPick = 0;
    const Pick first = state_.FirstPick;
    DrawCell(first.Row, first.Column, state_.GameBoard[CellIndex(first.Row, first.Column)], CellSize::Normal);
}

void Game::DellLine(int row, int column)
{
    const int first = CellIndex(state_.FirstPick.Row, state_.FirstPick.Column);
    const int second = CellIndex(row, column);
    state_.WorkBoard = state_.GameBoard;
    state_.WorkBoard[second] = state_.GameBoard[first];
    state_.WorkBoard[first] = state_.GameBoard[second];
    state_.LineFound = FindLine(state_.WorkBoard) ? 1 : 0;
    if (state_.LineFound != 1) {
        Refuse(Refusal::NoLine);
        return;
    }
    SetUndoEnabled(true);
    state_.UndoScore = state_.Score;
    state_.UndoBoard = state_.GameBoard;
    state_.LineFound = 0;
    state_.AnimStep = 0;
    // Cleared, not replaced: the list keeps its room from move to move.
    lastMove_.Lines.clear();
    lastMove_.Cascades = 0;
    SetTimer(TimerId::Timer2, true);
}

void Game::Timer2Timer()
{
    const Pick a = state_.FirstPick;
    const Pick b = state_.SecondPick;
    const int ia = CellIndex(a.Row, a.Column);
    const int ib = CellIndex(b.Row, b.Column);
    switch (state_.AnimStep) {
    case 0:
        DrawCell(a.Row, a.Column, state_.GameBoard[ia], CellSize::Small);
        DrawCell(b.Row, b.Column, state_.GameBoard[ib], CellSize::Small);
        state_.AnimStep = 1;
        break;
    case 1:
        DrawCell(a.Row, a.Column, state_.WorkBoard[ia], CellSize::Small);
        DrawCell(b.Row, b.Column, state_.WorkBoard[ib], CellSize::Small);
        state_.AnimStep = 2;
        break;
    case 2:
        DrawCell(a.Row, a.Column, state_.WorkBoard[ia], CellSize::Normal);
        DrawCell(b.Row, b.Column, state_.WorkBoard[ib], CellSize::Normal);
        state_.AnimStep = 3;
        screen_.PlaySwapSound();
        break;
    case 3:
        SetTimer(TimerId::Timer2, false);
        state_.GameBoard = state_.WorkBoard;
        state_.AnimStep = 0;
        Chenge();
        break;
    default:
        break;
    }
}

bool Game::Tick()
{
    if (timer2On_)
        Timer2Timer();
    else if (timer1On_)
        Timer1Timer();
    else
        return false;
    return true;
}

void Game::Refuse(Refusal why)
{
    screen_.QuestionBeep();
    if (listener_)
        listener_->MoveRefused(why);
}

void Game::FindLines(int length, std::int32_t points)
{
    RemoveLines(state_.WorkBoard, length, points, state_.Score, [&](std::int32_t score, std::int32_t colour) {
        lastMove_.Lines.push_back({colour, length, points, lastMove_.Cascades});
        screen_.ShowScore(score);
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
    SetTimer(TimerId::Timer1, true);
}

void Game::FallPass()
{
    Matrix& w = state_.WorkBoard;
    for (int i = CellCount - 1; i >= 0; --i) {
        if (w[i] != EmptyCell)
            continue;
        if (i >= BoardSize) {
            const int above = i - BoardSize;
            if (w[above] != EmptyCell) {
                w[i] = w[above];
                w[above] = EmptyCell;
                DrawCellAt(i, w[i]);
                ClearCellAt(above);
            }
        } else {
            w[i] = random_.RandomColour();
            DrawCellAt(i, w[i]);
        }
    }
}

void Game::Timer1Timer()
{
    if (state_.AnimStep == 0) {
        for (int i = 0; i < CellCount; ++i)
            if (state_.WorkBoard[i] == EmptyCell)
                ClearCellAt(i);
        state_.AnimStep = 1;
    } else if (state_.AnimStep == 1) {
        FallPass();
    }
    for (std::int32_t cell : state_.WorkBoard)
        if (cell == EmptyCell)
            return;
    SettleStep();
}

void Game::SettleStep()
{
    state_.GameBoard = state_.WorkBoard;
    SetTimer(TimerId::Timer1, false);
    state_.LineFound = FindLine(state_.WorkBoard) ? 1 : 0;
    if (state_.LineFound == 1) {
        state_.LineFound = 0;
        state_.AnimStep = 0;
        ++lastMove_.Cascades;
        SetTimer(TimerId::Timer2, true);
        return;
    }
    state_.LineFound = FindLine2(state_.WorkBoard) ? 1 : 0;
    if (listener_)
        listener_->MoveSettled(lastMove_.Lines, state_.Score);
    if (state_.LineFound == 1) {
        Keep();
        return;
    }
    // Dropped first: the end may go straight on to a new deal, which is kept.
    if (keeper_)
        keeper_->Drop();
    screen_.EndOfGame();
}

void Game::GameOver()
{
    if (screen_.AskPlayAgain())
        Newgame();
    else
        screen_.Terminate();
}

void Game::Undo()
{
    // Only the last accepted move can be taken back, and only once, whoever
    // asks: undoing with nothing to undo would restore a stale or empty board.
    if (!undoEnabled_)
        return;
    // A fall left running would copy the undone move back over the board.
    StopAnimation();
    // The full redraw shows the picked ball unpicked, so the pick goes too.
    if (state_.ExpectSecondPick == 1) {
        state_.ExpectFirstPick = 1;
        state_.ExpectSecondPick = 0;
    }
    SetUndoEnabled(false);
    state_.GameBoard = state_.UndoBoard;
    state_.Score = state_.UndoScore;
    screen_.ShowScore(state_.Score);
    Redrow();
    Keep();
}

void Game::Redrow()
{
    screen_.LoadBackground();
    if (Animating()) {
        // Mid-move the cells show the move as it stands, not GameBoard, which
        // still holds the balls being removed.
        for (int i = 0; i < CellCount; ++i) {
            const ShownCell cell = shown_[i];
            if (cell.Colour == EmptyCell)
                ClearCellAt(i);
            else
                DrawCell(RowOf(i), ColumnOf(i), cell.Colour, cell.Size);
        }
        return;
    }
    const bool pickPending = state_.ExpectSecondPick == 1;
    const int picked = CellIndex(state_.FirstPick.Row, state_.FirstPick.Column);
    for (int i = 0; i < CellCount; ++i)
        DrawCell(RowOf(i), ColumnOf(i), state_.GameBoard[i],
                 pickPending && i == picked ? CellSize::Small : CellSize::Normal);
}

} // namespace tumbaro
