#pragma once
// Checks of what must hold on every settled board, run by the replay tool in
// the sanitizer build so that a long soak proves the game logic, not only the
// absence of memory faults.

#include "engine/game_state.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tumbaro {

// True when swapping some two side-by-side cells gives a line, found the slow
// way: by trying every such swap and testing the whole board each time.
bool AnyMoveByBruteForce(const Matrix& board);

// What is wrong with a settled board, or nothing: a colour outside 0 to 7, a
// line left standing, or a move search that disagrees with the brute force.
std::optional<std::string> SettledBoardFault(const Matrix& board);

// Stops the program with one line naming the seed and the move count when the
// board breaks an invariant; does nothing otherwise.
void CheckSettledBoard(const Matrix& board, std::int64_t seed, std::int64_t moves);

} // namespace tumbaro
