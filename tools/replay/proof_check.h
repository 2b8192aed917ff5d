#pragma once
// Checks a game's line: plays its moves on its deal and compares the score
// they give with the score the line claims.

#include <iosfwd>
#include <string_view>

namespace tumbaro {

// 0 when the line is true, 1 when its moves are not a game or give another
// score, 2 when the line cannot be read; one line of answer on `out`, or of
// the fault on `err`.
int CheckProofLine(std::string_view line, std::ostream& out, std::ostream& err);

} // namespace tumbaro
