#include "ui/error_display.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

#include <QTimer>

namespace tumbaro::test {
namespace {

TEST(ErrorDisplay, AddsAFullStopOnlyAfterCharactersPastIt)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Cannot open file H.dat", "Cannot open file H.dat."},
        {"List index out of bounds (9)", "List index out of bounds (9)"},
        {"ends in a digit 9", "ends in a digit 9."},
    };
    for (const auto& [message, shown] : cases)
        EXPECT_EQ(ErrorText(QString::fromLatin1(message)), QString::fromLatin1(shown)) << message;
}

// Errors of the game's own kind are shown by the window tests; any other
// kind must be shown too, not end the program.
TEST(ErrorDisplay, AnyErrorInATimerTickIsShownAndTheProgramGoesOn)
{
    ModalWatcher watcher;
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (++ticks == 1)
            throw 42;
    });
    timer.start(1);
    ASSERT_TRUE(WaitUntil([&] { return ticks >= 2; }));
    timer.stop();
    ASSERT_EQ(watcher.boxes.size(), 1U);
    EXPECT_EQ(watcher.boxes[0].text, "") << "shown with an empty text";
    EXPECT_EQ(watcher.boxes[0].buttons, QMessageBox::Ok);
}

} // namespace
} // namespace tumbaro::test
