// CPU time of one animation tick in the real window, drawing included: plays
// moves on an offscreen window, and around every swap and fall tick measures
// the process's CPU time of the tick handler plus the repaint it causes.

#include "engine/board.h"
#include "scores/name_dialog.h"
#include "ui/errors/error_display.h"
#include "ui/window/main_window.h"

#include <QAbstractButton>
#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

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
        std::fprintf(stderr, "usage: tick_cost RUNTIME_FOLDER [MOVES]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    tumbaro::TumbaroApplication app(argc, argv);
    tumbaro::InstallFontSubstitutions();
    QDir::setCurrent(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir settings;
    tumbaro::TTumbaro window(settings.filePath(QStringLiteral("registry")).toStdString());
    window.show();
    window.FormActivate();
    const int moves = argc > 2 ? std::atoi(argv[2]) : 200;
    std::vector<double> ticks;
    // The end of a game asks whether to play again: always yes.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->button(QMessageBox::Yes)->click();
    });
    answer.start(5);
    for (int m = 0; m < moves; ++m) {
        const auto move = tumbaro::FirstMove(window.GameLogic().State().GameBoard);
        if (!move) {
            window.GameLogic().Newgame();
            continue;
        }
        const int first = move->First, second = move->Second;
        window.ButtonClick(first / 8 + 1, first % 8 + 1);
        window.ButtonClick(second / 8 + 1, second % 8 + 1);
        QApplication::processEvents();
        // Ticks are stepped by hand between the two readings; the real
        // timers never fire, as no events are processed meanwhile.
        for (double before = CpuMs(); window.GameLogic().Tick(); before = CpuMs()) {
            window.repaint();
            ticks.push_back(CpuMs() - before);
        }
        if (!window.isVisible())
            break;
    }
    std::sort(ticks.begin(), ticks.end());
    double sum = 0;
    for (double t : ticks)
        sum += t;
    std::printf("ticks %zu mean %.3f ms median %.3f ms p99 %.3f ms max %.3f ms\n", ticks.size(),
                sum / static_cast<double>(ticks.size()), ticks[ticks.size() / 2], ticks[ticks.size() * 99 / 100],
                ticks.back());
    return 0;
}
