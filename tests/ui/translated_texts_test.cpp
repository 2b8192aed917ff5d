// Every language's own words where the game shows them: each error message
// with what it names in place, the name box and the sound note whole,
// and a help page, the one F1 opens, that names every key of the game and
// every entry of its menu as the game's translation names them.

#include "window_fixture.h"

#include "engine/game_error.h"
#include "ui/commands/game_commands.h"
#include "ui/menu/game_menu.h"
#include "ui/languages/error_texts.h"
#include "ui/pictures/jpeg_loader.h"


#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMetaEnum>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTranslator>

namespace {

QStringList Languages() { return QDir(QStringLiteral(":/languages")).entryList(QDir::Dirs); }

// One language's translation over the German one the tests start with; for
// English (no code) none at all, the German one taken out meanwhile.
class InLanguage {
public:
    explicit InLanguage(const QString& code)
    {
        if (code.isEmpty()) {
            german_ = QCoreApplication::instance()->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly);
            for (QTranslator* translator : german_)
                QCoreApplication::removeTranslator(translator);
        } else if (translation_.load(QStringLiteral(":/languages/%1/tumbaro.qm").arg(code))) {
            QCoreApplication::installTranslator(&translation_);
        }
    }
    ~InLanguage()
    {
        QCoreApplication::removeTranslator(&translation_);
        for (QTranslator* translator : german_)
            QCoreApplication::installTranslator(translator);
    }

private:
    QTranslator translation_;
    QList<QTranslator*> german_;
};

QString Read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return QString::fromUtf8(file.readAll());
}

QString Filled(QString form)
{
    // A name full of a pattern's own signs, and a reason with a ": " in it.
    return form.replace(QStringLiteral("%1"), QStringLiteral("C:\\Spiele (alt)/b1+[2].jpg"))
        .replace(QStringLiteral("%2"), QStringLiteral("Not a JPEG file: starts with 0x89 0x50"));
}

TEST(TranslatedErrors, EveryMessageIsShownInEveryLanguageWithWhatItNames)
{
    static const QRegularExpression message(QStringLiteral("<source>(.*)</source>\\s*<translation>(.*)</translation>"));
    ASSERT_GE(Languages().size(), 8);
    for (const QString& code : Languages()) {
        InLanguage language(code);
        const QString ts = Read(QStringLiteral(TUMBARO_SOURCE_DIR "/translations/tumbaro_%1.ts").arg(code));
        const QString errors = ts.section(QStringLiteral("<name>Errors</name>"), 1).section(QStringLiteral("</context>"), 0, 0);
        int forms = 0;
        for (auto it = message.globalMatch(errors); it.hasNext(); ++forms) {
            const QRegularExpressionMatch m = it.next();
            EXPECT_EQ(tumbaro::TranslatedError(Filled(m.captured(1))).toStdString(), Filled(m.captured(2)).toStdString());
        }
        EXPECT_GE(forms, 10) << code.toStdString();
    }
    // As a missing background is really reported.
    const QString before = QDir::currentPath();
    QTemporaryDir empty;
    QDir::setCurrent(empty.path());
    InLanguage language(QStringLiteral("ru"));
    try {
        tumbaro::LoadJpegFile(QStringLiteral("b1.jpg"));
        ADD_FAILURE() << "b1.jpg opened";
    } catch (const tumbaro::GameError& error) {
        EXPECT_EQ(tumbaro::TranslatedError(QString::fromUtf8(error.what())).toStdString(), "Не удаётся открыть файл b1.jpg");
    }
    QDir::setCurrent(before);
}

using TranslatedWindow = tumbaro::test::WindowTest;

