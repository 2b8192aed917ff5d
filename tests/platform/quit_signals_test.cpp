// SIGTERM and SIGHUP reach the program as an event, never as the signal's
// default end, and work left for an exit() from inside Qt runs exactly when
// the guard is still armed.

#include "platform/quit_signals.h"

#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <vector>

using namespace tumbaro;

namespace {

TEST(QuitSignals, EachArrivesThroughTheEventLoopAndEndsTheProgramOnceUninstalled)
{
    // A fresh object each time: installing again after an uninstall works.
    for (const int number : {SIGTERM, SIGHUP, SIGTERM}) {
        QuitSignals quitSignals;
        std::vector<int> received;
        QEventLoop loop;
        QObject::connect(&quitSignals, &QuitSignals::Received, &loop, [&](int got) {
            received.push_back(got);
            loop.quit();
        });
        QTimer::singleShot(30'000, &loop, &QEventLoop::quit); // only a failure waits this long
        ASSERT_EQ(::kill(::getpid(), number), 0);
        EXPECT_TRUE(received.empty()) << "nothing runs inside the handler";
        loop.exec();
        EXPECT_EQ(received, std::vector<int>{number}) << "signal " << number;
    }

    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT((::raise(SIGTERM), std::_Exit(0)), ::testing::KilledBySignal(SIGTERM), "");
}

TEST(ExitGuard, RunsOnExitOnlyWhileArmed)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            { ExitGuard disarmed([] { std::_Exit(7); }); }
            ExitGuard armed([] { std::fputs("kept before the end\n", stderr); });
            std::exit(1);
        },
        ::testing::ExitedWithCode(1), "kept before the end");
}

} // namespace
