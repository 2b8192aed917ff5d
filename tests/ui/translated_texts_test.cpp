// Every language's own words where the game shows them: each error message
// with what it names in place, the name box and the sound note whole, a help
// page, the one F1 opens, that names every key of the game and every entry of
// its menu as the game's translation names them; and the window under a
// German desktop, where no hint, control name, description or note is left
// in English and the cells are read in German, down to Qt's word for pressing.

#include "window_fixture.h"

#include "engine/game_error.h"
#include "ui/commands/game_commands.h"
#include "ui/menu/game_menu.h"
#include "ui/languages/error_texts.h"
#include "ui/pictures/jpeg_loader.h"

#include <QAccessible>
#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMetaEnum>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTranslator>
#include <QXmlStreamReader>

namespace tumbaro::test {
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
    QFile file(path); // a file not read fails its test as an empty one
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The messages of a language's translation file: context, source, translation.
struct Message {
    QString context, source, translation;
};
QList<Message> Messages(const QString& code)
{
    QList<Message> found;
    QString context;
    for (QXmlStreamReader xml(Read(QStringLiteral(TUMBARO_SOURCE_DIR "/translations/tumbaro_%1.ts").arg(code)));
         !xml.atEnd();) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source")
            found.append({context, xml.readElementText(), {}});
        else if (xml.name() == u"translation")
            found.back().translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    return found;
}

QString Filled(QString form)
{
    // A name full of a pattern's own signs, and a reason with a ": " in it.
    return form.replace(QStringLiteral("%1"), QStringLiteral("C:\\Spiele (alt)/b1+[2].jpg"))
        .replace(QStringLiteral("%2"), QStringLiteral("Not a JPEG file: starts with 0x89 0x50"));
}

TEST(TranslatedErrors, EveryMessageIsShownInEveryLanguageWithWhatItNames)
{
    ASSERT_GE(Languages().size(), 8);
    for (const QString& code : Languages()) {
        InLanguage language(code);
        int forms = 0;
        for (const Message& m : Messages(code)) {
            if (m.context != u"Errors")
                continue;
            ++forms;
            EXPECT_EQ(TranslatedError(Filled(m.source)).toStdString(), Filled(m.translation).toStdString());
        }
        EXPECT_GE(forms, 10) << code.toStdString();
    }
    // As a missing background is really reported.
    const QString before = QDir::currentPath();
    QTemporaryDir empty;
    QDir::setCurrent(empty.path());
    InLanguage language(QStringLiteral("ru"));
    try {
        LoadJpegFile(QStringLiteral("b1.jpg"));
        ADD_FAILURE() << "b1.jpg opened";
    } catch (const GameError& error) {
        EXPECT_EQ(TranslatedError(QString::fromUtf8(error.what())).toStdString(), "Не удаётся открыть файл b1.jpg");
    }
    QDir::setCurrent(before);
}

using TranslatedWindow = WindowTest;

// The name box's lines, its OK, and the sound note on and off, whole in every language.
TEST_F(TranslatedWindow, TheNameBoxAndTheSoundNoteAreWholeInEveryLanguage)
{
    Start();
    const auto* note = window->findChild<QLabel*>(QStringLiteral("SoundNote"));
    for (const QString& code : Languages()) {
        InLanguage language(code);
        std::string name;
        THScore box(name);
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

// Under the German desktop the tests start with: every text a player reads or
// a screen reader says of the window, its controls and its commands.
TEST_F(TranslatedWindow, TheGermanWindowSaysNothingInEnglish)
{
    Start();
    Key(Qt::Key_M); // the sound note
    QSet<QString> english;
    for (const Message& m : Messages(QStringLiteral("de")))
        if (m.translation != m.source)
            english.insert(m.source);
    ASSERT_GT(english.size(), 50);
    int said = 0;
    const auto check = [&](const QString& where, const QString& text) {
        said += !text.isEmpty();
        EXPECT_FALSE(!text.isEmpty() && english.contains(text)) << where.toStdString() << " is still " << text.toStdString();
    };
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window.get());
    for (QWidget* widget : widgets) {
        const QString name = widget->objectName();
        check(name + " hint", widget->toolTip());
        if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget)) {
            check(name + " name", iface->text(QAccessible::Name));
            check(name + " description", iface->text(QAccessible::Description));
        }
        if (auto* label = qobject_cast<QLabel*>(widget))
            check(name + " text", label->text());
    }
    for (QAction* action : window->findChild<GameCommands*>()->findChildren<QAction*>())
        check(action->objectName() + " command", action->text());
    ASSERT_GT(said, 100);

    SetBoard(OneMove);
    QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(Cell(4, 5));
    EXPECT_EQ(cell->text(QAccessible::Name), "Zeile 4, Spalte 5: rosa Kugel");
    EXPECT_EQ(cell->actionInterface()->localizedActionName(QAccessibleActionInterface::pressAction()), "Drücken");
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
constexpr DealNumber ShownDeal = 20261208;

// The texts of the game's menu entries under the language installed now.
QStringList MenuEntries()
{
    QWidget window;
    auto* commands = new GameCommands(&window);
    auto* newButton = new PictureControl(QStringLiteral("NEW"), {}, PictureControl::Plain, &window);
    auto* menu = new GameMenu(&window, *commands, *newButton);
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
} // namespace tumbaro::test
