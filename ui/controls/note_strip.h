#pragma once
// A note strip: a line of words in a plain box over the window, hidden until
// shown, letting the pointer through to what lies beneath. The sound's,
// speed's and new deal's notes, the clock and the pause cover are strips.

#include <QRect>

class QLabel;
class QWidget;

namespace tumbaro {

// A hidden strip on `window` named `name`, over `area`, in letters
// `pixelSize` pixels high.
QLabel* NewNoteStrip(QWidget& window, const char* name, const QRect& area, int pixelSize);

} // namespace tumbaro
