#include "ui/board/board_view.h"

#include "ui/controls/picture_control.h"
#include "ui/controls/score_box.h"
#include "ui/pictures/picture_list.h"

#include <QAction>
#include <QWidget>

namespace tumbaro {

BoardView::BoardView(QWidget* window) : QObject(window), window_(window)
{
    setObjectName(QStringLiteral("BoardView"));
    for (int scheme = 1; scheme <= 3; ++scheme) {
        balls_[scheme - 1] = new PictureList(QStringLiteral("Sxema%1Big").arg(scheme), this);
        balls_[scheme + 2] = new PictureList(QStringLiteral("Sxema%1Small").arg(scheme), this);
    }
}

PictureControl* BoardView::MakeCell(int row, int column, const QRect& geometry, int options)
{
    auto* cell = new PictureControl(QStringLiteral("Ball%1%2").arg(row).arg(column), geometry, options, window_);
    cells_[CellIndex(row, column)] = cell;
    connect(cell, &PictureControl::Click, this, [this, row, column] { emit CellClicked(row, column); });
    return cell;
}

void BoardView::DrawCell(int row, int column, std::int32_t colour, CellSize size)
{
    shown_[CellIndex(row, column)] = {colour, size};
    const PictureList* list = balls_[(scheme_ - 1) + (size == CellSize::Small ? 3 : 0)];
    Cell(row, column)->CopyFromList(list, colour);
    emit CellDrawn(row, column);
}

void BoardView::ClearCell(int row, int column)
{
    shown_[CellIndex(row, column)] = {};
    Cell(row, column)->ClearPicture();
    emit CellDrawn(row, column);
}

void BoardView::ShowScore(std::int32_t score) { score_->SetText(QString::number(score)); }

void BoardView::SetUndoEnabled(bool enabled) { undo_->setEnabled(enabled); }

void BoardView::Redraw()
{
    for (int i = 0; i < CellCount; ++i) {
        const Shown cell = shown_[i];
        if (cell.Colour == EmptyCell)
            ClearCell(RowOf(i), ColumnOf(i));
        else
            DrawCell(RowOf(i), ColumnOf(i), cell.Colour, cell.Size);
    }
}

} // namespace tumbaro
