#include "stats/game_log.h"
#include "ui/statistics/statistics_opener.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTableView>

#include <gtest/gtest.h>

#include <ctime>
#include <fstream>

namespace tumbaro {
namespace {

namespace fs = std::filesystem;

TEST(StatisticsWindow, OpensOnTenThousandGamesWithItsFiguresAndAChartAScreenReaderCanRead)
{
    const fs::path log = fs::temp_directory_path() / ("tumbaro-stats-" + std::to_string(::getpid()) + ".log");
    const DealNumber today = *DealOfToday(std::time(nullptr));
    {
        std::ofstream out(log, std::ios::binary);
        for (int i = 0; i < 10000; ++i) {
            const Way way = AllWays[i % 7 == 0 ? 1 : (i % 5 == 0 ? 2 : 0)];
            const std::int64_t score = 300 + (i * 7919) % 2500 + (i == 9991 ? 3000 : 0);
            out << LogLine({1796760000 + i * 600, way, i == 9996 ? today : DealNumber(i), score, 40, 55,
                            1 + i % 6, 240, i % 4 == 0, i % 9 != 0});
        }
        out << "garbage\n";
    }

    QElapsedTimer clock;
    clock.start();
    QWidget* window = OpenStatisticsWindow(QString::fromStdString(log.string()), nullptr);
    ASSERT_NE(window, nullptr);
    const QPixmap shot = window->grab();
    std::printf("statistics window: opened and drawn in %lld ms\n", static_cast<long long>(clock.elapsed()));
    EXPECT_TRUE(shot.save(QStringLiteral(SHOT_FILE)));
    fs::remove(log);

    EXPECT_EQ(OpenStatisticsWindow(QString(), nullptr), window) << "a second open raises the same window";
    const auto* table = window->findChild<QTableView*>(QStringLiteral("StatisticsTable"));
    ASSERT_NE(table, nullptr);
    const QAbstractItemModel* model = table->model();
    ASSERT_EQ(model->columnCount(), 3);
    std::int64_t games = 0;
    for (int way = 0; way < 3; ++way)
        games += QLocale().toLongLong(model->index(0, way).data().toString());
    EXPECT_EQ(games, 10000);
    EXPECT_EQ(model->index(1, 0).data().toString(), QLocale().toString(300 + (9991 * 7919) % 2500 + 3000));
    EXPECT_TRUE(model->headerData(5, Qt::Vertical).toString().contains(QString::number(today)));
    EXPECT_EQ(model->index(5, 0).data().toString(), QStringLiteral("not played"));
    EXPECT_EQ(model->index(5, 1).data().toString(), QLocale().toString(300 + (9996 * 7919) % 2500));

    QWidget* chart = window->findChild<QWidget*>(QStringLiteral("StatisticsChart"));
    ASSERT_NE(chart, nullptr);
    const QString text = QAccessible::queryAccessibleInterface(chart)->text(QAccessible::Description);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Classic: 100 games"))) << text.toStdString();
    EXPECT_EQ(text.count(QStringLiteral("100 games")), 3) << text.toStdString();
    window->close();
}

} // namespace
} // namespace tumbaro
