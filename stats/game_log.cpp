#include "stats/game_log.h"

#include "files/read_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tumbaro {

namespace {

constexpr mode_t LogMode = 0600;

// Appends `line` in one write; 0 or the errno.
int Append(const std::filesystem::path& file, std::string line)
{
    // No blocking open of a pipe put there, and no link followed. Open for
    // reading too: the last byte is read to see whether a torn line ends it.
    const int fd = ::open(file.c_str(), O_RDWR | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, LogMode);
    if (fd < 0)
        return errno;
    struct stat info {};
    int error = 0;
    if (::fstat(fd, &info) != 0) {
        error = errno;
    } else if (!S_ISREG(info.st_mode)) {
        error = EINVAL;
    } else {
        char last = '\n';
        if (info.st_size > 0 && ::pread(fd, &last, 1, info.st_size - 1) != 1)
            last = 0;
        if (last != '\n')
            line.insert(line.begin(), '\n');
        const ssize_t written = ::write(fd, line.data(), line.size());
        if (written < 0)
            error = errno;
        else if (std::size_t(written) != line.size())
            error = ENOSPC;
    }
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error;
}

} // namespace

std::optional<std::filesystem::path> GameLogPath()
{
    std::filesystem::path data;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/')
        data = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home == '/')
        data = std::filesystem::path(home) / ".local" / "share";
    else
        return std::nullopt;
    return data / "tumbaro" / "games.log";
}

std::optional<LogProblem> GameLog::Record(const GameRecord& record)
{
    std::error_code folderError;
    int error = ENOENT;
    if (!file_.empty()) {
        std::filesystem::create_directories(file_.parent_path(), folderError);
        error = Append(file_, LogLine(record));
    }
    if (error == 0) {
        failing_ = false;
        return std::nullopt;
    }
    if (failing_)
        return std::nullopt;
    failing_ = true;
    // The folder that could not be made says more than the file it would hold.
    if (folderError)
        return LogProblem{file_.parent_path(), folderError.value()};
    return LogProblem{file_, error};
}

std::vector<GameRecord> ReadGameLog(const std::filesystem::path& file)
{
    std::vector<GameRecord> records;
    const auto bytes = ReadFileBytes(file, MaxLogBytes);
    if (!bytes)
        return records;
    std::string_view rest = *bytes;
    // Only lines closed by a line break count: the last one may be torn.
    for (std::size_t end = rest.find('\n'); end != std::string_view::npos; end = rest.find('\n')) {
        if (auto record = ReadLogLine(rest.substr(0, end)))
            records.push_back(*record);
        rest.remove_prefix(end + 1);
    }
    return records;
}

} // namespace tumbaro
