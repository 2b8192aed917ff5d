// What a screen reader is told: a name for every control, the cells by place
// and ball, and every move and command said once in words. Focus following
// the cursor and the pick as the selection are heard by a real reader.

#include "window_fixture.h"

#include "ui/accessibility/announcer.h"
#include "ui/accessibility/ball_names.h"

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
    for (QWidget* control : window->findChild<QWidget*>(QStringLiteral("Stage"))->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(!control->isVisible() || control->objectName().isEmpty() || !Name(control).isEmpty())
            << control->objectName().toStdString();

    SetBoard(OneMove);
    QObject* cell = Cell(4, 5);
    EXPECT_EQ(Name(cell), "Row 4, column 5: pink sphere");
    ClickCell(45);
    EXPECT_EQ(Name(cell), "Row 4, column 5: pink sphere, picked");
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(cell)->state().selected);
    window->Board().ClearCell(4, 5);
    EXPECT_EQ(Name(cell), "Row 4, column 5: empty");
}

TEST_F(Accessibility, EveryMoveAndCommandIsSaidOnceInASentence)
{
    Start();
    auto* announcer = window->findChild<Announcer*>();
    QStringList said;
    QObject::connect(announcer, &Announcer::Said, [&](const QString& text) { said << text; });
    auto take = [&] { return std::exchange(said, {}); };

    SetBoard(OneMove);
    ClickCell(45);
    ClickCell(47);
    ClickCell(11);
    ClickCell(12);
    EXPECT_EQ(take(), (QStringList{"Not neighbours, not swapped.", "No line, not swapped."}));

    // The cursor on the cell the swap will change: the report (its lines and
    // score are heard by a real reader) ends with it.
    for (const int key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Right,
                          Qt::Key_Right, Qt::Key_Right})
        Key(key);
    ClickCell(45);
    ClickCell(46);
    Settle();
    const QString report = take().join('|');
    EXPECT_TRUE(report.endsWith(QStringLiteral("Row 4, column 5: %1.").arg(BallName(1, State().GameBoard[CellIndex(4, 5)]))))
        << report.toStdString();

    Key(Qt::Key_U);
    EXPECT_EQ(take(), QStringList{"Move taken back. Score 0. Row 4, column 5: " + BallName(1, 7) + "."});
    Key(Qt::Key_H);
    EXPECT_EQ(take(), QStringList{"Hint: swap " + Name(Cell(4, 5)) + " with " + Name(Cell(4, 6)) + "."});
}

} // namespace
} // namespace tumbaro::test
