#include "ui/input/drag_swap.h"

#include "play/game.h"
#include "ui/board/board_view.h"
#include "ui/controls/picture_control.h"
#include "ui/layout/window_layout.h"

#include <QMouseEvent>

#include <cmath>
#include <cstdlib>
#include <utility>

namespace tumbaro {

namespace {
constexpr int Pitch = CellPosition(1, 2).x() - CellPosition(1, 1).x();
constexpr int Gap = Pitch - 50; // cells are 50 by 50
// The cell under a point of the window, 1-based, or {0, 0} off the board.
// The gap between two cells is split down its middle.
std::pair<int, int> CellAt(QPointF windowPoint)
{
    const QPoint origin = CellPosition(1, 1) - QPoint(Gap / 2, Gap / 2);
    const int column = static_cast<int>(std::floor((windowPoint.x() - origin.x()) / Pitch)) + 1;
    const int row = static_cast<int>(std::floor((windowPoint.y() - origin.y()) / Pitch)) + 1;
    if (row < 1 || row > BoardSize || column < 1 || column > BoardSize)
        return {0, 0};
    return {row, column};
}

} // namespace

DragSwap::DragSwap(BoardView& board, Game& game) : QObject(&board), board_(board), game_(game)
{
    setObjectName(QStringLiteral("DragSwap"));
    for (int row = 1; row <= BoardSize; ++row)
        for (int column = 1; column <= BoardSize; ++column)
            board.Cell(row, column)->installEventFilter(this);
}

bool DragSwap::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    // Where on the layout: the pressed cell keeps the mouse while the button
    // is held.
    const QPointF at = static_cast<QWidget*>(watched)->mapTo(static_cast<QWidget*>(board_.parent()), mouse->position());
    if (type == QEvent::MouseButtonPress) {
        if (mouse->button() == Qt::LeftButton) {
            const auto [row, column] = CellAt(at);
            Press(row, column);
        }
        return false;
    }
    if (row_ == 0)
        return false;
    if (type == QEvent::MouseMove) {
        if (!moved_ && (mouse->buttons() & Qt::LeftButton))
            moved_ = Move(at);
        return false;
    }
    if (mouse->button() != Qt::LeftButton)
        return false;
    const bool moved = moved_;
    Release(at);
    return moved; // the move is made; the release is no click
}

void DragSwap::Press(int row, int column)
{
    // A drag begun while a move plays out is ignored, as a click would be.
    const bool ignored = game_.Animating() || row == 0;
    row_ = ignored ? 0 : row;
    column_ = ignored ? 0 : column;
    moved_ = false;
}

bool DragSwap::Move(QPointF windowPoint)
{
    const auto [row, column] = CellAt(windowPoint);
    if (std::abs(row - row_) + std::abs(column - column_) != 1 || row == 0)
        return false;
    if (game_.Animating()) {
        row_ = column_ = 0;
        return false;
    }
    // The ball dragged is the first of the pair, whatever was picked before.
    const std::optional<Pick> picked = game_.PendingPick();
    if (picked && (picked->Row != row_ || picked->Column != column_))
        game_.DropPick();
    if (!game_.PendingPick())
        board_.Click(row_, column_);
    board_.Click(row, column);
    return true;
}

void DragSwap::Release(QPointF windowPoint)
{
    const int row = row_, column = column_;
    const bool moved = moved_;
    row_ = column_ = 0;
    moved_ = false;
    if (moved)
        return;
    // Released over the pressed ball, the cell's own click follows; anywhere
    // else the drag made no move and leaves the ball picked, as a click would.
    if (!QRect(CellPosition(row, column), board_.Cell(row, column)->size()).contains(windowPoint.toPoint()))
        board_.Click(row, column);
}

} // namespace tumbaro
