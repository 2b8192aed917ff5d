// What a screen reader is told: a name for every control, the cells by place
// and ball, focus following the keyboard cursor, the pick as the selection,
// and every move and command said once in words.

#include "window_fixture.h"

#include "engine/board.h"
#include "ui/accessibility/accessibility.h"
#include "ui/accessibility/announcer.h"
#include "ui/accessibility/ball_names.h"

#include <QAccessible>
#include <QFocusEvent>

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

    Matrix board = OneMove;
    board[CellIndex(3, 5)] = 7;
    SetBoard(board);
    QObject* cell = Cell(3, 5);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(cell);
    EXPECT_EQ(Name(cell), "Row 3, column 5: pink sphere");
    EXPECT_FALSE(iface->state().selected);
    ClickCell(35);
    EXPECT_EQ(Name(cell), "Row 3, column 5: pink sphere, picked");
    EXPECT_TRUE(iface->state().selectable && iface->state().selected);
    ClickCell(35);
    EXPECT_FALSE(iface->state().selected);
    window->Board().ClearCell(3, 5);
    EXPECT_EQ(Name(cell), "Row 3, column 5: empty");
}

TEST_F(Accessibility, TheCursorMovesTheFocusAndThePickIsTheSelection)
{
    Start();
    // Qt passes events on only while a screen reader listens, which an
    // offscreen test can't arrange; it hears what the window announces.
    std::vector<QObject*> focused;
    std::vector<QString> descriptions, selection;
    window->findChild<BoardAccessibility*>()->SetEventSink([&](QAccessibleEvent* event) {
        if (event->type() == QAccessible::Focus) {
            focused.push_back(event->object());
            descriptions.push_back(event->accessibleInterface()->text(QAccessible::Description));
            EXPECT_TRUE(event->accessibleInterface()->state().focused);
        }
        if (event->type() == QAccessible::SelectionAdd || event->type() == QAccessible::SelectionRemove)
            selection.push_back((event->type() == QAccessible::SelectionAdd ? "+" : "-") + event->object()->objectName());
    });
    for (const int key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down})
        Key(key);
    EXPECT_EQ(focused, (std::vector<QObject*>{Cell(1, 1), Cell(1, 2), Cell(2, 2)}));
    // How to play is read at the first step only; later steps read the name alone.
    EXPECT_FALSE(descriptions[0].isEmpty());
    EXPECT_EQ(descriptions[1], "");
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(Cell(1, 1))->state().focused);
    // The window given the keyboard back, after a dialog: the reader is put
    // back on the cursor's cell, after the control Qt focuses.
    QFocusEvent back(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(window->windowHandle(), &back);
    QCoreApplication::processEvents();
    EXPECT_EQ(focused.back(), Cell(2, 2));
    EXPECT_EQ(focused.size(), 4u);
    PlayOneMove();
    // The pick of each click is told as the cell's selection, let go at the second.
    EXPECT_EQ(selection, (std::vector<QString>{"+Ball45", "-Ball45"}));
}

TEST_F(Accessibility, EveryMoveAndCommandIsSaidOnceInASentence)
{
    Start();
    auto* announcer = window->findChild<Announcer*>();
    QStringList said;
    std::vector<QAccessibleInterface*> shown;
    QObject::connect(announcer, &Announcer::Said, [&](const QString& text) { said << text; });
    announcer->SetEventSink([&](QAccessibleEvent* event) {
        if (event->type() == QAccessible::ObjectShow)
            shown.push_back(event->accessibleInterface());
    });
    auto take = [&] { return std::exchange(said, {}); };

    SetBoard(OneMove);
    ClickCell(45);
    ClickCell(47);
    ClickCell(11);
    ClickCell(12);
    EXPECT_EQ(take(), (QStringList{"Not neighbours, not swapped.", "No line, not swapped."}));
    // Said as a notification in a status bar: read out as its text alone.
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1]->role(), QAccessible::Notification);
    EXPECT_EQ(shown[1]->text(QAccessible::Name), "No line, not swapped.");
    EXPECT_EQ(shown[1]->parent()->role(), QAccessible::StatusBar);

    // The cursor on the cell the swap will change: the report ends with it.
    for (const int key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Right,
                          Qt::Key_Right, Qt::Key_Right})
        Key(key);
    ClickCell(45);
    ClickCell(46);
    while (window->GameLogic().Tick()) {
    }
    const QString report = take().join('|');
    const QString green = BallName(1, 6);
    EXPECT_TRUE(report.startsWith("Line of three: " + green + ", 15 points. ")) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("Score %1. ").arg(State().Score))) << report.toStdString();
    EXPECT_TRUE(report.endsWith(QStringLiteral("Row 4, column 5: %1.").arg(BallName(1, State().GameBoard[CellIndex(4, 5)]))))
        << report.toStdString();

    Key(Qt::Key_U);
    EXPECT_EQ(take(), QStringList{"Move taken back. Score 0. Row 4, column 5: " + BallName(1, 7) + "."});
    Key(Qt::Key_H);
    const auto move = FirstMove(State().GameBoard);
    ASSERT_TRUE(move);
    auto cell = [&](int i) { return Name(Cell(i / 8 + 1, i % 8 + 1)); };
    EXPECT_EQ(take(), QStringList{"Hint: swap " + cell(move->First) + " with " + cell(move->Second) + "."});
}

} // namespace
} // namespace tumbaro::test
