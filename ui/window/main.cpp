// Tumbaro: the entry point. Brings up the application and the main window, and
// runs the message loop.

#include "platform/qt_threads.h"
#include "platform/quit_signals.h"
#include "platform/registry_store.h"
#include "ui/languages/language.h"
#include "ui/errors/error_display.h"
#include "ui/window/command_line.h"
#include "ui/window/end_of_game.h"
#include "ui/window/main_window.h"
#include "ui/statistics/statistics_opener.h"
#include "ui/zoom/window_zoom.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Arguments(int argc, char** argv) { return {argv + 1, argv + argc}; }

// The usage, or a refused argument: the status to end with at once.
std::optional<int> EndsAtOnce(const tumbaro::ParsedCommandLine& parsed)
{
    if (!parsed.options) {
        std::fprintf(stderr, "tumbaro: %s\n", parsed.error.c_str());
        return 2;
    }
    if (parsed.options->help) {
        std::fputs(tumbaro::Usage().c_str(), stdout);
        return 0;
    }
    return std::nullopt;
}

// Everything from the command line to the last window closed; the
// application object is gone when it returns.
int Run(int argc, char** argv)
{
    // The toolkit's own options (-platform, -display, ...) start with one
    // dash and are its to take; without any, the usage and a refused
    // argument need no display.
    const auto given = Arguments(argc, argv);
    const bool toolkitOptions = std::any_of(given.begin(), given.end(), [](const std::string& argument) {
        return argument.size() > 1 && argument[0] == '-' && argument[1] != '-' && argument != "-h";
    });
    if (!toolkitOptions)
        if (const auto status = EndsAtOnce(tumbaro::ParseCommandLine(given)))
            return *status;
    // The window is laid out in pixels of a 96 dpi screen and scaled by the
    // desktop's factor as it is, fractions included: at 1.5 the window is
    // half as large again, not rounded to 1 or 2.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    tumbaro::TumbaroApplication app(argc, argv);
    // What the toolkit did not take from the command line is ours.
    const auto parsed = tumbaro::ParseCommandLine(Arguments(argc, argv));
    if (const auto status = EndsAtOnce(parsed))
        return *status;
    // The window's class and app id name the desktop entry, so a dock ties
    // the window to its launcher; the error boxes keep their own caption.
    QCoreApplication::setApplicationName(QStringLiteral("io.github.tumbaro.Tumbaro"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tumbaro.Tumbaro"));
    tumbaro::InstallFontSubstitutions();
    tumbaro::InstallLanguage();
    if (parsed.options->statistics) {
        const auto log = tumbaro::GameLogPath().value_or(std::filesystem::path());
        QWidget* statistics = tumbaro::OpenStatisticsWindow(QString::fromStdString(log.string()), nullptr);
        if (!statistics) {
            std::fprintf(stderr, "tumbaro: the statistics window cannot be opened: its module is missing\n");
            return 1;
        }
        statistics->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(&app, &QGuiApplication::lastWindowClosed, &app, &QCoreApplication::quit);
        return QApplication::exec();
    }
    // An error while starting up is shown the same way, and then the program ends.
    tumbaro::ShowErrors([&] {
        tumbaro::TTumbaro window(tumbaro::Registry::DefaultStoreFile());
        window.RecordGamesIn(tumbaro::GameLog::ForUser());
        if (parsed.options->today)
            if (const auto today = tumbaro::DealOfToday(std::time(nullptr)))
                window.StartWithDeal(*today);
        if (parsed.options->deal)
            window.StartWithDeal(*parsed.options->deal);
        if (parsed.options->way)
            window.StartIn(*parsed.options->way);
        // A kill or a logout ends the program through the event loop, and an
        // exit from inside the toolkit (the display gone) still writes what
        // the player has earned.
        tumbaro::QuitSignals quitSignals;
        QObject::connect(&quitSignals, &tumbaro::QuitSignals::Received, &window, &tumbaro::TTumbaro::QuitOnSignal);
        const tumbaro::ExitGuard exitGuard([&window] { window.Ending().CompletePendingEntryOrLog(false); });
        // Full screen from the start: tumbaro --fullscreen.
        if (parsed.options->fullScreen)
            window.Zoom().ToggleFullScreen();
        window.Present();
        QObject::connect(&app, &QGuiApplication::lastWindowClosed, &app, &QCoreApplication::quit);
        QApplication::exec();
    });
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    tumbaro::AwaitQtThreadsAtExit();
    return Run(argc, argv);
}
