// What a screen reader is told: names and descriptions of every control, the
// cells by place and ball, focus following the keyboard cursor, and the
// score announced as a value change.

#include "window_fixture.h"

#include "ui/accessibility.h"
#include "ui/ball_names.h"

#include <QAccessible>
#include <QSet>

namespace tumbaro::test {
namespace {

const std::array<const char*, 8> OneMove = {"--------", "--------", "--------", "--6676--",
                                           "--------", "--------", "--------", "--------"};

using Accessibility = WindowTest;

QString Text(QObject* object, QAccessible::Text t)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(t) : QStringLiteral("(no interface)");
}

TEST_F(Accessibility, EveryControlHasANameAndADescription)
{
    Start();
    for (QWidget* control : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!control->isVisible() || control->objectName().isEmpty())
            continue;
        EXPECT_FALSE(Text(control, QAccessible::Name).isEmpty()) << control->objectName().toStdString();
        EXPECT_FALSE(Text(control, QAccessible::Description).isEmpty()) << control->objectName().toStdString();
    }
    EXPECT_FALSE(Text(window.get(), QAccessible::Description).isEmpty());

    struct Case {
        const char* control;
        const char* name;
        QAccessible::Role role;
    };
    const Case cases[] = {
        {"Exit", "Exit Game", QAccessible::Button},
        {"Help", "Help", QAccessible::Button},
        {"Image11", "Scheme 1", QAccessible::Button},
        {"Image12", "Scheme 2", QAccessible::Button},
        {"Image13", "Scheme 3", QAccessible::Button},
        {"Image15", "Undo your previous move", QAccessible::Button},
        {"Image16", "New Game", QAccessible::Button},
        {"Memo1", "Your Score", QAccessible::EditableText},
        {"ListBox1", "High-score names", QAccessible::List},
        {"ListBox2", "High scores", QAccessible::List},
        {"Image10", "High Score", QAccessible::Graphic},
    };
    for (const Case& c : cases) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(Find<QWidget>(c.control));
        ASSERT_TRUE(iface) << c.control;
        EXPECT_EQ(iface->text(QAccessible::Name), c.name) << c.control;
        EXPECT_EQ(iface->role(), c.role) << c.control;
    }
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(Find<QWidget>("Image15"))->state().disabled);

    // The score box reads its number; the lists read the table line by line.
    window->ShowScore(345);
    QAccessibleInterface* memo = QAccessible::queryAccessibleInterface(Find<QWidget>("Memo1"));
    ASSERT_TRUE(memo->textInterface());
    EXPECT_EQ(memo->textInterface()->text(0, memo->textInterface()->characterCount()), "345");
    for (const char* list : {"ListBox1", "ListBox2"}) {
        auto* box = Find<QListWidget>(list);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
        ASSERT_EQ(iface->childCount(), box->count()) << list;
        EXPECT_EQ(iface->child(0)->text(QAccessible::Name), box->item(0)->text()) << list;
    }
}

TEST_F(Accessibility, CellsAreReadAsTheirPlaceAndTheBallTheyShow)
{
    Start();
    Matrix board = Overlay(OneMove);
    board[CellIndex(3, 5)] = 7;
    SetBoard(board);
    QObject* cell = Cell(3, 5);
    EXPECT_EQ(Text(cell, QAccessible::Name), "Row 3, column 5: pink sphere");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(cell)->role(), QAccessible::Button);
    ClickCell(35);
    EXPECT_EQ(Text(cell, QAccessible::Name), "Row 3, column 5: pink sphere, picked");
    ClickCell(35);
    QTest::keyClick(window->windowHandle(), Qt::Key_2);
    EXPECT_EQ(Text(cell, QAccessible::Name), "Row 3, column 5: " + BallName(2, 7));
    window->ClearCell(3, 5);
    EXPECT_EQ(Text(cell, QAccessible::Name), "Row 3, column 5: empty");

    // Every design has a name of its own within its scheme.
    for (int scheme = 1; scheme <= 3; ++scheme) {
        QSet<QString> names;
        for (int colour = 0; colour < 8; ++colour)
            names.insert(BallName(scheme, colour));
        EXPECT_EQ(names.size(), 8) << "scheme " << scheme;
        EXPECT_FALSE(names.contains(QString()));
    }
}

TEST_F(Accessibility, TheCursorMovesTheFocusAndTheScoreIsAnnounced)
{
    Start();
    SetBoard(Overlay(OneMove));
    // Qt passes events on only while a screen reader listens, which an
    // offscreen test can't arrange; it hears what the window announces.
    std::vector<QObject*> focused;
    std::vector<int> values;
    window->findChild<BoardAccessibility*>()->SetAnnouncer([&](QAccessibleEvent* event) {
        if (event->type() == QAccessible::Focus)
            focused.push_back(event->object());
        if (event->type() == QAccessible::ValueChanged) {
            EXPECT_EQ(event->object(), Find<QWidget>("Memo1"));
            values.push_back(static_cast<QAccessibleValueChangeEvent*>(event)->value().toInt());
        }
    });
    for (const int key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down})
        QTest::keyClick(window->windowHandle(), static_cast<Qt::Key>(key));
    EXPECT_EQ(focused, (std::vector<QObject*>{Cell(1, 1), Cell(1, 2), Cell(2, 2)}));
    EXPECT_EQ(Text(focused.back(), QAccessible::Name).left(17), "Row 2, column 2: ");

    ClickCell(45);
    ClickCell(46);
    while (window->GameLogic().Tick()) {
    }
    EXPECT_EQ(values, std::vector<int>{15});
}

} // namespace
} // namespace tumbaro::test
