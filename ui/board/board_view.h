#pragma once
// The board on the window: its 64 cells, Ball11 to Ball88, as typed
// controls held by index. Each cell is drawn from the scheme's ball lists
// and reports a click with its own row and column.

#include "engine/game_state.h"
#include "play/screen.h"

#include <QObject>

#include <array>

class QRect;
class QWidget;

namespace tumbaro {

class PictureControl;
class PictureList;

class BoardView : public QObject {
    Q_OBJECT
public:
    explicit BoardView(QWidget* window);

    // Makes the cell at 1-based (row, column) on the window; the window
    // makes its controls in drawing order, cells among them.
    PictureControl* MakeCell(int row, int column, const QRect& geometry, int options);
    PictureControl* Cell(int row, int column) const { return cells_[CellIndex(row, column)]; }

    // Ball `colour` of `scheme` (1..3) at the size asked; a colour outside the
    // lists leaves the cell empty.
    void Draw(int row, int column, std::int32_t colour, CellSize size, int scheme);
    void Clear(int row, int column);

    // Acts on a cell as a click on it does, for the keyboard and screen readers.
    void Click(int row, int column) { emit CellClicked(row, column); }

signals:
    void CellClicked(int row, int column);

private:
    QWidget* window_;
    std::array<PictureControl*, CellCount> cells_{};
    // Sxema1Big .. Sxema3Big, then Sxema1Small .. Sxema3Small.
    std::array<PictureList*, 6> balls_{};
};

} // namespace tumbaro
