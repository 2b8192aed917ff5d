// Widgets and sounds need an application object; the tests run offscreen,
// where there is no audio device either. Listing the tests (as the build does
// to register them) needs no application and no display.

#include "platform/qt_threads.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Ends as the game does: after Qt's own threads, not amid them.
    tumbaro::AwaitQtThreadsAtExit();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    int status = 0;
    {
        QApplication app(argc, argv);
        status = RUN_ALL_TESTS();
    }
    return status;
}
