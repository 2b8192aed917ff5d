// Tumbaro: the entry point. Brings up the application and the main window, and
// runs the message loop.

#include "platform/quit_signals.h"
#include "platform/registry_store.h"
#include "ui/languages/language.h"
#include "ui/errors/error_display.h"
#include "ui/window/command_line.h"
#include "ui/window/end_of_game.h"
#include "ui/window/main_window.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    // The window is laid out in pixels of a 96 dpi screen and scaled by the
    // desktop's factor as it is, fractions included: at 1.5 the window is
    // half as large again, not rounded to 1 or 2.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    tumbaro::TumbaroApplication app(argc, argv);
    // What the toolkit did not take from the command line is ours.
    const auto parsed = tumbaro::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        std::fprintf(stderr, "tumbaro: %s\n", parsed.error.c_str());
        return 2;
    }
    if (parsed.options->help) {
        std::fputs(tumbaro::Usage().c_str(), stdout);
        return 0;
    }
    // The window's class and app id name the desktop entry, so a dock ties
    // the window to its launcher; the error boxes keep their own caption.
    QCoreApplication::setApplicationName(QStringLiteral("io.github.tumbaro.Tumbaro"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tumbaro.Tumbaro"));
    tumbaro::InstallFontSubstitutions();
    tumbaro::InstallLanguage();
    // An error while starting up is shown the same way, and then the program ends.
    tumbaro::ShowErrors([&] {
        tumbaro::TTumbaro window(tumbaro::Registry::DefaultStoreFile());
        if (parsed.options->way)
            window.StartIn(*parsed.options->way);
        // A kill or a logout ends the program through the event loop, and an
        // exit from inside the toolkit (the display gone) still writes what
        // the player has earned.
        tumbaro::QuitSignals quitSignals;
        QObject::connect(&quitSignals, &tumbaro::QuitSignals::Received, &window, &tumbaro::TTumbaro::QuitOnSignal);
        const tumbaro::ExitGuard exitGuard([&window] { window.Ending().CompletePendingEntryOrLog(false); });
        window.show();
        QObject::connect(&app, &QGuiApplication::lastWindowClosed, &app, &QCoreApplication::quit);
        QApplication::exec();
    });
    return 0;
}
