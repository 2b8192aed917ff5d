#include "window_fixture.h"

#include "engine/board.h"

#include <QElapsedTimer>

namespace tumbaro::test {
namespace {

using WindowPlay = WindowTest;

// 7 at (4,5) and 6 at (4,6): swapping them makes 6 6 6 in row 4.
const std::array<const char*, 8> OneMove = {"--------", "--------", "--------", "--6676--",
                                           "--------", "--------", "--------", "--------"};

TEST_F(WindowPlay, TwoClicksPlayAWholeMoveOnTheRealTimers)
{
    Start();
    SetBoard(Overlay(OneMove));
    ClickCell(45);
    EXPECT_EQ(Cell(4, 5)->Picture(), List("Sxema1Small")->Picture(7)) << "the pick shrinks";
    QElapsedTimer clock;
    clock.start();
    ClickCell(46);
    EXPECT_TRUE(Find(QStringLiteral("Image15"))->isEnabled());
    ASSERT_TRUE(WaitUntil([&] { return !Find<QTimer>("Timer2")->isActive(); }));
    EXPECT_GE(clock.elapsed(), 350) << "four swap ticks of 100 ms";
    EXPECT_EQ(ScoreText(), "15");
    ASSERT_TRUE(WaitUntil([&] { return Idle(); }));
    EXPECT_EQ(State().Score, 15);
    EXPECT_FALSE(FindLine(State().GameBoard));
    EXPECT_TRUE(BoardShown(1));
    // Undo takes it all back, the score box at once.
    ClickControl(QStringLiteral("Image15"));
    EXPECT_EQ(State().GameBoard, Overlay(OneMove));
    EXPECT_EQ(ScoreText(), "0");
    EXPECT_TRUE(BoardShown(1));
    EXPECT_FALSE(Find(QStringLiteral("Image15"))->isEnabled());
    EXPECT_EQ(Find(QStringLiteral("Image15"))->Picture(), List("ImageList2")->Picture(2));
}

TEST_F(WindowPlay, ButtonsShowPressedAndReleasedLooks)
{
    Start();
    const auto* looks = List("ImageList2");
    const Matrix board = State().GameBoard;
    const std::pair<const char*, int> pressedLooks[] = {{"Image16", 1}, {"Exit", 5}, {"Help", 7}};
    for (const auto& [button, pressed] : pressedLooks) {
        const QPoint centre = Find<QWidget>(button)->geometry().center();
        QTest::mousePress(window->windowHandle(), Qt::RightButton, {}, centre);
        EXPECT_EQ(Find(QString::fromLatin1(button))->Picture(), looks->Picture(pressed)) << button;
        QTest::mouseRelease(window->windowHandle(), Qt::RightButton, {}, centre);
    }
    EXPECT_TRUE(window->isVisible()) << "a right click on exit is no click";
    EXPECT_EQ(State().GameBoard, board) << "a right click on NEW deals nothing";
    EXPECT_EQ(Find(QStringLiteral("Help"))->Picture(), looks->Picture(6)) << "help's release look";
    ClickControl(QStringLiteral("Image16"));
    EXPECT_EQ(Find(QStringLiteral("Image16"))->Picture(), looks->Picture(0));
    EXPECT_NE(State().GameBoard, board) << "a left click on NEW deals";
    EXPECT_TRUE(BoardShown(1));
}

} // namespace
} // namespace tumbaro::test
