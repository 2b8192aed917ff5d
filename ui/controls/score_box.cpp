#include "ui/controls/score_box.h"

namespace tumbaro {

namespace {
// Space between the panel's inner edge and the text.
constexpr int TextMargin = 2;
} // namespace

ScoreBox::ScoreBox(QWidget* parent) : QTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    document()->setDocumentMargin(TextMargin);
}

void ScoreBox::SetText(const QString& text)
{
    // Centred, with nothing selected.
    setPlainText(text);
    selectAll();
    setAlignment(Qt::AlignHCenter);
    QTextCursor cursor = textCursor();
    cursor.clearSelection();
    setTextCursor(cursor);
}

} // namespace tumbaro
