#pragma once
// One game as the game log keeps it, and its line in the log:
//   2026-12-08T16:59:51Z classic 20261208 1230 45 60 4 312 no-undo ended
// when it finished (UTC), the way, the deal number, the score, the moves, the
// lines, the longest cascade, the seconds played, whether undo was used, and
// whether it ended or was replaced by another game.

#include "deals/deal_number.h"
#include "deals/way.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tumbaro {

struct GameRecord {
    std::int64_t When = 0; // seconds since 1970-01-01 UTC
    Way Played = Way::Classic;
    DealNumber Deal = 0;
    std::int64_t Score = 0;
    std::int64_t Moves = 0;
    std::int64_t Lines = 0;
    std::int64_t LongestCascade = 0;
    std::int64_t Seconds = 0;
    bool UndoUsed = false;
    bool Ended = true; // false: replaced by another game after a move at least
    friend bool operator==(const GameRecord&, const GameRecord&) = default;
};

// The record's line, its line break included. Times before the year 1 or
// past 9999 are written as the nearest of those.
std::string LogLine(const GameRecord& record);

// The record a line holds (without its line break), or nothing when the line
// is not exactly one the game writes. A line cut short is never one: its last
// word is "ended" or "replaced", and no beginning of either is a word of the log.
std::optional<GameRecord> ReadLogLine(std::string_view line);

} // namespace tumbaro
