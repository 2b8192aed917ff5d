#pragma once
// A screen that draws nothing: the replay tool steps the timers itself and
// only needs to know which one is running and whether the game has ended.

#include "play/screen.h"

namespace tumbaro {

class ReplayScreen final : public Screen {
public:
    void DrawCell(int, int, std::int32_t, CellSize) override {}
    void ClearCell(int, int) override {}
    void LoadBackground() override {}
    void ShowScore(std::int32_t) override {}
    void SetUndoEnabled(bool) override {}
    void SetTimer(TimerId timer, bool on) override
    {
        (timer == TimerId::Timer1 ? timer1 : timer2) = on;
    }
    void PlaySwapSound() override {}
    void QuestionBeep() override { beeped = true; }
    bool AskPlayAgain() override { return true; }
    void Terminate() override {}
    void EndOfGame() override { gameOver = true; }

    bool timer1 = false;
    bool timer2 = false;
    bool beeped = false;
    bool gameOver = false;
};

} // namespace tumbaro
