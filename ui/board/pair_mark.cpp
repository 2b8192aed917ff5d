#include "ui/board/pair_mark.h"

#include "engine/game_state.h"
#include "ui/layout/window_layout.h"

#include <QPainter>
#include <QPainterPath>

namespace tumbaro {

namespace {

constexpr int CellSide = 50;
// The frame keeps to the gap round the cell and the cell's outer pixels, as
// the cursor's does.
constexpr int Gap = 2;
constexpr int Line = 2;
const QColor Dark(0x10, 0x10, 0x10);
const QColor HintColour(0x60, 0xF0, 0x60);
const QColor RefusalColour(0xF0, 0x30, 0x30);

class CellMark : public QWidget {
public:
    CellMark(QWidget* window, PairMark::Look look, const QString& name) : QWidget(window), look_(look)
    {
        setObjectName(name);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor colour = look_ == PairMark::Look::Hint ? HintColour : RefusalColour;
        const QRectF outer = QRectF(rect());
        const QRectF cell = outer.adjusted(Gap, Gap, -Gap, -Gap);
        QPainterPath frame;
        frame.addRect(outer);
        frame.addRect(cell);
        painter.fillPath(frame, Dark);
        QPainterPath inner;
        inner.addRect(cell);
        inner.addRect(cell.adjusted(Line, Line, -Line, -Line));
        painter.fillPath(inner, colour);
        if (look_ != PairMark::Look::Refusal)
            return;
        // A cross over the ball: no, not these two. Drawn dark under bright so
        // it shows on every ball and background.
        const QRectF cross = cell.adjusted(10, 10, -10, -10);
        for (const auto& [pen, width] : {std::pair{Dark, 7.0}, std::pair{colour, 3.5}}) {
            painter.setPen(QPen(pen, width, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(cross.topLeft(), cross.bottomRight());
            painter.drawLine(cross.topRight(), cross.bottomLeft());
        }
    }

private:
    PairMark::Look look_;
};

} // namespace

PairMark::PairMark(QWidget* window, Look look, const QString& name) : QObject(window), timer_(this)
{
    setObjectName(name);
    for (QWidget*& cell : cells_)
        cell = new CellMark(window, look, name + QStringLiteral("Cell"));
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &PairMark::Hide);
}

void PairMark::Show(int first, int second, int milliseconds)
{
    const std::array<int, 2> at{first, second};
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        const QRect cell(CellPosition(RowOf(at[i]), ColumnOf(at[i])), QSize(CellSide, CellSide));
        cells_[i]->setGeometry(cell.adjusted(-Gap, -Gap, Gap, Gap));
        cells_[i]->raise();
        cells_[i]->show();
    }
    timer_.start(milliseconds);
}

void PairMark::Hide()
{
    timer_.stop();
    for (QWidget* cell : cells_)
        cell->hide();
}

} // namespace tumbaro
