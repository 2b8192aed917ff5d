#pragma once
// Plays a game without a screen: deals from a seed, plays the given moves or
// chooses its own, and prints every deal, move and settled board.

#include "tools/replay/replay_args.h"

#include <iosfwd>

namespace tumbaro {

void RunReplay(const ReplayArgs& args, std::ostream& out);

} // namespace tumbaro
