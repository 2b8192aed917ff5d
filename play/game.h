#pragma once
// The game as it is played: the two-click selection, the swap and fall
// animations stepped by their timers, cascades, undo, a new game and the end
// of a game. It owns the game record and the random generator and reaches the
// window only through Screen, so the same code runs in the window, in the
// replay tool and in tests.

#include "engine/game_state.h"
#include "engine/random.h"
#include "play/move_report.h"
#include "play/saved_game.h"
#include "play/screen.h"

#include <array>
#include <optional>

namespace tumbaro {

class Game {
public:
    explicit Game(Screen& screen) : screen_(screen) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    GameState& State() { return state_; }
    const GameState& State() const { return state_; }
    RandomGenerator& Random() { return random_; }

    // Deal and draw a fresh game. Stops a running animation once the new
    // background has loaded; if it fails to load, the old game stays.
    void Newgame();
    // Put a kept game back on the table in place of the one shown, as a new
    // deal would: settled, no pick pending, undo as it was. If the background
    // fails to load, the old game stays.
    void Resume(const SavedGame& game);
    // The game in progress as it would be kept; meaningful once it has settled.
    SavedGame Saved() const;
    // Where the game is reported as it changes (see GameKeeper); none by default.
    void KeepIn(GameKeeper* keeper) { keeper_ = keeper; }
    // Where each settled or refused move is reported; none by default.
    void ReportTo(MoveListener* listener) { listener_ = listener; }
    bool UndoPossible() const { return undoEnabled_; }

    // A click on the cell at 1-based (row, column). Ignored while a move is
    // being played out.
    void ButtonClick(int row, int column);
    // The ball picked and waiting for its partner, if any.
    std::optional<Pick> PendingPick() const;
    // Lets go of the picked ball without a sound, as if it had never been
    // picked: a drag from another ball starts afresh.
    void DropPick();
    // The swap test for FirstPick and the given second pick.
    void DellLine(int row, int column);
    // Mark and score every line in WorkBoard, then start the fall.
    void Chenge();
    void FindFiveBalls();
    void FindFourBalls();
    void FindThreeBalls();
    // Take back the last accepted move, stopping its animation if it runs;
    // nothing when there is none to take back.
    void Undo();
    // Ask whether to play again: a new game, or the end of the program.
    void GameOver();
    // Reload the background and draw every cell in the current scheme: the
    // settled board with a pending pick small, or a move as far as it has got.
    void Redrow();

    void Timer1Timer(); // fall and refill
    void Timer2Timer(); // swap

    bool Animating() const { return timer1On_ || timer2On_; }
    // Runs the next tick of whichever animation is running, as its timer
    // would; false when none is. Lets a caller without timers play a move out.
    bool Tick();

    // What the last accepted move did, for the replay tool and tests.
    struct MoveResult {
        std::vector<RemovedLine> Lines; // in the order they went
        int Cascades = 0;
    };
    const MoveResult& LastMove() const { return lastMove_; }

private:
    struct ShownCell {
        std::int32_t Colour = EmptyCell;
        CellSize Size = CellSize::Normal;
    };

    void DrawCell(int row, int column, std::int32_t colour, CellSize size);
    void ClearCell(int row, int column);
    void DrawCellAt(int index, std::int32_t colour);
    void ClearCellAt(int index);
    void SetTimer(TimerId timer, bool on);
    void SetUndoEnabled(bool enabled);
    void Keep();
    void StopAnimation();
    void FallPass();
    void FindLines(int length, std::int32_t points);
    void Refuse(Refusal why);
    void SettleStep();

    Screen& screen_;
    GameState state_;
    RandomGenerator random_;
    bool timer1On_ = false;
    bool timer2On_ = false;
    bool undoEnabled_ = false;
    GameKeeper* keeper_ = nullptr;
    MoveListener* listener_ = nullptr;
    MoveResult lastMove_;
    // What each cell shows now; lets a scheme change mid-move redraw the
    // move as it stands instead of the board it started from.
    std::array<ShownCell, CellCount> shown_{};
};

} // namespace tumbaro
