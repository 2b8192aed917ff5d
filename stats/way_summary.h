#pragma once
// What the statistics window shows for one way to play, worked out from the
// game log.

#include "stats/game_record.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace tumbaro {

inline constexpr std::size_t RecentGames = 10;
inline constexpr std::size_t ChartGames = 100;

struct WaySummary {
    Way Played = Way::Classic;
    std::int64_t Games = 0;
    std::int64_t Best = 0;
    double Average = 0;
    double Median = 0;
    std::int64_t LongestCascade = 0;
    std::vector<GameRecord> LastTen; // newest first
    std::optional<GameRecord> Today; // the best game on today's deal
    std::vector<GameRecord> Chart; // the last hundred games, oldest first
    std::size_t ChartBest = 0; // the best of them: the first of its score
};

// One summary per way, in the order of AllWays, from the games in the order
// they were logged. `today` is today's deal number, when it is known.
std::vector<WaySummary> Summarise(const std::vector<GameRecord>& games, std::optional<DealNumber> today);

} // namespace tumbaro
