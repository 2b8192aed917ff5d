#include "ui/accessibility/ball_names.h"

namespace tumbaro {

namespace {

// In the order of the picture lists; each says what the generator paints.
constexpr const char* Names[3][8] = {
    {"silver sphere with a red seam", "gold and brown checked sphere", "blue sphere with gold flecks",
     "dark green sphere", "white sphere with rust speckles", "green and blue sphere",
     "red and grey woven sphere", "pink sphere"},
    {"black cone with a grey web", "grey granite cone", "ochre gold cone", "red cone with a marbled patch",
     "wooden cone", "blue and white marbled cone", "black and white checked cone",
     "dark grey cone with green bands"},
    {"red marbled ring", "black ring with white lines", "white ring with brown speckles", "gold ring",
     "dark grey ring with green bands", "black and white checked ring", "carved wooden ring",
     "blue and white marbled ring"},
};

} // namespace

QString BallName(int scheme, int colour)
{
    if (colour < 0 || colour > 7)
        return {};
    const int s = scheme >= 1 && scheme <= 3 ? scheme : 1;
    return QString::fromLatin1(Names[s - 1][colour]);
}

} // namespace tumbaro
