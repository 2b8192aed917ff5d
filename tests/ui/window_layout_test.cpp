#include "window_fixture.h"

#include <QTimer>

namespace tumbaro::test {
namespace {

using WindowLayout = WindowTest;

TEST_F(WindowLayout, EveryControlHasItsNamePlaceSizeAndStackingOrder)
{
    Start();
    EXPECT_EQ(window->objectName(), "Tumbaro");
    EXPECT_EQ(window->size(), QSize(792, 572));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);

    struct Expected {
        const char* name;
        QRect geometry;
    };
    // Bottom to top, the cells and frame pieces in between checked below.
    const Expected controls[] = {
        {"Background", {-8, -24, 800, 600}}, {"Exit", {765, 0, 25, 25}},
        {"Image5", {576, 48, 17, 17}}, {"Image4", {592, 48, 161, 17}}, {"Image6", {752, 48, 17, 17}},
        {"Image1", {576, 64, 17, 401}}, {"Image2", {752, 64, 17, 401}}, {"Image9", {592, 96, 161, 17}},
        {"Image7", {576, 464, 17, 17}}, {"Image3", {592, 464, 161, 17}}, {"Image8", {752, 464, 17, 17}},
        {"Image10", {592, 8, 153, 41}}, {"Image11", {304, 528, 41, 41}}, {"Image12", {344, 512, 41, 41}},
        {"Image13", {384, 528, 41, 41}}, {"Image14", {280, 448, 161, 65}}, {"Image15", {488, 504, 61, 49}},
        {"Image16", {152, 504, 61, 49}}, {"Help", {744, 0, 25, 25}}, {"Memo1", {592, 64, 161, 33}},
        {"ListBox1", {592, 112, 97, 353}}, {"ListBox2", {688, 112, 65, 353}},
    };
    QStringList order;
    for (QObject* child : window->children())
        if (auto* widget = qobject_cast<QWidget*>(child); widget && !widget->isWindow())
            order << widget->objectName();
    int previous = -1;
    for (const Expected& e : controls) {
        auto* widget = Find<QWidget>(QString::fromLatin1(e.name));
        ASSERT_NE(widget, nullptr) << e.name;
        EXPECT_EQ(widget->geometry(), e.geometry) << e.name;
        const int at = static_cast<int>(order.indexOf(QString::fromLatin1(e.name)));
        if (QString::fromLatin1(e.name).startsWith("Image") && QString::fromLatin1(e.name).size() == 6)
            continue; // the frame pieces' order among themselves is free
        EXPECT_GT(at, previous) << e.name << " is drawn out of order";
        previous = at;
    }
    // The cells lie above the background and the exit button, below the frame.
    const int firstCell = static_cast<int>(order.indexOf("Ball11"));
    EXPECT_GT(firstCell, order.indexOf("Exit"));
    EXPECT_LT(order.indexOf("Ball88"), order.indexOf("Image1"));
    for (int row = 1; row <= 8; ++row)
        for (int column = 1; column <= 8; ++column) {
            EXPECT_EQ(Cell(row, column)->geometry(), QRect(112 + 52 * (column - 1), 32 + 52 * (row - 1), 50, 50));
            EXPECT_EQ(order.indexOf(QStringLiteral("Ball%1%2").arg(row).arg(column)), firstCell + 8 * (row - 1) + column - 1);
        }
    for (const char* missing : {"Ball09", "Ball19", "Ball90", "Sxema0Big", "Sxema4Small"})
        EXPECT_EQ(window->findChild<QObject*>(QString::fromLatin1(missing)), nullptr) << missing;

    EXPECT_EQ(Find<QWidget>("Exit")->toolTip(), "Exit Game");
    EXPECT_EQ(Find<QWidget>("Image15")->toolTip(), "Undo your previous move");
    EXPECT_EQ(Find<QWidget>("Memo1")->toolTip(), "Your Score");
    EXPECT_TRUE(Cell(1, 1)->toolTip().isEmpty());
}

TEST_F(WindowLayout, TimersAreThereAndIdle)
{
    Start();
    const std::pair<const char*, int> timers[] = {{"Timer1", 100}, {"Timer2", 100}, {"Timer3", 1000}};
    for (const auto& [name, interval] : timers) {
        auto* timer = Find<QTimer>(QString::fromLatin1(name));
        ASSERT_NE(timer, nullptr) << name;
        EXPECT_EQ(timer->interval(), interval);
        EXPECT_FALSE(timer->isActive()) << name << " runs while the board is idle";
    }
}

TEST_F(WindowLayout, SmallBallsSitCentredInTheirCell)
{
    Start();
    window->ButtonClick(4, 5);
    EXPECT_EQ(Cell(4, 5)->PictureOffset(), QPoint(4, 5)) << "41 by 40 in a 50 by 50 cell";
    EXPECT_EQ(Cell(4, 6)->PictureOffset(), QPoint(0, 0)) << "51 by 50 starts at the edge";
    window->SchemeClick(2);
    EXPECT_EQ(Cell(4, 5)->PictureOffset(), QPoint(9, 9));
}

TEST_F(WindowLayout, APressOnTheDisabledUndoButtonReachesTheBackground)
{
    Start();
    auto* undo = Find(QStringLiteral("Image15"));
    const QImage look = undo->Picture();
    ASSERT_FALSE(undo->isEnabled());
    ClickControl(QStringLiteral("Image15"), Qt::RightButton);
    EXPECT_TRUE(WaitUntil([&] { return window->isMinimized(); }, 1000)) << "a right press on the background minimises";
    EXPECT_EQ(undo->Picture(), look) << "the disabled button changed its look";
}

} // namespace
} // namespace tumbaro::test
