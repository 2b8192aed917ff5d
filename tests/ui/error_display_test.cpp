#include "ui/error_display.h"
#include "ui_test_support.h"

#include "engine/game_error.h"

#include <gtest/gtest.h>

#include <QTimer>

namespace tumbaro::test {
namespace {

TEST(ErrorDisplay, AddsAFullStopOnlyAfterCharactersPastIt)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Cannot open file H.dat", "Cannot open file H.dat."},
        {"Done.", "Done."},
        {"Oops!", "Oops!"},
        {"List index out of bounds (9)", "List index out of bounds (9)"},
        {"", ""},
        {"ends in a comma,", "ends in a comma,"},
        {"ends in a slash/", "ends in a slash/."},
        {"ends in a digit 9", "ends in a digit 9."},
    };
    for (const auto& [message, shown] : cases)
        EXPECT_EQ(ErrorText(QString::fromLatin1(message)), QString::fromLatin1(shown)) << message;
}

TEST(ErrorDisplay, AnErrorInATimerTickIsShownAndTheProgramGoesOn)
{
    ModalWatcher watcher;
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (++ticks == 1)
            throw GameError("Cannot open file b3.jpg");
        if (ticks == 2)
            throw 42; // not the game's kind of error: shown with an empty text
    });
    timer.start(1);
    ASSERT_TRUE(WaitUntil([&] { return ticks >= 3; }));
    timer.stop();
    ASSERT_GE(watcher.boxes.size(), 2U);
    EXPECT_EQ(watcher.boxes[0].title, "Quillabo");
    EXPECT_EQ(watcher.boxes[0].text, "Cannot open file b3.jpg.");
    EXPECT_EQ(watcher.boxes[0].icon, QMessageBox::Critical);
    EXPECT_EQ(watcher.boxes[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(watcher.boxes[1].text, "");
}

} // namespace
} // namespace tumbaro::test
