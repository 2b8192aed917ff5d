#include "ui/accessibility/ball_names.h"

#include <QCoreApplication>

namespace tumbaro {

namespace {

// In the order of the picture lists; each says what the generator paints.
constexpr const char* Names[3][8] = {
    {QT_TRANSLATE_NOOP("BallNames", "silver sphere with a red seam"), QT_TRANSLATE_NOOP("BallNames", "gold and brown checked sphere"), QT_TRANSLATE_NOOP("BallNames", "blue sphere with gold flecks"),
     QT_TRANSLATE_NOOP("BallNames", "dark green sphere"), QT_TRANSLATE_NOOP("BallNames", "white sphere with rust speckles"), QT_TRANSLATE_NOOP("BallNames", "green and blue sphere"),
     QT_TRANSLATE_NOOP("BallNames", "red and grey woven sphere"), QT_TRANSLATE_NOOP("BallNames", "pink sphere")},
    {QT_TRANSLATE_NOOP("BallNames", "black cone with a grey web"), QT_TRANSLATE_NOOP("BallNames", "grey granite cone"), QT_TRANSLATE_NOOP("BallNames", "ochre gold cone"), QT_TRANSLATE_NOOP("BallNames", "red cone with a marbled patch"),
     QT_TRANSLATE_NOOP("BallNames", "wooden cone"), QT_TRANSLATE_NOOP("BallNames", "blue and white marbled cone"), QT_TRANSLATE_NOOP("BallNames", "black and white checked cone"),
     QT_TRANSLATE_NOOP("BallNames", "dark grey cone with green bands")},
    {QT_TRANSLATE_NOOP("BallNames", "red marbled ring"), QT_TRANSLATE_NOOP("BallNames", "black ring with white lines"), QT_TRANSLATE_NOOP("BallNames", "white ring with brown speckles"), QT_TRANSLATE_NOOP("BallNames", "gold ring"),
     QT_TRANSLATE_NOOP("BallNames", "dark grey ring with green bands"), QT_TRANSLATE_NOOP("BallNames", "black and white checked ring"), QT_TRANSLATE_NOOP("BallNames", "carved wooden ring"),
     QT_TRANSLATE_NOOP("BallNames", "blue and white marbled ring")},
};

} // namespace

QString BallName(int scheme, int colour)
{
    if (colour < 0 || colour > 7)
        return {};
    const int s = scheme >= 1 && scheme <= 3 ? scheme : 1;
    return QCoreApplication::translate("BallNames", Names[s - 1][colour]);
}

} // namespace tumbaro
