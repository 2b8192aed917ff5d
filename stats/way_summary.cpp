#include "stats/way_summary.h"

#include <algorithm>

namespace tumbaro {

namespace {

double Median(std::vector<std::int64_t> scores)
{
    if (scores.empty())
        return 0;
    const std::size_t middle = scores.size() / 2;
    std::nth_element(scores.begin(), scores.begin() + middle, scores.end());
    const double upper = double(scores[middle]);
    if (scores.size() % 2 != 0)
        return upper;
    const double lower = double(*std::max_element(scores.begin(), scores.begin() + middle));
    return (lower + upper) / 2;
}

WaySummary SummariseWay(Way way, const std::vector<GameRecord>& games, std::optional<DealNumber> today)
{
    WaySummary summary;
    summary.Played = way;
    std::vector<std::int64_t> scores;
    double total = 0;
    for (const GameRecord& game : games) {
        if (game.Played != way)
            continue;
        scores.push_back(game.Score);
        total += double(game.Score);
        summary.Best = std::max(summary.Best, game.Score);
        summary.LongestCascade = std::max(summary.LongestCascade, game.LongestCascade);
        if (today && game.Deal == *today && (!summary.Today || game.Score > summary.Today->Score))
            summary.Today = game;
    }
    summary.Games = std::int64_t(scores.size());
    if (scores.empty())
        return summary;
    summary.Average = total / double(scores.size());
    summary.Median = Median(std::move(scores));

    // The newest games, walking back from the end of the log.
    for (auto game = games.rbegin(); game != games.rend() && summary.Chart.size() < ChartGames; ++game) {
        if (game->Played != way)
            continue;
        if (summary.LastTen.size() < RecentGames)
            summary.LastTen.push_back(*game);
        summary.Chart.push_back(*game);
    }
    std::reverse(summary.Chart.begin(), summary.Chart.end());
    const auto best = std::max_element(summary.Chart.begin(), summary.Chart.end(),
                                       [](const GameRecord& a, const GameRecord& b) { return a.Score < b.Score; });
    summary.ChartBest = std::size_t(best - summary.Chart.begin());
    return summary;
}

} // namespace

std::vector<WaySummary> Summarise(const std::vector<GameRecord>& games, std::optional<DealNumber> today)
{
    std::vector<WaySummary> summaries;
    for (Way way : AllWays)
        summaries.push_back(SummariseWay(way, games, today));
    return summaries;
}

} // namespace tumbaro
