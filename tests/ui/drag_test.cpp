// Swapping by dragging a ball onto its neighbour: the move is made as the
// pointer crosses, exactly as two clicks would make it; a press and release
// on one ball stays a click, and a drag that goes nowhere leaves the ball
// picked.

#include "window_fixture.h"

namespace tumbaro::test {
namespace {

class Drag : public WindowTest {
protected:
    QPoint Centre(int cell) const { return CellPosition(cell / 10, cell % 10) + QPoint(25, 25); }
    // Presses on `from`, moves in `steps` even steps to `to`, and releases
    // there unless told not to.
    void DragBall(int from, QPoint to, bool release = true, int steps = 8)
    {
        QWindow* handle = window->windowHandle();
        const QPoint start = Centre(from);
        QTest::mousePress(handle, Qt::LeftButton, {}, start);
        for (int step = 1; step <= steps; ++step)
            QTest::mouseMove(handle, start + (to - start) * step / steps);
        if (release)
            QTest::mouseRelease(handle, Qt::LeftButton, {}, to);
    }
    void Settle()
    {
        while (window->GameLogic().Tick()) {
        }
    }
    bool Picked(int cell) { return Cell(cell / 10, cell % 10)->Picture() == List("Sxema1Small")->Picture(State().GameBoard[CellIndex(cell / 10, cell % 10)]); }
};

TEST_F(Drag, ABallDraggedOntoItsNeighbourSwapsAsTwoClicksWould)
{
    Start();
    PlayOneMove();
    const Matrix byClicks = State().GameBoard;
    const std::int32_t score = State().Score;

    window->GameLogic().Seed(1);
    SetBoard(OneMove);
    // Just past the middle of the gap between the two cells the move is made,
    // before the button is let go.
    DragBall(45, Centre(45) + QPoint(27, 0), false);
    EXPECT_TRUE(window->GameLogic().Animating()) << "the swap runs as the pointer crosses";
    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, Centre(45) + QPoint(27, 0));
    Settle();
    EXPECT_EQ(State().GameBoard, byClicks);
    EXPECT_EQ(State().Score, score);
    EXPECT_TRUE(Find(QStringLiteral("Image15"))->isEnabled()) << "and it can be undone";
    EXPECT_FALSE(State().Picked) << "the release picked nothing";

    // A pair that makes no line is refused and leaves nothing picked.
    SetBoard(OneMove);
    DragBall(44, Centre(34));
    EXPECT_FALSE(window->GameLogic().Animating());
    EXPECT_EQ(State().GameBoard, OneMove);
    EXPECT_FALSE(State().Picked);

    // A drag from another ball than the one picked moves the dragged one.
    window->GameLogic().Seed(1);
    SetBoard(OneMove);
    ClickCell(11);
    DragBall(46, Centre(45));
    EXPECT_TRUE(window->GameLogic().Animating());
    EXPECT_FALSE(Picked(11));
    Settle();
    EXPECT_EQ(State().GameBoard, byClicks);
}

// A finger on a touchscreen reaches the board as the mouse does: Qt turns
// the touch into a press, motion and release, and nothing in the window takes
// the touch for itself.
TEST_F(Drag, AFingerTapsAndDragsAsTheMouseDoes)
{
    Start();
    const std::unique_ptr<QPointingDevice> device(QTest::createTouchDevice());
    QPointingDevice* screen = device.get();
    QWindow* handle = window->windowHandle();
    SetBoard(OneMove);
    QTest::touchEvent(handle, screen).press(0, Centre(45));
    QTest::touchEvent(handle, screen).release(0, Centre(45));
    EXPECT_TRUE(Picked(45)) << "a tap picks";
    QTest::touchEvent(handle, screen).press(0, Centre(45));
    QTest::touchEvent(handle, screen).release(0, Centre(45));
    SetBoard(OneMove);
    QTest::touchEvent(handle, screen).press(0, Centre(45));
    for (int step = 1; step <= 8; ++step)
        QTest::touchEvent(handle, screen).move(0, Centre(45) + QPoint(52 * step / 8, 0));
    EXPECT_TRUE(window->GameLogic().Animating()) << "a finger's drag swaps";
    QTest::touchEvent(handle, screen).release(0, Centre(46));
}

TEST_F(Drag, APressAndReleaseStaysAClickAndADragToNowhereLeavesTheBallPicked)
{
    Start();
    SetBoard(OneMove);
    DragBall(45, Centre(45) + QPoint(10, 10)); // a shaky click
    EXPECT_TRUE(Picked(45));
    ClickCell(45);
    EXPECT_FALSE(State().Picked) << "a click on the picked ball drops it, as always";

    // Diagonally, in one flick two cells on, and straight off the board.
    const struct { int from; QPoint to; int steps; } nowhere[] = {{45, Centre(56), 8}, {45, Centre(47), 1}, {41, QPoint(20, 200), 8}};
    for (const auto& drag : nowhere) {
        SetBoard(OneMove);
        DragBall(drag.from, drag.to, true, drag.steps);
        EXPECT_TRUE(Picked(drag.from)) << drag.to.x() << "," << drag.to.y();
        EXPECT_FALSE(window->GameLogic().Animating());
        ClickCell(drag.from);
    }

    // While a move plays out a drag does nothing, and afterwards clicks play as ever.
    ClickCell(45);
    ClickCell(46);
    ASSERT_TRUE(window->GameLogic().Animating());
    const Matrix during = State().GameBoard;
    DragBall(11, Centre(12));
    Settle();
    EXPECT_FALSE(State().Picked);
    EXPECT_NE(State().GameBoard, during);
    SetBoard(OneMove);
    ClickCell(45);
    ClickCell(46);
    EXPECT_TRUE(window->GameLogic().Animating());
}

} // namespace
} // namespace tumbaro::test
