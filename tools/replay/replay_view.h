#pragma once
// The replay tool's view of the game: it draws nothing and only needs to know
// whether a pair was refused and whether the game has ended.

#include "play/game_events.h"
#include "play/painter.h"

namespace tumbaro {

class BlankPainter final : public Painter {
public:
    void DrawCell(int, int, std::int32_t, CellSize) override {}
    void ClearCell(int, int) override {}
    void ShowScore(std::int32_t) override {}
    void SetUndoEnabled(bool) override {}
};

class ReplayEvents final : public GameEvents {
public:
    void MoveRefused(Refusal) override { refused = true; }
    void GameEnded(std::int32_t) override { gameOver = true; }

    bool refused = false;
    bool gameOver = false;
};

} // namespace tumbaro
