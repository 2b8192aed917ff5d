#include "stats/way_summary.h"

#include <gtest/gtest.h>

namespace tumbaro {
namespace {

GameRecord Game(Way way, std::int64_t score, DealNumber deal = 1, std::int64_t cascade = 1)
{
    return {0, way, deal, score, 0, 0, cascade, 0, false, true};
}

TEST(WaySummary, EachWayHasItsOwnFigures)
{
    const std::vector<GameRecord> games{
        Game(Way::Classic, 40, 20261208, 3), Game(Way::Zen, 900, 20261208, 7), Game(Way::Classic, 10),
        Game(Way::Classic, 100, 20261208), Game(Way::Classic, 20, 1, 5), Game(Way::Classic, 70, 20261208)};
    const auto summaries = Summarise(games, DealNumber{20261208});
    ASSERT_EQ(summaries.size(), 3U);

    const WaySummary& classic = summaries[0];
    EXPECT_EQ(classic.Games, 5);
    EXPECT_EQ(classic.Best, 100);
    EXPECT_DOUBLE_EQ(classic.Average, 48);
    EXPECT_DOUBLE_EQ(classic.Median, 40);
    EXPECT_EQ(classic.LongestCascade, 5);
    ASSERT_TRUE(classic.Today);
    EXPECT_EQ(classic.Today->Score, 100);
    EXPECT_EQ(classic.LastTen.front().Score, 70) << "newest first";
    EXPECT_EQ(classic.LastTen.back().Score, 40);
    EXPECT_EQ(classic.Chart.front().Score, 40) << "oldest first";
    EXPECT_EQ(classic.ChartBest, 2U);

    EXPECT_EQ(summaries[1].Games, 0);
    EXPECT_EQ(summaries[2].LongestCascade, 7);
}

TEST(WaySummary, TheMedianOfAnEvenCountAndTheRecentGamesOfALongLog)
{
    std::vector<GameRecord> games;
    for (int i = 0; i < 250; ++i)
        games.push_back(Game(Way::Classic, i == 30 ? 5000 : (i * 7) % 200));
    const WaySummary classic = Summarise(games, std::nullopt)[0];
    EXPECT_EQ(classic.Best, 5000);
    EXPECT_DOUBLE_EQ(classic.Median, 97.5);
    ASSERT_EQ(classic.Chart.size(), ChartGames);
    EXPECT_EQ(classic.Chart.back().Score, (249 * 7) % 200);
    EXPECT_EQ(classic.Chart.front().Score, (150 * 7) % 200);
    EXPECT_EQ(classic.Chart[classic.ChartBest].Score, 197) << "the best among those shown";
    EXPECT_EQ(classic.LastTen.size(), RecentGames);
}

} // namespace
} // namespace tumbaro
