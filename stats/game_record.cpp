#include "stats/game_record.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <vector>

namespace tumbaro {

namespace {

using namespace std::chrono;

constexpr std::string_view UndoUsedWord = "undo";
constexpr std::string_view NoUndoWord = "no-undo";
constexpr std::string_view EndedWord = "ended";
constexpr std::string_view ReplacedWord = "replaced";
constexpr std::size_t LongestLine = 200; // far more than any line the game writes
constexpr std::int64_t LargestCount = std::int64_t{1} << 53;

constexpr std::int64_t FirstTime = -62135596800; // 0001-01-01T00:00:00Z
constexpr std::int64_t LastTime = 253402300799; // 9999-12-31T23:59:59Z

std::string TimeText(std::int64_t when)
{
    const sys_seconds time{seconds{std::clamp(when, FirstTime, LastTime)}};
    const sys_days day = floor<days>(time);
    const year_month_day date{day};
    const hh_mm_ss clock{time - day};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ", int(date.year()), unsigned(date.month()),
                  unsigned(date.day()), int(clock.hours().count()), int(clock.minutes().count()),
                  int(clock.seconds().count()));
    return text;
}

// Digits only, no sign: the log never holds a negative count.
std::optional<std::int64_t> Count(std::string_view word, std::int64_t largest = LargestCount)
{
    if (word.empty() || word.front() < '0' || word.front() > '9')
        return std::nullopt;
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc{} || end != word.data() + word.size() || value > largest)
        return std::nullopt;
    return value;
}

std::optional<std::int64_t> ReadTime(std::string_view word)
{
    // YYYY-MM-DDTHH:MM:SSZ
    if (word.size() != 20 || word[4] != '-' || word[7] != '-' || word[10] != 'T' || word[13] != ':'
        || word[16] != ':' || word[19] != 'Z')
        return std::nullopt;
    const auto y = Count(word.substr(0, 4)), mo = Count(word.substr(5, 2)), d = Count(word.substr(8, 2));
    const auto h = Count(word.substr(11, 2)), mi = Count(word.substr(14, 2)), s = Count(word.substr(17, 2));
    if (!y || !mo || !d || !h || !mi || !s || *h > 23 || *mi > 59 || *s > 59)
        return std::nullopt;
    const year_month_day date{year(int(*y)), month(unsigned(*mo)), day(unsigned(*d))};
    if (!date.ok() || *y < 1)
        return std::nullopt;
    return sys_days{date}.time_since_epoch().count() * 86400 + *h * 3600 + *mi * 60 + *s;
}

std::vector<std::string_view> Words(std::string_view line)
{
    std::vector<std::string_view> words;
    while (!line.empty()) {
        const std::size_t space = line.find(' ');
        words.push_back(line.substr(0, space));
        if (space == std::string_view::npos)
            break;
        line.remove_prefix(space + 1);
    }
    return words;
}

} // namespace

std::string LogLine(const GameRecord& record)
{
    std::string line = TimeText(record.When);
    line += ' ';
    line += WayName(record.Played);
    for (std::int64_t number : {std::int64_t{record.Deal}, record.Score, record.Moves, record.Lines,
                                record.LongestCascade, record.Seconds})
        line += ' ' + std::to_string(std::clamp(number, std::int64_t{0}, LargestCount));
    line += ' ';
    line += record.UndoUsed ? UndoUsedWord : NoUndoWord;
    line += ' ';
    line += record.Ended ? EndedWord : ReplacedWord;
    line += '\n';
    return line;
}

std::optional<GameRecord> ReadLogLine(std::string_view line)
{
    if (line.size() > LongestLine)
        return std::nullopt;
    const std::vector<std::string_view> words = Words(line);
    if (words.size() != 10)
        return std::nullopt;
    GameRecord record;
    const auto when = ReadTime(words[0]);
    const auto way = WayNamed(words[1]);
    const auto deal = Count(words[2], DealNumber(-1));
    if (!when || !way || !deal)
        return std::nullopt;
    record.When = *when;
    record.Played = *way;
    record.Deal = DealNumber(*deal);
    std::int64_t* counts[] = {&record.Score, &record.Moves, &record.Lines, &record.LongestCascade, &record.Seconds};
    for (std::size_t i = 0; i < std::size(counts); ++i) {
        const auto value = Count(words[3 + i]);
        if (!value)
            return std::nullopt;
        *counts[i] = *value;
    }
    if (words[8] != UndoUsedWord && words[8] != NoUndoWord)
        return std::nullopt;
    if (words[9] != EndedWord && words[9] != ReplacedWord)
        return std::nullopt;
    record.UndoUsed = words[8] == UndoUsedWord;
    record.Ended = words[9] == EndedWord;
    return record;
}

} // namespace tumbaro
