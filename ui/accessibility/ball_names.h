#pragma once
// What each ball looks like, in words: the names a screen reader speaks for
// the eight designs of each scheme.

#include <QString>

namespace tumbaro {

// The design `colour` (0..7) of `scheme` (1..3, anything else draws scheme
// 1); empty for a colour that draws no ball.
QString BallName(int scheme, int colour);

} // namespace tumbaro
