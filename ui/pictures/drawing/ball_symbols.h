#pragma once
// The symbols that can be shown on the balls, one per design number and the
// same in every scheme, so a player who tells colours apart poorly, or
// plays on a dim screen, reads a ball by its shape: a black sign with a
// white rim, in the middle of the picture.

#include <QImage>

namespace tumbaro::drawing {

inline constexpr int SymbolCount = 8;

// `ball` with the symbol of design `design` (0..7) drawn on it. `ball` is a
// list picture as drawn for `density`: at density 1 on white, whose pixels
// stay white (and so transparent) wherever the symbol does not cover them
// fully, above it with a transparent surround.
QImage WithSymbol(const QImage& ball, int design, int density);

} // namespace tumbaro::drawing
