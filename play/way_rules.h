#pragma once
// What each way to play changes in the game's rules. Classic ends when no
// move is left; Timed races a clock and deals anew when no move is left;
// Zen never ends, dealing anew with the score kept.

#include "deals/way.h"

namespace tumbaro {

// A timed game's clock, in milliseconds: two minutes.
inline constexpr int TimedGameLength = 2 * 60 * 1000;

constexpr bool EndsWhenStuck(Way way) { return way == Way::Classic; }
constexpr bool HasClock(Way way) { return way == Way::Timed; }

} // namespace tumbaro
