// Tumbaro: the entry point. Brings up the application and the main window, and
// runs the message loop.

#include "platform/quit_signals.h"
#include "platform/registry_store.h"
#include "ui/languages/language.h"
#include "ui/errors/error_display.h"
#include "ui/window/end_of_game.h"
#include "ui/window/main_window.h"
#include "ui/window/start_options.h"
#include "ui/statistics/statistics_opener.h"

#include <cstdio>
#include <ctime>

int main(int argc, char** argv)
{
    // The window is laid out in pixels of a 96 dpi screen and scaled by the
    // desktop's factor as it is, fractions included: at 1.5 the window is
    // half as large again, not rounded to 1 or 2.
    // A bad option is told before any window opens.
    std::string optionError;
    const auto options = tumbaro::TakeStartOptions(argc, argv, optionError);
    if (!options) {
        std::fprintf(stderr, "tumbaro: %s\n", optionError.c_str());
        return 2;
    }
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    tumbaro::TumbaroApplication app(argc, argv);
    QCoreApplication::setApplicationName(QString::fromLatin1(tumbaro::ApplicationTitle));
    tumbaro::InstallFontSubstitutions();
    tumbaro::InstallLanguage();
    if (options->Statistics) {
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
        if (options->Today)
            if (const auto today = tumbaro::DealOfToday(std::time(nullptr)))
                window.StartWithDeal(*today);
        if (options->Deal)
            window.StartWithDeal(*options->Deal);
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
