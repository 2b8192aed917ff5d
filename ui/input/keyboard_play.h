#pragma once
// Playing the main window from the keyboard: arrow keys move the board
// cursor, Space or Return acts on its cell as a click would, and the
// shortcuts do what their buttons do (N or F2 new game; U, Backspace or
// Ctrl+Z undo; 1 to 3 schemes; F1 help; Ctrl+Q exit; H hint; M sound; S symbols;
// the Menu key or Shift+F10 the menu; P pause; Ctrl+1 to 3 a new game in a way;
// Ctrl+plus, Ctrl+minus and Ctrl+0 zoom; F11 full screen, left by F11 or Esc;
// G a deal by its number, T today's deal, D the deal's number said, Ctrl+C the
// game copied, I the statistics).
// It listens on the window itself, ahead of whichever control has the focus,
// so keys meant for another window, such as the name dialog, never reach it;
// only in a list of the table, reached by Tab, do the arrows stay the list's.

#include <QObject>
#include <QPointF>
#include <QPointer>

class QKeyEvent;
class QWindow;

namespace tumbaro {

class BoardAccessibility;
class BoardView;
class GameCommands;
class HintBlink;
class KeyboardCursor;

class KeyboardPlay : public QObject {
    Q_OBJECT
public:
    // Keys trigger `commands`; Space or Return clicks the cursor's cell of
    // `board`. The cursor is drawn on `stage`, the board's own widget.
    KeyboardPlay(QWidget& stage, GameCommands& commands, BoardView& board, HintBlink& hint,
                 BoardAccessibility& accessibility);

    // Starts listening on the window's native window once it exists.
    void Attach(QWindow* window);

    KeyboardCursor& Cursor() { return *cursor_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool HandleKey(const QKeyEvent& event);
    void MoveCursor(int rows, int columns);
    void ActOnCursorCell();

    GameCommands& commands_;
    BoardView& board_;
    HintBlink& hint_;
    BoardAccessibility& accessibility_;
    KeyboardCursor* cursor_;
    // A native window made anew (for a new scale) may come at the old one's
    // address: the guard tells it from the old one.
    QPointer<QWindow> attached_;
    QPointF pointer_{-1, -1}; // where the mouse was last seen over the window
};

} // namespace tumbaro
