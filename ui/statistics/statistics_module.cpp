// The statistics module: the statistics window and Qt Charts with it, made
// through one exported function, so that the game loads them only when the
// player first opens the window.

#include "stats/game_log.h"
#include "ui/statistics/statistics_window.h"

#include <QWidget>

#include <ctime>

extern "C" __attribute__((visibility("default"))) QWidget* TumbaroOpenStatistics(const char* logPath, QWidget* parent)
{
    const auto today = tumbaro::DealOfToday(std::time(nullptr));
    const auto summaries = tumbaro::Summarise(tumbaro::ReadGameLog(logPath ? logPath : ""), today);
    auto* window = new tumbaro::StatisticsWindow(summaries, today, parent);
    window->show();
    return window;
}
