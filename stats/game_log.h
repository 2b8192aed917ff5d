#pragma once
// The player's game log: one line per game that ended or was replaced, kept
// under the user's data folder and only ever appended to. The game writes it
// once per game and never reads it; the statistics window reads it.

#include "stats/game_record.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <vector>

namespace tumbaro {

// Where the log lies: $XDG_DATA_HOME/tumbaro/games.log, ~/.local/share when
// XDG_DATA_HOME is unset, empty or not an absolute path; nothing without a home.
std::optional<std::filesystem::path> GameLogPath();

// Why the log could not take a game: the file (or folder) and the errno.
struct LogProblem {
    std::filesystem::path File;
    int Error = 0;
};

class GameLog {
public:
    explicit GameLog(std::filesystem::path file) : file_(std::move(file)) {}
    // The player's own log at GameLogPath(); without a home folder every
    // game is a failure to write, said once like any other.
    static GameLog ForUser() { return GameLog(GameLogPath().value_or(std::filesystem::path())); }

    // Appends the game in one write, so its line is whole or absent whatever
    // stops the program; a line left torn by an earlier crash is first closed
    // off so that it spoils nothing. A failure is returned only when it is
    // news: once, then not again until a game has been written.
    std::optional<LogProblem> Record(const GameRecord& record);

    const std::filesystem::path& File() const { return file_; }

private:
    std::filesystem::path file_;
    bool failing_ = false;
};

// The log is read whole up to this size (some two million games).
inline constexpr std::size_t MaxLogBytes = std::size_t{128} << 20;

// Every sound line of the log, in the order written; lines that are not the
// game's own (garbage, a torn last line) are passed over. A missing or
// unreadable log is an empty one.
std::vector<GameRecord> ReadGameLog(const std::filesystem::path& file);

} // namespace tumbaro
