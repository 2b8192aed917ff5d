#include "window_fixture.h"

namespace tumbaro::test {
namespace {

using WindowLayout = WindowTest;

// Clicks are routed by position, as a player's are, so these find what lies
// above what.
TEST_F(WindowLayout, EveryCellTakesTheClicksOnItsOwnPlace)
{
    Start();
    const PictureList* small = List(QStringLiteral("Sxema1Small"));
    for (int row = 1; row <= 8; ++row)
        for (int column = 1; column <= 8; ++column) {
            ClickCell(row * 10 + column);
            EXPECT_EQ(Cell(row, column)->Picture(), small->Picture(State().GameBoard[CellIndex(row, column)]))
                << "cell " << row << column << " not picked";
            ClickCell(row * 10 + column); // the same cell again drops the pick
        }
    EXPECT_TRUE(BoardShown(1));
}

TEST_F(WindowLayout, APressOnTheDisabledUndoButtonReachesTheBackground)
{
    Start();
    auto* undo = Find(QStringLiteral("Image15"));
    const QImage look = undo->Picture();
    ASSERT_FALSE(undo->isEnabled());
    ClickControl(QStringLiteral("Image15"), Qt::RightButton);
    EXPECT_TRUE(WaitUntil([&] { return window->isMinimized(); })) << "a right press on the background minimises";
    EXPECT_EQ(undo->Picture(), look) << "the disabled button changed its look";
}

} // namespace
} // namespace tumbaro::test
