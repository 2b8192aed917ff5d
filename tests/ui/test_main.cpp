// Window tests run offscreen inside the game's own application object, so the
// error display is the real one.

#include "ui/errors/error_display.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    tumbaro::TumbaroApplication app(argc, argv);
    tumbaro::InstallFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
