// The first swap keeps time: the sound module is loaded when the first ball
// is picked, so the swap's ticks stay on their 100 ms grid from the first
// move on, with the sound on.

#include "window_fixture.h"

#include "platform/swap_sound.h"

#include <QElapsedTimer>
#include <QTimerEvent>

#include <vector>

namespace tumbaro::test {
namespace {

// When each tick of a timer began, and how long its handlers took.
class TickClock : public QObject {
public:
    explicit TickClock(QTimer* timer)
    {
        timer->installEventFilter(this);
        connect(timer, &QTimer::timeout, this, [this] { lengths.push_back(clock_.nsecsElapsed() / 1e6 - starts.back()); });
        clock_.start();
    }
    std::vector<double> starts, lengths; // ms

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Timer)
            starts.push_back(clock_.nsecsElapsed() / 1e6);
        return false;
    }

private:
    QElapsedTimer clock_;
};

using SwapTiming = WindowTest;

TEST_F(SwapTiming, TheFirstAndSecondSwapsTickOnTheirGrid)
{
    Start();
    EXPECT_TRUE(window->findChild<SwapSound*>()->children().isEmpty()) << "a window only looked at loads no sound";
    auto* timer = Find<QTimer>(QStringLiteral("AnimationTimer"));
    for (int move = 1; move <= 2; ++move) {
        SetBoard(OneMove);
        ClickCell(45);
        TickClock ticks(timer);
        ClickCell(46);
        ASSERT_TRUE(WaitUntil([&] { return Idle(); }));
        // The swap's four ticks, the first of the one timer's ticks.
        ASSERT_GE(ticks.starts.size(), 6u);
        for (std::size_t k = 0; k < 4; ++k) {
            EXPECT_NEAR(ticks.starts[k] - ticks.starts[0], 100.0 * static_cast<double>(k), 10.0) << "move " << move << " tick " << k;
            EXPECT_LT(ticks.lengths[k], 10.0) << "move " << move << " tick " << k;
        }
    }
}

} // namespace
} // namespace tumbaro::test
