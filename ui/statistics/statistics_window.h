#pragma once
// The statistics window: for each way to play, the figures of the game log in
// a table, and a chart of the last hundred scores with the best marked. It
// lives in the statistics module, so Qt Charts is loaded only when it opens.

#include "stats/way_summary.h"

#include <QCoreApplication>
#include <QDialog>

#include <vector>

class QChartView;
class QTableWidget;

namespace tumbaro {

class StatisticsWindow : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(Statistics)

public:
    StatisticsWindow(const std::vector<WaySummary>& summaries, std::optional<DealNumber> today, QWidget* parent);

    // The way's name as the window shows it.
    static QString WayTitle(Way way);

private:
    QTableWidget* MakeTable(const std::vector<WaySummary>& summaries, std::optional<DealNumber> today);
    QChartView* MakeChart(const std::vector<WaySummary>& summaries);
    QString ChartText(const WaySummary& summary) const;
};

} // namespace tumbaro
