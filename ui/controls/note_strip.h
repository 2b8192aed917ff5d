#pragma once
// Note strips: lines of words in a plain box over the window, hidden until
// shown, letting the pointer through to what lies beneath. The clock, the
// pause cover and the table's heading are strips; the sound's, speed's and
// new deal's notes are passing notes, strips that hide themselves again.

#include <QRect>
#include <QTimer>

#include <chrono>

class QLabel;
class QString;
class QWidget;

namespace tumbaro {

// The strip between the window's top and the board, centred over the board,
// where the passing notes show.
inline constexpr QRect NoteArea(262, 4, 112, 24);

// A hidden strip on `window` named `name`, over `area`, in letters
// `pixelSize` pixels high.
QLabel* NewNoteStrip(QWidget& window, const char* name, const QRect& area, int pixelSize);

// A strip named `name` in the note area that shows a few words for `shown`
// each time, over whatever else is there.
class PassingNote {
public:
    PassingNote(QWidget& window, const char* name, std::chrono::milliseconds shown);

    // Shows `text` and starts its time again; as wide as the words, centred
    // where the note area is, when `fitWords`, else as wide as the area.
    void Show(const QString& text, bool fitWords = false);

private:
    QLabel* label_;
    QTimer timer_;
};

} // namespace tumbaro
