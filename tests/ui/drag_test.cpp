// Swapping by dragging a ball onto its neighbour: the move is made as the
// pointer crosses, exactly as two clicks would make it; a press and release
// on one ball stays a click, and a drag that goes nowhere leaves the ball
// picked. A finger does the same, and held on NEW opens the menu.

#include "window_fixture.h"

#include "ui/menu/game_menu.h"

#include <QMenu>

namespace tumbaro::test {
namespace {

class Drag : public WindowTest {
protected:
    QPoint Centre(int cell) const { return CellPosition(cell / 10, cell % 10) + QPoint(25, 25); }
    // Presses on `from`, moves in `steps` even steps to `to`, and releases
    // there unless told not to.
    void DragBall(int from, QPoint to, int steps = 8, bool release = true)
    {
        QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, Centre(from));
        for (int step = 1; step <= steps; ++step)
            QTest::mouseMove(window->windowHandle(), Centre(from) + (to - Centre(from)) * step / steps);
        if (release)
            QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, to);
    }
    bool Picked(int cell) { return Cell(cell / 10, cell % 10)->Picture() == List("Sxema1Small")->Picture(State().GameBoard[CellIndex(cell / 10, cell % 10)]); }
};

TEST_F(Drag, ABallDraggedOntoItsNeighbourSwapsAsTwoClicksWould)
{
    Start();
    PlayOneMove();
    const Matrix byClicks = State().GameBoard;
    const std::int32_t score = State().Score;
    // Just past the middle of the gap between the two cells the move is made;
    // a drag from another ball than the one picked moves the dragged one.
    for (const int picked : {0, 11}) {
        window->GameLogic().Seed(1);
        SetBoard(OneMove);
        if (picked)
            ClickCell(picked);
        const int from = picked ? 46 : 45;
        DragBall(from, Centre(from) + QPoint(picked ? -27 : 27, 0), 8, false);
        EXPECT_TRUE(Animating()) << "the swap runs as the pointer crosses, before the release";
        QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, Centre(from) + QPoint(picked ? -27 : 27, 0));
        Settle();
        EXPECT_EQ(State().GameBoard, byClicks) << picked;
        EXPECT_EQ(State().Score, score);
        EXPECT_FALSE(State().Picked) << "the release picked nothing";
    }

    // A finger's tap picks, and its drag swaps.
    const std::unique_ptr<QPointingDevice> finger(QTest::createTouchDevice());
    QWindow* handle = window->windowHandle();
    SetBoard(OneMove);
    QTest::touchEvent(handle, finger.get()).press(0, Centre(45));
    QTest::touchEvent(handle, finger.get()).release(0, Centre(45));
    EXPECT_TRUE(Picked(45)) << "a tap picks";
    QTest::touchEvent(handle, finger.get()).press(0, Centre(45));
    QTest::touchEvent(handle, finger.get()).release(0, Centre(45));
    QTest::touchEvent(handle, finger.get()).press(0, Centre(45));
    for (int step = 1; step <= 8; ++step)
        QTest::touchEvent(handle, finger.get()).move(0, Centre(45) + QPoint(52 * step / 8, 0));
    EXPECT_TRUE(Animating()) << "a finger's drag swaps";
    QTest::touchEvent(handle, finger.get()).release(0, Centre(46));
    Settle();

    // Held on NEW, a finger opens the menu, and lifted leaves it open.
    const Matrix board = State().GameBoard;
    const QPoint newButton = Find(QStringLiteral("Image16"))->geometry().center();
    QTest::touchEvent(handle, finger.get()).press(0, newButton);
    EXPECT_TRUE(WaitUntil([&] { return window->Menu().Menu().isVisible(); }));
    QTest::touchEvent(handle, finger.get()).release(0, newButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(State().GameBoard, board);
    EXPECT_TRUE(window->Menu().Menu().isVisible());
}

TEST_F(Drag, APressAndReleaseStaysAClickAndADragToNowhereLeavesTheBallPicked)
{
    Start();
    // A shaky click, a pair that makes no line, diagonally, in one flick two
    // cells on, and straight off the board.
    const struct { int from; QPoint to; int steps; bool picked; } nowhere[] = {{45, Centre(45) + QPoint(10, 10), 8, true},
        {44, Centre(34), 8, false}, {45, Centre(56), 8, true}, {45, Centre(47), 1, true}, {41, QPoint(20, 200), 8, true}};
    for (const auto& drag : nowhere) {
        SetBoard(OneMove);
        DragBall(drag.from, drag.to, drag.steps);
        EXPECT_EQ(Picked(drag.from), drag.picked) << drag.to.x() << "," << drag.to.y();
        EXPECT_FALSE(Animating());
        EXPECT_EQ(State().GameBoard, OneMove);
        if (drag.picked)
            ClickCell(drag.from);
        EXPECT_FALSE(State().Picked) << "a click on the picked ball drops it, as always";
    }
}

} // namespace
} // namespace tumbaro::test
