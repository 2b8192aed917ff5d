#pragma once
// The board on the window as the game's painter: its 64 cells, Ball11 to
// Ball88, drawn from the scheme's ball lists, with the score box and the undo
// command beside them. It holds what each cell shows, so a new scheme redraws
// the board as it stands, a move half played included, and a screen reader
// reads the cells from it.

#include "engine/game_state.h"
#include "play/painter.h"

#include <QObject>

#include <array>

class QAction;
class QRect;
class QWidget;

namespace tumbaro {

class PictureControl;
class PictureList;
class ScoreBox;

class BoardView : public QObject, public Painter {
    Q_OBJECT
public:
    explicit BoardView(QWidget* window);

    // Makes the cell at 1-based (row, column) on the window; the window
    // makes its controls in drawing order, cells among them.
    PictureControl* MakeCell(int row, int column, const QRect& geometry, int options);
    PictureControl* Cell(int row, int column) const { return cells_[CellIndex(row, column)]; }
    // Where the score and the undo command's state are shown.
    void ShowOn(ScoreBox* score, QAction* undo)
    {
        score_ = score;
        undo_ = undo;
    }

    void DrawCell(int row, int column, std::int32_t colour, CellSize size) override;
    void ClearCell(int row, int column) override;
    void ShowScore(std::int32_t score) override;
    void SetUndoEnabled(bool enabled) override;

    struct Shown {
        std::int32_t Colour = EmptyCell;
        CellSize Size = CellSize::Normal;
    };
    // What the cell, as an element number, shows now.
    Shown ShownAt(int index) const { return shown_[index]; }

    // The scheme the balls are drawn in, 1 to 3; the cells keep their
    // pictures until Redraw.
    int Scheme() const { return scheme_; }
    void SetScheme(int scheme) { scheme_ = scheme; }
    // Every cell drawn again as it shows, in the scheme now.
    void Redraw();

    // The ball lists: Sxema1Big .. Sxema3Big, then Sxema1Small .. Sxema3Small.
    const std::array<PictureList*, 6>& BallLists() const { return balls_; }

    // Acts on a cell as a click on it does, for the keyboard and screen readers.
    void Click(int row, int column) { emit CellClicked(row, column); }

signals:
    void CellClicked(int row, int column);
    // The cell shows another ball, or none, or the same at another size.
    void CellDrawn(int row, int column);

private:
    QWidget* window_;
    std::array<PictureControl*, CellCount> cells_{};
    std::array<Shown, CellCount> shown_{};
    std::array<PictureList*, 6> balls_{};
    ScoreBox* score_ = nullptr;
    QAction* undo_ = nullptr;
    int scheme_ = 1;
};

} // namespace tumbaro
