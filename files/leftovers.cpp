#include "files/leftovers.h"

#include "files/new_file.h"
#include "files/read_file.h"

#include <charconv>
#include <optional>
#include <string_view>
#include <system_error>

#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace tumbaro {

namespace {

// What mkstemp puts in place of "XXXXXX": letters and digits.
constexpr std::size_t UniqueChars = 6;
// The start time is field 22 of /proc/self/stat; the fields after the
// command name, which may itself hold blanks, start at field 3.
constexpr int StartTimeField = 22, FirstFieldAfterName = 3;

double Seconds(const timespec& time)
{
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_nsec) / 1e9;
}

// When this process started, by the wall clock; nothing when it cannot be told.
std::optional<double> StartedAt()
{
    const auto stat = ReadFileBytes("/proc/self/stat", 4096);
    const std::size_t nameEnd = stat ? stat->rfind(") ") : std::string::npos;
    if (nameEnd == std::string::npos)
        return std::nullopt;
    std::string_view rest = std::string_view(*stat).substr(nameEnd + 2);
    for (int field = FirstFieldAfterName; field < StartTimeField; ++field) {
        const std::size_t blank = rest.find(' ');
        if (blank == std::string_view::npos)
            return std::nullopt;
        rest.remove_prefix(blank + 1);
    }
    unsigned long long ticks = 0;
    if (std::from_chars(rest.data(), rest.data() + rest.size(), ticks).ec != std::errc())
        return std::nullopt;
    // The start is counted in ticks since boot: boot time by the wall clock is
    // now less the time since boot.
    timespec now {}, sinceBoot {};
    if (::clock_gettime(CLOCK_REALTIME, &now) != 0 || ::clock_gettime(CLOCK_BOOTTIME, &sinceBoot) != 0)
        return std::nullopt;
    return Seconds(now) - Seconds(sinceBoot) + static_cast<double>(ticks) / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

bool IsLeftoverOf(std::string_view name, const std::string& target)
{
    const std::string head = "." + target + ".";
    if (name.size() != head.size() + UniqueChars || !name.starts_with(head))
        return false;
    for (const char c : name.substr(head.size())) {
        if (!(c >= '0' && c <= '9') && !(c >= 'a' && c <= 'z') && !(c >= 'A' && c <= 'Z'))
            return false;
    }
    return true;
}

} // namespace

void RemoveLeftovers(const std::filesystem::path& target)
{
    const auto started = StartedAt();
    if (!started)
        return;
    const std::string targetName = target.filename().string();
    std::error_code error;
    for (std::filesystem::directory_iterator entry(FolderOf(target), error), end; !error && entry != end;
         entry.increment(error)) {
        const std::filesystem::path& path = entry->path();
        struct stat info {};
        if (IsLeftoverOf(path.filename().string(), targetName) && ::lstat(path.c_str(), &info) == 0
            && S_ISREG(info.st_mode) && Seconds(info.st_mtim) < *started)
            ::unlink(path.c_str());
    }
}

} // namespace tumbaro
