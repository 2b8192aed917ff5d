#include "ui/statistics/statistics_window.h"

#include <QChart>
#include <QChartView>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLineSeries>
#include <QLocale>
#include <QPen>
#include <QScatterSeries>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace tumbaro {

namespace {

constexpr int ChartWidth = 640;
constexpr int ChartHeight = 320;
constexpr qreal BestMarkSize = 12;
constexpr std::size_t FewGames = 20;
// Between scores in a list: a comma is a digit group separator in many languages.
const QLatin1String ScoreSeparator("; ");

QString Number(std::int64_t value) { return QLocale().toString(qlonglong(value)); }
// An average or a median: whole, or to a tenth.
QString Decimal(double value)
{
    const double whole = std::round(value);
    return std::abs(value - whole) < 0.05 ? QLocale().toString(whole, 'f', 0) : QLocale().toString(value, 'f', 1);
}

} // namespace

QString StatisticsWindow::WayTitle(Way way)
{
    switch (way) {
    case Way::Timed: return QCoreApplication::translate("Statistics", "Timed");
    case Way::Zen: return QCoreApplication::translate("Statistics", "Zen");
    default: return QCoreApplication::translate("Statistics", "Classic");
    }
}

StatisticsWindow::StatisticsWindow(const std::vector<WaySummary>& summaries, std::optional<DealNumber> today,
                                   QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Statistics"));
    setWindowTitle(QCoreApplication::translate("Statistics", "Statistics"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeTable(summaries, today));
    layout->addWidget(MakeChart(summaries), 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QTableWidget* StatisticsWindow::MakeTable(const std::vector<WaySummary>& summaries, std::optional<DealNumber> today)
{
    const QString todayTitle = today ? QCoreApplication::translate("Statistics", "Today's deal, %1").arg(*today) : QCoreApplication::translate("Statistics", "Today's deal");
    const QStringList figures{QCoreApplication::translate("Statistics", "Games"), QCoreApplication::translate("Statistics", "Best score"), QCoreApplication::translate("Statistics", "Average score"), QCoreApplication::translate("Statistics", "Median score"),
                              QCoreApplication::translate("Statistics", "Longest cascade"), todayTitle, QCoreApplication::translate("Statistics", "Last ten scores, newest first")};
    auto* table = new QTableWidget(int(figures.size()), int(summaries.size()), this);
    table->setObjectName(QStringLiteral("StatisticsTable"));
    table->setAccessibleName(QCoreApplication::translate("Statistics", "Figures of each way to play"));
    table->setVerticalHeaderLabels(figures);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(true);
    for (int column = 0; column < int(summaries.size()); ++column) {
        const WaySummary& s = summaries[std::size_t(column)];
        table->setHorizontalHeaderItem(column, new QTableWidgetItem(WayTitle(s.Played)));
        QStringList lastTen;
        for (const GameRecord& game : s.LastTen)
            lastTen << Number(game.Score);
        const bool any = s.Games > 0;
        const QString none = QCoreApplication::translate("Statistics", "none yet");
        const QString todayText = s.Today ? Number(s.Today->Score) : QCoreApplication::translate("Statistics", "not played");
        const QString cells[] = {Number(s.Games),
                                 any ? Number(s.Best) : none,
                                 any ? Decimal(s.Average) : none,
                                 any ? Decimal(s.Median) : none,
                                 any ? Number(s.LongestCascade) : none,
                                 today ? todayText : QString(),
                                 any ? lastTen.join(ScoreSeparator) : none};
        for (int row = 0; row < int(std::size(cells)); ++row)
            table->setItem(row, column, new QTableWidgetItem(cells[row]));
    }
    // Rows sized for the columns as wide as they will be beside the chart.
    const int columnWidth = (ChartWidth - table->verticalHeader()->sizeHint().width()) / std::max(1, table->columnCount());
    for (int column = 0; column < table->columnCount(); ++column)
        table->setColumnWidth(column, columnWidth);
    table->resizeRowsToContents();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int height = table->horizontalHeader()->sizeHint().height() + 2 * table->frameWidth();
    for (int row = 0; row < table->rowCount(); ++row)
        height += table->rowHeight(row);
    table->setFixedHeight(height);
    return table;
}

QChartView* StatisticsWindow::MakeChart(const std::vector<WaySummary>& summaries)
{
    auto* chart = new QChart;
    chart->setTitle(QCoreApplication::translate("Statistics", "Scores of the last hundred games"));
    auto* axisX = new QValueAxis;
    axisX->setTitleText(QCoreApplication::translate("Statistics", "Game"));
    axisX->setLabelFormat(QStringLiteral("%d"));
    auto* axisY = new QValueAxis;
    axisY->setTitleText(QCoreApplication::translate("Statistics", "Score"));
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    auto* best = new QScatterSeries;
    best->setName(QCoreApplication::translate("Statistics", "Best score"));
    best->setMarkerSize(BestMarkSize);
    // A ring round the way's own point, so the point keeps its colour.
    best->setBrush(Qt::NoBrush);
    best->setPen(QPen(Qt::black, 2));
    std::int64_t top = 0;
    std::size_t longest = 0;
    QStringList text;
    for (const WaySummary& s : summaries) {
        text << ChartText(s);
        if (s.Chart.empty())
            continue;
        auto* line = new QLineSeries;
        line->setName(WayTitle(s.Played));
        line->setPointsVisible(s.Chart.size() < FewGames); // a game or two make no line
        for (std::size_t i = 0; i < s.Chart.size(); ++i)
            line->append(qreal(i + 1), qreal(s.Chart[i].Score));
        best->append(qreal(s.ChartBest + 1), qreal(s.Chart[s.ChartBest].Score));
        chart->addSeries(line);
        line->attachAxis(axisX);
        line->attachAxis(axisY);
        top = std::max(top, s.Chart[s.ChartBest].Score);
        longest = std::max(longest, s.Chart.size());
    }
    // Added last, so the marks lie over the lines.
    chart->addSeries(best);
    best->attachAxis(axisX);
    best->attachAxis(axisY);
    // A margin of one game each side, so no point sits on the frame.
    axisX->setRange(0, qreal(longest + 1));
    axisX->setTickType(QValueAxis::TicksDynamic);
    axisX->setTickAnchor(0);
    axisX->setTickInterval(longest <= 10 ? 1 : 10);
    axisY->setRange(0, qreal(std::max<std::int64_t>(top, 1)));
    axisY->applyNiceNumbers();
    axisY->setLabelFormat(QStringLiteral("%d"));

    auto* view = new QChartView(chart, this);
    view->setObjectName(QStringLiteral("StatisticsChart"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(ChartWidth, ChartHeight);
    view->setFocusPolicy(Qt::StrongFocus); // so that a screen reader can reach its text by the keyboard
    view->setAccessibleName(chart->title());
    view->setAccessibleDescription(text.join(QLatin1Char('\n')));
    return view;
}

QString StatisticsWindow::ChartText(const WaySummary& s) const
{
    if (s.Chart.empty())
        return QCoreApplication::translate("Statistics", "%1: no games yet.").arg(WayTitle(s.Played));
    QStringList scores;
    for (const GameRecord& game : s.Chart)
        scores << Number(game.Score);
    const auto [low, high] = std::minmax_element(s.Chart.begin(), s.Chart.end(),
        [](const GameRecord& a, const GameRecord& b) { return a.Score < b.Score; });
    return QCoreApplication::translate("Statistics", "%1: %n games, scores from %2 to %3; the best is game %4. Oldest first: %5.", nullptr,
              int(s.Chart.size()))
        .arg(WayTitle(s.Played), Number(low->Score), Number(high->Score), QString::number(s.ChartBest + 1),
             scores.join(ScoreSeparator));
}

} // namespace tumbaro
