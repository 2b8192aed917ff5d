#include "ui/board/keyboard_cursor.h"

#include "engine/game_state.h"
#include "ui/layout/window_layout.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace tumbaro {

namespace {

constexpr int CellSide = 50;
// The frame's dark line fills the 2-pixel gap round the cell, its bright line
// the cell's own outer pixels, where no ball reaches.
constexpr int Gap = 2;
constexpr int Line = 2;
const QColor Dark(0x10, 0x10, 0x10);
const QColor Bright(0xFF, 0xE0, 0x30);

} // namespace

KeyboardCursor::KeyboardCursor(QWidget* window) : QWidget(window)
{
    setObjectName(QStringLiteral("KeyboardCursor"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    Place();
}

void KeyboardCursor::Show()
{
    Place();
    raise();
    show();
}

bool KeyboardCursor::Step(int rows, int columns)
{
    const int row = std::clamp(row_ + rows, 1, BoardSize);
    const int column = std::clamp(column_ + columns, 1, BoardSize);
    if (row == row_ && column == column_)
        return false;
    row_ = row;
    column_ = column;
    Place();
    return true;
}

void KeyboardCursor::Place()
{
    setGeometry(QRect(CellPosition(row_, column_), QSize(CellSide, CellSide)).adjusted(-Gap, -Gap, Gap, Gap));
}

void KeyboardCursor::paintEvent(QPaintEvent*)
{
    // Logical coordinates throughout, so the frame keeps its place and weight
    // at any scale.
    QPainter painter(this);
    const QRectF outer = QRectF(rect());
    QPainterPath frame;
    frame.addRect(outer);
    frame.addRect(outer.adjusted(Gap, Gap, -Gap, -Gap));
    painter.fillPath(frame, Dark);
    QPainterPath inner;
    inner.addRect(outer.adjusted(Gap, Gap, -Gap, -Gap));
    inner.addRect(outer.adjusted(Gap + Line, Gap + Line, -Gap - Line, -Gap - Line));
    painter.fillPath(inner, Bright);
}

} // namespace tumbaro
