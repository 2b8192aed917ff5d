#pragma once
// What a screen reader hears of the main window: a name and a description
// for every control, each cell read as its place and the ball it shows, the
// keyboard cursor's cell as the focus, and the score as a value that changes.
// Cell names are worked out when asked for, so drawing costs nothing more.

#include "engine/game_state.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include <array>
#include <functional>

class QAccessibleEvent;
class QAction;
class QWidget;

namespace tumbaro {

class BoardView;
class Game;

class BoardAccessibility : public QObject {
    Q_OBJECT
public:
    // Made before the window's controls, so that none of them is ever
    // described without it.
    BoardAccessibility(const Game& game, BoardView& board, QWidget* window);
    ~BoardAccessibility() override;
    // Names the window, the score box and the two lists once they exist.
    void NameControls(QWidget* memo, QWidget* names, QWidget* scores);
    // A screen reader's press on `control` triggers `command`, as a click does.
    void SetPress(const QWidget* control, QAction* command) { presses_.insert(control, command); }
    // What a press on `control` does now: a cell acts as clicked, a button
    // triggers its command while the command is enabled; null for anything else.
    std::function<void()> PressOf(const QWidget* control, int row, int column) const;
    // The window's own, for the controls on `window`.
    static const BoardAccessibility* Of(const QWidget* window);

    // What the cell shows now, as drawn; EmptyCell for an empty one.
    void CellDrawn(int row, int column, std::int32_t colour) { shown_[CellIndex(row, column)] = colour; }
    // "Row 3, column 5: pink sphere", "Row 3, column 5: empty".
    QString CellName(int row, int column) const;

    // Tells a screen reader that the keyboard is on this cell now.
    void FocusCell(int row, int column);
    void ScoreChanged(std::int32_t score);

    // Where the two announcements go: Qt's accessibility, which passes them
    // on only while a screen reader listens. Tests listen here instead.
    using Announcer = std::function<void(QAccessibleEvent*)>;
    void SetAnnouncer(Announcer announcer) { announce_ = std::move(announcer); }

private:
    const Game& game_;
    BoardView& board_;
    QWidget* window_;
    QWidget* memo_ = nullptr;
    QHash<const QWidget*, QPointer<QAction>> presses_;
    std::array<std::int32_t, CellCount> shown_;
    Announcer announce_;
};

} // namespace tumbaro
