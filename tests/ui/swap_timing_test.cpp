// The first swap keeps time: the sound module is loaded when the first ball
// is picked, so no tick of the swap does that slow work and the ticks stay on
// the timer's 100 ms grid from the first move on, with the sound on.
//
// Nothing here bounds wall-clock time that another process can steal: a
// tick's own work is measured in this thread's processor time, and the grid
// by each tick coming no earlier than its place on it. How late a tick comes
// says nothing of ours on a busy machine.

#include "window_fixture.h"

#include "platform/swap_sound.h"

#include <QElapsedTimer>
#include <QTimerEvent>

#include <ctime>
#include <vector>

namespace tumbaro::test {
namespace {

double ThreadMs()
{
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// When each tick of a timer came (wall clock, ms since `clock`), and the
// processor time its handlers took.
class TickClock : public QObject {
public:
    TickClock(QTimer* timer, const QElapsedTimer& clock) : clock_(clock)
    {
        timer->installEventFilter(this);
        connect(timer, &QTimer::timeout, this, [this] { work.push_back(ThreadMs() - workFrom_); });
    }
    std::vector<double> starts, work;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Timer) {
            starts.push_back(static_cast<double>(clock_.nsecsElapsed()) / 1e6);
            workFrom_ = ThreadMs();
        }
        return false;
    }

private:
    const QElapsedTimer& clock_;
    double workFrom_ = 0;
};

using SwapTiming = WindowTest;

TEST_F(SwapTiming, TheFirstAndSecondSwapsTickOnTheirGrid)
{
    Start();
    auto* sound = window->findChild<SwapSound*>();
    EXPECT_TRUE(sound->children().isEmpty()) << "a window only looked at loads no sound";
    auto* timer = Find<QTimer>(QStringLiteral("AnimationTimer"));
    for (int move = 1; move <= 2; ++move) {
        SetBoard(OneMove);
        ClickCell(45);
        const auto loaded = sound->children();
        EXPECT_FALSE(loaded.isEmpty()) << "move " << move << ": the pick loads the sound";
        QElapsedTimer clock;
        clock.start();
        TickClock ticks(timer, clock);
        const double before = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        ClickCell(46); // starts the timer
        ASSERT_TRUE(timer->isActive());
        ASSERT_TRUE(WaitUntil([&] { return Idle(); }));
        EXPECT_EQ(sound->children(), loaded) << "move " << move << ": no tick loads anything";
        // The swap's four ticks. Tick k is meant for 100 (k + 1) ms after the
        // start, and a precise timer fires no more than a millisecond early.
        ASSERT_GE(ticks.starts.size(), 6u);
        for (std::size_t k = 0; k < 4; ++k) {
            EXPECT_GE(ticks.starts[k], before + 100.0 * static_cast<double>(k + 1) - 1.0) << "move " << move << " tick " << k;
            EXPECT_LT(ticks.work[k], 10.0) << "move " << move << " tick " << k << ": ms of processor time";
        }
    }
}

} // namespace
} // namespace tumbaro::test
