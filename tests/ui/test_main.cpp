// Window tests run offscreen inside the game's own application object, so the
// error display is the real one. Built with TUMBARO_TEST_LANGUAGE, they run
// under that desktop language, with the translation installed as the game
// installs it.

#include "platform/qt_threads.h"
#include "ui/errors/error_display.h"
#include "ui/languages/language.h"

#include <gtest/gtest.h>

namespace {

int RunTests(int argc, char** argv)
{
#ifdef TUMBARO_TEST_LANGUAGE
    qputenv("LANGUAGE", TUMBARO_TEST_LANGUAGE);
#endif
    tumbaro::TumbaroApplication app(argc, argv);
    tumbaro::InstallFontSubstitutions();
#ifdef TUMBARO_TEST_LANGUAGE
    if (tumbaro::InstallLanguage() != QLatin1String(TUMBARO_TEST_LANGUAGE))
        return 1;
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

} // namespace

int main(int argc, char** argv)
{
    // Ends as the game does: after Qt's own threads, not amid them.
    tumbaro::AwaitQtThreadsAtExit();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    // A sound server is named, as a desktop names one, so the sounds are
    // readied as in play; none answers there, so nothing is heard.
    qputenv("PULSE_SERVER", "unix:/nonexistent/tumbaro-tests");
    return RunTests(argc, argv);
}