// The name box's lines, its OK, and the sound note on and off, whole in every language.
TEST_F(TranslatedWindow, TheNameBoxAndTheSoundNoteAreWholeInEveryLanguage)
{
    Start();
    const auto* note = window->findChild<QLabel*>(QStringLiteral("SoundNote"));
    for (const QString& code : Languages()) {
        InLanguage language(code);
        std::string name;
        tumbaro::THScore box(name);
        for (const QLabel* label : box.findChildren<QLabel*>()) {
            const std::string what = code.toStdString() + " " + label->text().toStdString();
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width()) << what;
            EXPECT_TRUE(box.rect().contains(label->geometry())) << what;
        }
        const auto* ok = box.findChild<QPushButton*>(QStringLiteral("Button1"));
        EXPECT_LT(ok->fontMetrics().horizontalAdvance(ok->text()), ok->width() - 8) << code.toStdString();
        for (int k = 0; k < 2; ++k) {
            Key(Qt::Key_M);
            EXPECT_LE(note->fontMetrics().horizontalAdvance(note->text()), note->contentsRect().width())
                << code.toStdString() << ": " << note->text().toStdString();
        }
    }
}

// The game's key table, read from where the game keeps it.
QList<QKeySequence> GameKeys()
{
    const QString source = Read(QStringLiteral(TUMBARO_SOURCE_DIR "/ui/input/keyboard_play.cpp"));
    const QMetaEnum keys = QMetaEnum::fromType<Qt::Key>();
    QList<QKeySequence> found;
    static const QRegularExpression binding(QStringLiteral(R"(\{Qt::(Key_\w+), (true|false), Action::)"));
    for (auto it = binding.globalMatch(source); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const auto key = static_cast<Qt::Key>(keys.keyToValue(m.captured(1).toLatin1()));
        found.append(QKeySequence(QKeyCombination(m.captured(2) == u"true" ? Qt::ControlModifier : Qt::NoModifier, key)));
    }
    return found;
}

// The number of the deal on the board while the menu is read; a page may
// name the entry that shows it with any number.
constexpr tumbaro::DealNumber ShownDeal = 20261208;

// The texts of the game's menu entries under the language installed now.
QStringList MenuEntries()
{
    QWidget window;
    auto* commands = new tumbaro::GameCommands(&window);
    auto* newButton = new tumbaro::PictureControl(QStringLiteral("NEW"), {}, tumbaro::PictureControl::Plain, &window);
    auto* menu = new tumbaro::GameMenu(&window, *commands, *newButton);
    commands->ShowDeal(ShownDeal);
    QStringList entries;
    for (const QAction* entry : menu->Menu().actions())
        if (!entry->isSeparator())
            entries.append(entry->text());
    return entries;
}

TEST(HelpPages, EveryLanguageHasItsPageAndItNamesEveryKeyAndMenuEntry)
{
    const QList<QKeySequence> keys = GameKeys();
    ASSERT_GE(keys.size(), 20) << "the key table has moved";
    QStringList codes = Languages();
    codes.prepend(QString()); // English
    for (const QString& code : codes) {
        InLanguage language(code);
        const QString page = QCoreApplication::translate("HelpPage", "Help/Vendrask.html");
        const QString lang = code.isEmpty() ? QStringLiteral("en") : QString(code).replace('_', '-');
        EXPECT_EQ(page.toStdString(), QStringLiteral("Help/Vendrask%1.html").arg(code.isEmpty() ? "" : "." + code).toStdString());
        const QString text = Read(QStringLiteral(TUMBARO_SOURCE_DIR "/assets/runtime/") + page);
        EXPECT_TRUE(text.contains(QStringLiteral("<html lang=\"%1\">").arg(lang))) << page.toStdString();
        for (const QKeySequence& key : keys) {
            const QString name = key.toString(QKeySequence::NativeText);
            EXPECT_TRUE(text.contains(QStringLiteral("<kbd>%1</kbd>").arg(name.toHtmlEscaped())))
                << page.toStdString() << " never names " << name.toStdString();
        }
        QTextDocument shown;
        shown.setHtml(text);
        const QString words = shown.toPlainText();
        const QStringList entries = MenuEntries();
        EXPECT_GE(entries.size(), 20) << "the menu has moved";
        for (const QString& entry : entries) {
            QString named = QRegularExpression::escape(entry);
            named.replace(QString::number(ShownDeal), QStringLiteral("\\d+"));
            EXPECT_TRUE(words.contains(QRegularExpression(named)))
                << page.toStdString() << " never names the entry " << entry.toStdString();
        }
    }
}

} // namespace
