#pragma once
// Everything the game logic asks of the outside world: drawing cells, the
// score box, the undo button, the two animation timers, the sounds and the few
// questions. The window implements it with real widgets; tests and the replay
// tool implement it with recorders.

#include <cstdint>

namespace tumbaro {

enum class CellSize { Normal, Small };
enum class TimerId { Timer1, Timer2 };

class Screen {
public:
    virtual ~Screen() = default;

    // Show `colour` in the cell at 1-based (row, column) from the current
    // scheme's Big or Small list; a colour outside 0..7 leaves the cell empty.
    virtual void DrawCell(int row, int column, std::int32_t colour, CellSize size) = 0;
    // Empty the cell so the background shows through.
    virtual void ClearCell(int row, int column) = 0;
    // Load the current scheme's background picture; throws GameError on failure.
    virtual void LoadBackground() = 0;
    // Set the score box's text to `score` in decimal.
    virtual void ShowScore(std::int32_t score) = 0;
    virtual void SetUndoEnabled(bool enabled) = 0;
    virtual void SetTimer(TimerId timer, bool on) = 0;
    // Start the swap sound without waiting; a later start cuts the last one off.
    virtual void PlaySwapSound() = 0;
    // The system's question beep: the answer to a refused pair.
    virtual void QuestionBeep() = 0;
    // "Do you want to play again?": true for Yes.
    virtual bool AskPlayAgain() = 0;
    // End the program (the message loop ends).
    virtual void Terminate() = 0;
    // The settled board has no move left: offer the high-score table, which
    // ends by calling Game::GameOver.
    virtual void EndOfGame() = 0;
};

} // namespace tumbaro
