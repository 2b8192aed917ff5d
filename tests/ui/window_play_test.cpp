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
    struct Case {
        const char* button;
        int pressed;
    };
    for (const Case& c : {Case{"Image16", 1}, Case{"Exit", 5}, Case{"Help", 7}}) {
        QTest::mousePress(window->windowHandle(), Qt::RightButton, {}, Find<QWidget>(c.button)->geometry().center());
        const QImage expected = c.pressed == 1 ? looks->Picture(1) : looks->Picture(c.pressed);
        EXPECT_EQ(Find(QString::fromLatin1(c.button))->Picture(), expected) << c.button;
        QTest::mouseRelease(window->windowHandle(), Qt::RightButton, {}, Find<QWidget>(c.button)->geometry().center());
    }
    EXPECT_TRUE(window->isVisible()) << "a right click on exit is no click";
    EXPECT_EQ(Find(QStringLiteral("Help"))->Picture(), looks->Picture(6)) << "help's release look";
    const Matrix board = State().GameBoard;
    EXPECT_EQ(State().GameBoard, board) << "a right click on NEW deals nothing";
    ClickControl(QStringLiteral("Image16"));
    EXPECT_EQ(Find(QStringLiteral("Image16"))->Picture(), looks->Picture(0));
}

TEST_F(WindowPlay, TheLastMoveEndsInTheQuestion)
{
    Start();
    // A settled board with no move left: the fall ends the game.
    const Matrix stuck = Overlay({"--------", "--------", "--------", "--------", "--------", "--------", "--------", "--------"});
    bool ended = false;
    QObject::connect(window.get(), &TTumbaro::Terminated, [&] { ended = true; });
    for (const auto answer : {QMessageBox::Yes, QMessageBox::No}) {
        SetBoard(stuck);
        State().WorkBoard = stuck;
        State().AnimStep = 0;
        ModalWatcher watcher;
        watcher.answer = answer;
        window->GameLogic().Chenge(); // score 0 earns no place in the table
        ASSERT_TRUE(WaitUntil([&] { return !watcher.boxes.empty() && (ended || Idle()); }));
        EXPECT_EQ(watcher.boxes[0].title, "       Game Over!!!");
        EXPECT_EQ(watcher.boxes[0].text, "Do you want to play again?");
        EXPECT_EQ(watcher.boxes[0].icon, QMessageBox::NoIcon);
        EXPECT_EQ(watcher.boxes[0].buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        EXPECT_EQ(watcher.dialogs, 0);
        EXPECT_EQ(ended, answer == QMessageBox::No);
        if (answer == QMessageBox::Yes) {
            EXPECT_NE(State().GameBoard, stuck);
            EXPECT_TRUE(BoardShown(1));
        }
    }
}

} // namespace
} // namespace tumbaro::test
