// Sounds and the desktop's URL opener need an application object; the tests
// run offscreen, where there is no audio device either.

#include <QGuiApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
