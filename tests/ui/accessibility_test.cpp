// What a screen reader is told: a name for every control, the cells by place
// and ball, focus following the keyboard cursor, and the score announced.

#include "window_fixture.h"

#include "ui/accessibility/accessibility.h"

#include <QAccessible>

namespace tumbaro::test {
namespace {

using Accessibility = WindowTest;

QString Name(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QStringLiteral("(no interface)");
}

TEST_F(Accessibility, EveryControlAndCellHasAName)
{
    Start();
    for (QWidget* control : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (control->isVisible() && !control->objectName().isEmpty()) {
            EXPECT_FALSE(Name(control).isEmpty()) << control->objectName().toStdString();
        }
    }
    EXPECT_EQ(Name(Find<QWidget>("Image15")), "Undo your previous move");

    Matrix board = OneMove;
    board[CellIndex(3, 5)] = 7;
    SetBoard(board);
    QObject* cell = Cell(3, 5);
    EXPECT_EQ(Name(cell), "Row 3, column 5: pink sphere");
    ClickCell(35);
    EXPECT_EQ(Name(cell), "Row 3, column 5: pink sphere, picked");
    ClickCell(35);
    window->ClearCell(3, 5);
    EXPECT_EQ(Name(cell), "Row 3, column 5: empty");
}

TEST_F(Accessibility, TheCursorMovesTheFocusAndTheScoreIsAnnounced)
{
    Start();
    // Qt passes events on only while a screen reader listens, which an
    // offscreen test can't arrange; it hears what the window announces.
    std::vector<QObject*> focused;
    std::vector<int> values;
    window->findChild<BoardAccessibility*>()->SetAnnouncer([&](QAccessibleEvent* event) {
        if (event->type() == QAccessible::Focus)
            focused.push_back(event->object());
        if (event->type() == QAccessible::ValueChanged && event->object() == Find<QWidget>("Memo1"))
            values.push_back(static_cast<QAccessibleValueChangeEvent*>(event)->value().toInt());
    });
    for (const int key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down})
        Key(key);
    EXPECT_EQ(focused, (std::vector<QObject*>{Cell(1, 1), Cell(1, 2), Cell(2, 2)}));
    PlayOneMove();
    EXPECT_EQ(values, std::vector<int>{15});
}

} // namespace
} // namespace tumbaro::test
