#include "ui/controls/note_strip.h"

#include <QLabel>

namespace tumbaro {

namespace {

constexpr int NotePixelSize = 16;
// Room either side of the words of a note as wide as its words.
constexpr int WordsMargin = 16;

} // namespace

QLabel* NewNoteStrip(QWidget& window, const char* name, const QRect& area, int pixelSize)
{
    auto* label = new QLabel(&window);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(area);
    label->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPixelSize(pixelSize);
    label->setFont(font);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setAutoFillBackground(true);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->hide();
    return label;
}

PassingNote::PassingNote(QWidget& window, const char* name, std::chrono::milliseconds shown)
    : label_(NewNoteStrip(window, name, NoteArea, NotePixelSize))
{
    timer_.setSingleShot(true);
    timer_.setInterval(shown);
    QObject::connect(&timer_, &QTimer::timeout, label_, &QWidget::hide);
}

void PassingNote::Show(const QString& text, bool fitWords)
{
    label_->setText(text);
    if (fitWords) {
        const int width = label_->sizeHint().width() + WordsMargin;
        label_->setGeometry(NoteArea.left() + NoteArea.width() / 2 - width / 2, NoteArea.top(), width, NoteArea.height());
    }
    label_->raise();
    label_->show();
    timer_.start();
}

} // namespace tumbaro
