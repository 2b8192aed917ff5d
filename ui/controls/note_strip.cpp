#include "ui/controls/note_strip.h"

#include <QLabel>

namespace tumbaro {

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

} // namespace tumbaro
