#pragma once
// A screen that draws nothing: the replay tool steps the animations itself
// and only needs to know whether a pair was refused and the game has ended.

#include "play/screen.h"

namespace tumbaro {

class ReplayScreen final : public Screen {
public:
    void DrawCell(int, int, std::int32_t, CellSize) override {}
    void ClearCell(int, int) override {}
    void LoadBackground() override {}
    void ShowScore(std::int32_t) override {}
    void SetUndoEnabled(bool) override {}
    void SetTimer(TimerId, bool) override {}
    void PlaySwapSound() override {}
    void QuestionBeep() override { beeped = true; }
    bool AskPlayAgain() override { return true; }
    void Terminate() override {}
    void EndOfGame() override { gameOver = true; }

    bool beeped = false;
    bool gameOver = false;
};

} // namespace tumbaro
