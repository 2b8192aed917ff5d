// The window under a German desktop: no hint, control name or description
// or note is left in English, the cells are read in German, Qt's
// own words in the game's windows follow.

#include "window_fixture.h"

#include "ui/commands/game_commands.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QXmlStreamReader>

namespace tumbaro::test {
namespace {

using GermanWindow = WindowTest;

// Each English text that the German translation changes.
QSet<QString> TranslatedEnglish()
{
    QFile file(QStringLiteral(TUMBARO_SOURCE_DIR "/translations/tumbaro_de.ts"));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read the German translation");
    QSet<QString> texts;
    QString source;
    for (QXmlStreamReader xml(&file); !xml.atEnd();) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.name() == u"translation" && xml.readElementText() != source)
            texts.insert(source);
    }
    return texts;
}

// What a player reads or a screen reader says of every control, the window
// and the commands, each with where it comes from.
QList<QPair<QString, QString>> EverythingSaid(QWidget& window)
{
    QList<QPair<QString, QString>> said;
    const auto add = [&](const QString& where, const QString& text) {
        if (!text.isEmpty())
            said.append({where, text});
    };
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (QWidget* widget : widgets) {
        const QString name = widget->objectName();
        add(name + " hint", widget->toolTip());
        if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget)) {
            add(name + " name", iface->text(QAccessible::Name));
            add(name + " description", iface->text(QAccessible::Description));
        }
        if (auto* label = qobject_cast<QLabel*>(widget))
            add(name + " text", label->text());
    }
    for (QAction* action : window.findChild<GameCommands*>()->findChildren<QAction*>())
        add(action->objectName() + " command", action->text());
    return said;
}

TEST_F(GermanWindow, SaysNothingInEnglish)
{
    Start();
    Key(Qt::Key_M); // the sound note
    const QSet<QString> english = TranslatedEnglish();
    ASSERT_GT(english.size(), 50);
    const auto said = EverythingSaid(*window);
    ASSERT_GT(said.size(), 100);
    for (const auto& [where, text] : said)
        EXPECT_FALSE(english.contains(text)) << where.toStdString() << " is still " << text.toStdString();

    EXPECT_EQ(Find<QWidget>("Image15")->toolTip(), "Deinen letzten Zug zurücknehmen");
    SetBoard(OneMove);
    QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(Cell(4, 5));
    EXPECT_EQ(cell->text(QAccessible::Name), "Zeile 4, Spalte 5: rosa Kugel");
    EXPECT_EQ(cell->actionInterface()->localizedActionName(QAccessibleActionInterface::pressAction()), "Drücken");
}

TEST(GermanQtWords, TheNameBoxMenuIsGerman)
{
    const QSet<QString> english = TranslatedEnglish();
    QLineEdit edit(QStringLiteral("Name"));
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList entries;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            entries.append(action->text());
    ASSERT_GE(entries.size(), 7);
    for (const QString& entry : entries) {
        const QStringList parts = entry.split('\t');
        EXPECT_FALSE(english.contains(parts[0])) << entry.toStdString();
        EXPECT_FALSE(entry.contains("Ctrl") || entry.contains("Shift")) << entry.toStdString();
    }
    EXPECT_TRUE(entries.contains("&Kopieren\tStrg+C")) << entries.join(", ").toStdString();
}

} // namespace
} // namespace tumbaro::test
