#include "ui/controls/score_box.h"

#include <QPainter>
#include <QStyle>
#include <QTextEdit>
#include <QTextLayout>

namespace tumbaro {

namespace {
// Space between the panel's inner edge and the text, as the editor keeps it.
constexpr int TextMargin = 2;

// The score in the editor, centred, with nothing selected.
void ShowIn(QTextEdit* edit, const QString& text)
{
    edit->setPlainText(text);
    edit->selectAll();
    edit->setAlignment(Qt::AlignHCenter);
    QTextCursor cursor = edit->textCursor();
    cursor.clearSelection();
    edit->setTextCursor(cursor);
}
} // namespace

ScoreBox::ScoreBox(QWidget* parent) : OnDemandControl(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

void ScoreBox::SetText(const QString& text)
{
    text_ = text;
    if (QTextEdit* edit = Edit())
        ShowIn(edit, text);
    else
        update();
}

QTextEdit* ScoreBox::Edit() const { return static_cast<QTextEdit*>(Real()); }

QAbstractScrollArea* ScoreBox::CreateReal()
{
    auto* edit = new QTextEdit(this);
    edit->setReadOnly(true);
    edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setFrameStyle(frameStyle());
    edit->document()->setDocumentMargin(TextMargin);
    ShowIn(edit, text_);
    return edit;
}

void ScoreBox::PaintContents(QPainter& painter, const QRect& inside)
{
    // Laid out as the editor lays out its one centred line.
    QTextLayout layout(text_, font(), this);
    QTextOption option(Qt::AlignHCenter);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid())
        line.setLineWidth(inside.width() - 2 * TextMargin);
    layout.endLayout();
    painter.setPen(palette().text().color());
    const QPointF origin(inside.left() + TextMargin, inside.top() + TextMargin);
    layout.draw(&painter, origin);
    // A read-only editor's cursor does not blink; it stands after the score.
    if (hasFocus())
        layout.drawCursor(&painter, origin, static_cast<int>(text_.size()),
            style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this));
}

} // namespace tumbaro
