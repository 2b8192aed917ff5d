#pragma once
// One step of the fall after lines vanish: every ball above a gap drops one
// row and every gap in the top row gets a new ball. The animation draws the
// cells in the order they changed.

#include "engine/game_state.h"
#include "engine/random.h"

namespace tumbaro {

struct CellChange {
    int Index;
    std::int32_t Colour; // EmptyCell: the cell is cleared
};

struct FallStep {
    Matrix Board{};
    std::array<CellChange, 2 * CellCount> Changes{};
    int Count = 0;
    bool Settled = false; // no gap is left
};

// The board one pass of the fall later. Cells are taken from the bottom
// right to the top left; a ball that drops changes its new cell, then its old
// one; new balls are drawn from `random` in that order.
FallStep Fall(const Matrix& board, RandomGenerator& random);

} // namespace tumbaro
