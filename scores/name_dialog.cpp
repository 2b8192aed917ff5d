#include "scores/name_dialog.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QValidator>
#include <algorithm>

namespace tumbaro {

namespace {

constexpr int NameMaxLength = 8;
constexpr const char* DefaultName = "Android";

QFont PixelFont(const char* family, int pixelSize)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixelSize);
    return font;
}

// Room kept free at each side of a widened line, so its first and last
// letters never touch the dialog's edges.
constexpr int LabelMargin = 4;

QLabel* MakeLabel(QWidget* parent, const char* name, const QRect& geometry, const char* text,
                  int pixelSize)
{
    const QString shown = QCoreApplication::translate("THScore", text);
    auto* label = new QLabel(shown, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    QFont font = PixelFont("Comic Sans MS", pixelSize);
    // A translation longer than the English words widens its line, kept in
    // the middle of the dialog; one too long even for the dialog's width is
    // drawn a little smaller, so that it is read whole. The English lines
    // stay as they always were.
    if (shown != QLatin1String(text)) {
        const int room = parent->width() - 2 * LabelMargin;
        auto needed = [&] { return QFontMetrics(font).horizontalAdvance(shown) + 4; };
        while (needed() > room && font.pixelSize() > 9)
            font.setPixelSize(font.pixelSize() - 1);
        const int width = std::min(std::max(geometry.width(), needed()), room);
        if (width > geometry.width())
            label->setGeometry((parent->width() - width) / 2, geometry.y(), width, geometry.height());
    }
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

bool IsLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// A name is one line of printable text: each line break pasted in (CR LF
// counting as one) becomes a space, and NUL, the other C0 and C1 controls and
// DEL are dropped. The cursor keeps its place among the characters that stay.
void CleanName(QString& input, int& pos)
{
    QString clean;
    clean.reserve(input.size());
    int cleanPos = -1;
    for (int i = 0; i < input.size(); ++i) {
        if (i == pos)
            cleanPos = static_cast<int>(clean.size());
        const QChar c = input[i];
        if (IsLineBreak(c)) {
            clean += u' ';
            if (c == u'\r' && i + 1 < input.size() && input[i + 1] == u'\n' && i + 1 != pos)
                ++i;
        } else if (c.category() != QChar::Other_Control) {
            clean += c;
        }
    }
    pos = cleanPos < 0 ? static_cast<int>(clean.size()) : cleanPos;
    input = clean;
}

// Eight characters, whatever their script: a character beyond the first
// plane is two units of a QString, so the box's own length limit would
// count it twice and could cut one in half. Whatever would pass the limit is
// taken off just before the cursor, where typing or pasting put it, so a
// ninth character typed anywhere is refused and a long paste is cut short.
class NameValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override
    {
        CleanName(input, pos);
        const auto count = [](QStringView text) { return static_cast<int>(text.toUcs4().size()); };
        int excess = count(input) - NameMaxLength;
        while (excess > 0 && pos > 0) {
            const int width = pos >= 2 && input[pos - 1].isLowSurrogate() && input[pos - 2].isHighSurrogate() ? 2 : 1;
            input.remove(pos - width, width);
            pos -= width;
            --excess;
        }
        return excess > 0 ? Invalid : Acceptable;
    }
};

} // namespace

THScore::THScore(std::string& playerName, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowStaysOnTopHint),
      playerName_(playerName)
{
    setObjectName(QStringLiteral("HScore"));
    setWindowTitle(QCoreApplication::translate("THScore", "HScore"));
    setFixedSize(260, 176);
    setFont(PixelFont("MS Sans Serif", 11));
    setAutoFillBackground(true);

    Label1 = MakeLabel(this, "Label1", QRect(56, 0, 149, 26),
                       QT_TRANSLATE_NOOP("THScore", "Congratulations!!!"), 19);
    Label2 = MakeLabel(this, "Label2", QRect(16, 32, 222, 23),
                       QT_TRANSLATE_NOOP("THScore", "You reached the Hight Score!!!"), 16);
    Label3 = MakeLabel(this, "Label3", QRect(48, 56, 158, 23),
                       QT_TRANSLATE_NOOP("THScore", "Plese enter your name"), 16);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(72, 88, 113, 21);
    Edit1->setMaxLength(2 * NameMaxLength); // in UTF-16 units; the validator counts characters
    Edit1->setValidator(new NameValidator(Edit1));
    Edit1->setAccessibleName(QCoreApplication::translate("THScore", "Your name"));
    Edit1->setAccessibleDescription(
        QCoreApplication::translate("THScore", "The name for the high-score table, up to eight characters"));

    Button1 = new QPushButton(QCoreApplication::translate("THScore", "OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(96, 128, 73, 33);
    Button1->setDefault(true);
    Button1->setAccessibleDescription(QCoreApplication::translate("THScore", "Enters the name in the high-score table"));

    QWidget::setTabOrder(Button1, Edit1);
    connect(Button1, &QPushButton::clicked, this, &THScore::Button1Click);
}

void THScore::FormActivate()
{
    Edit1->setFocus(Qt::ActiveWindowFocusReason);
}

void THScore::Button1Click()
{
    TakeTypedName();
    reject();
}

void THScore::TakeTypedName()
{
    QString text = Edit1->text();
    int end = static_cast<int>(text.size());
    CleanName(text, end); // whatever put the text there, the name is one clean line
    // Blanks are a name the player chose; only a truly empty box gets the stand-in.
    playerName_ = text.isEmpty() ? std::string(DefaultName) : text.toStdString();
}

void THScore::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CentreOnScreen();
    FormActivate();
}

void THScore::keyPressEvent(QKeyEvent* event)
{
    // There is no way to cancel: the player always leaves through OK.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void THScore::CentreOnScreen()
{
    const QScreen* screen = this->screen();
    if (screen == nullptr)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->geometry().center());
    move(frame.topLeft());
}

} // namespace tumbaro
