// The start-up work that depends on the desktop's language, timed inside the
// program: the translation installed as the game installs it (nothing under
// C or English), then the main window built, shown and drawn once offscreen.
// One start per process, as the translation is installed once: prints its
// milliseconds of wall time and of the process's CPU time, the latter less
// swayed by whatever else the machine runs.

#include "ui/errors/error_display.h"
#include "ui/languages/language.h"
#include "ui/window/main_window.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

namespace {

double CpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: language_start RUNTIME_FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    tumbaro::TumbaroApplication app(argc, argv);
    tumbaro::InstallFontSubstitutions();
    QDir::setCurrent(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir settings;
    QElapsedTimer clock;
    clock.start();
    const double cpu = CpuMs();
    const QString language = tumbaro::InstallLanguage();
    tumbaro::TTumbaro window(settings.filePath(QStringLiteral("registry")).toStdString());
    window.show();
    window.FormActivate();
    const QPixmap frame = window.grab();
    std::printf("%.3f %.3f %s\n", static_cast<double>(clock.nsecsElapsed()) / 1e6, CpuMs() - cpu,
                language.isEmpty() ? "(none)" : qPrintable(language));
    return frame.isNull() ? 1 : 0;
}
