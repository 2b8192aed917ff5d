#pragma once
// What a screen reader hears of the main window: a name and a description
// for every control, each cell read as its place and the ball it shows, the
// keyboard cursor's cell as the focus and the picked ball as selected. Cell
// names are worked out when asked for, so drawing costs nothing more.

#include "engine/game_state.h"

#include <QHash>
#include <QObject>
#include <QPointer>

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

    // A cell was drawn: a pick made or let go is told as the cell's selection.
    void CellDrawn();
    // The scheme the balls are named in.
    int Scheme() const;
    // "Row 3, column 5: pink sphere", "Row 3, column 5: empty".
    QString CellName(int row, int column) const;
    // The ball picked and waiting for its partner, once the board is at rest.
    bool Picked(int row, int column) const;
    // Whether the keyboard cursor is on the cell.
    bool Focused(int row, int column) const { return focus_ == CellIndex(row, column); }
    // The cell's description: the first cursor step reads it, later ones the
    // name alone.
    QString CellDescription() const;

    // Tells a screen reader that the keyboard is on this cell now.
    void FocusCell(int row, int column);
    // The name of the cursor's cell if its ball has changed since it was last
    // read, and from now on read; empty otherwise.
    QString FocusCellIfChanged();

private:
    // The picked ball's cell as an element number once the board is at rest; -1 for none.
    int PickedCell() const;

    const Game& game_;
    BoardView& board_;
    QWidget* window_;
    QHash<const QWidget*, QPointer<QAction>> presses_;
    int focus_ = -1; // the cursor's cell as an element number; -1 before the first step
    int focusSteps_ = 0;
    std::int32_t readColour_ = EmptyCell; // what the cursor's cell showed when last read
    int readScheme_ = 0;
    int picked_ = -1; // the cell last told as selected, as an element number
};

} // namespace tumbaro
