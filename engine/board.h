#pragma once
// Board operations that need no screen: dealing and settling a fresh board,
// the line test, and the search for a possible move.

#include "engine/game_state.h"
#include "engine/random.h"

#include <optional>

namespace tumbaro {

// True when the matrix holds three equal colours in a row or column
// (EmptyCell never forms a line).
bool FindLine(const Matrix& matrix);

// True when exchanging cells a and b (element numbers) of a board without
// lines makes one. Looks only at the runs through the two cells.
bool SwapMakesLine(const Matrix& board, int a, int b);

// A swap of two side-by-side cells, as element numbers.
struct Swap {
    int First;
    int Second;
};

// The first swap that makes a line, taking the cells in reading order and
// each cell's partner to the right before the one below; nothing if none.
std::optional<Swap> FirstMove(const Matrix& board);

// "Is any move left?": true when some swap of two side-by-side cells of a
// settled board makes a line.
bool FindLine2(const Matrix& board);

// Redraw the later two cells of every run of three until no run is left,
// sweep after sweep (columns, then rows), drawing colours in scan order.
void SortMatrix(Matrix& board, RandomGenerator& random);

// Fill the board row by row with 64 random colours and settle it.
void DealBoard(Matrix& board, RandomGenerator& random);

} // namespace tumbaro
