#include "window_fixture.h"

namespace tumbaro::test {
namespace {

using WindowPlay = WindowTest;

TEST_F(WindowPlay, UndoTakesBackAWholeMoveAndTheScore)
{
    Start();
    PlayOneMove();
    EXPECT_EQ(ScoreText(), "15");
    ASSERT_TRUE(Find(QStringLiteral("Image15"))->isEnabled());
    ClickControl(QStringLiteral("Image15"));
    EXPECT_EQ(State().GameBoard, OneMove);
    EXPECT_EQ(ScoreText(), "0");
    EXPECT_TRUE(BoardShown(1));
    EXPECT_FALSE(Find(QStringLiteral("Image15"))->isEnabled());
    EXPECT_EQ(Find(QStringLiteral("Image15"))->Picture(), List("ImageList2")->Picture(2)) << "its released look";
}

TEST_F(WindowPlay, ButtonsShowPressedLooksAndActOnlyOnALeftClick)
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
    ClickControl(QStringLiteral("Image16"));
    EXPECT_EQ(Find(QStringLiteral("Image16"))->Picture(), looks->Picture(0));
    EXPECT_NE(State().GameBoard, board) << "a left click on NEW deals";
    EXPECT_TRUE(BoardShown(1));
}

} // namespace
} // namespace tumbaro::test
