#pragma once
// The game as it is played: the two-click selection, the swap and the fall
// played out tick by tick, cascades, undo and a new deal. It owns the game
// record and the random generator, draws through a Painter and reports
// through GameEvents, so the same code runs in the window, in the replay tool
// and in tests. It never asks a question: an ended game is reported, and the
// listener decides what follows.

#include "engine/game_state.h"
#include "engine/random.h"
#include "play/game_events.h"
#include "play/painter.h"
#include "play/saved_game.h"
#include "play/way_rules.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tumbaro {

class Game {
public:
    Game(Painter& painter, GameEvents& events) : painter_(painter), events_(events) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    const GameState& State() const { return state_; }
    const RandomGenerator& Random() const { return random_; }
    void Seed(std::int64_t calendarTime) { random_.Seed(calendarTime); }

    // Deal and draw a fresh game, stopping a move that is playing out: in
    // `way`, or in the way of the game on screen.
    void Newgame();
    // Deal the game numbered `deal`: the generator seeded with that number.
    void Deal(DealNumber deal);
    // The same, in `way`.
    void Deal(DealNumber deal, Way way);
    // The deal on the table and what has been played on it.
    const GameTally& Tally() const { return tally_; }
    void Newgame(Way way);
    Way CurrentWay() const { return way_; }
    // What is left of a timed game's clock, in milliseconds; 0 in other ways.
    int TimeLeft() const { return timeLeft_; }
    // `elapsed` milliseconds of a timed game's clock have run. At zero the
    // move under way settles first, then the game ends.
    void ClockTick(int elapsed);
    // A timed game at rest is kept with the time it has left, as when the
    // clock stops; a move under way is kept once it settles.
    void KeepClock();
    // The clock has run out: nothing more is played.
    bool TimeUp() const { return HasClock(way_) && timeLeft_ == 0; }
    // Put a kept game back on the table in place of the one shown, as a new
    // deal would: settled, no pick pending, undo as it was.
    void Resume(const SavedGame& game);
    // The game in progress as it would be kept; meaningful once it has settled.
    SavedGame Saved() const;
    // Where the game is reported as it changes (see GameKeeper); none by default.
    void KeepIn(GameKeeper* keeper) { keeper_ = keeper; }
    bool UndoPossible() const { return undoEnabled_; }

    // A click on the cell at 1-based (row, column). Ignored while a move is
    // being played out, and before the first deal.
    void ButtonClick(int row, int column);
    // The ball picked and waiting for its partner, if any.
    std::optional<Pick> PendingPick() const { return state_.Picked; }
    // Lets go of the picked ball without a sound, as if it had never been
    // picked: a drag from another ball starts afresh.
    void DropPick();
    // Take back the last accepted move, stopping its animation if it runs;
    // nothing when there is none to take back.
    void Undo();

    bool Animating() const { return phase_ != Phase::Idle; }
    // One tick of the move being played out (the swap's four, then the
    // fall's); false when none is.
    bool Tick();

    // What the last accepted move did, for the replay tool and tests.
    struct MoveResult {
        std::vector<RemovedLine> Lines; // in the order they went
        int Cascades = 0;
    };
    const MoveResult& LastMove() const { return lastMove_; }

private:
    enum class Phase { Idle, Swap, Fall };

    // The swap test for FirstPick and SecondPick.
    void DellLine();
    // Mark and score every line in WorkBoard, then start the fall.
    void Chenge();
    void FindFiveBalls();
    void FindFourBalls();
    void FindThreeBalls();
    void FindLines(int length, std::int32_t points);
    void Timer1Timer(); // fall and refill
    void Timer2Timer(); // swap
    void SettleStep();
    // Every cell drawn from GameBoard at normal size.
    void Redrow();
    void DrawCell(const Pick& at, std::int32_t colour, CellSize size);
    void SetPhase(Phase phase);
    void SetUndoEnabled(bool enabled);
    void Keep();
    // Plays the running move to its end unseen and unheard, for its draws from
    // the generator: an undone move then costs the same draws however soon it
    // was undone, and the steps of a game replay it exactly.
    void FinishQuietly();
    // No move is left on the settled board: the end, or a new deal.
    void NoMoveLeft();
    void EndGame();

    Painter& painter_;
    GameEvents& events_;
    GameState state_;
    RandomGenerator random_;
    Phase phase_ = Phase::Idle;
    bool dealt_ = false;
    bool undoEnabled_ = false;
    Way way_ = Way::Classic;
    int timeLeft_ = 0;
    GameKeeper* keeper_ = nullptr;
    MoveResult lastMove_;
    GameTally tally_;
};

} // namespace tumbaro
