#include "scores/score_file.h"

#include "engine/game_error.h"
#include "files/new_file.h"

#include <optional>
#include <string_view>

#include <sys/stat.h>
#include <unistd.h>

namespace tumbaro {

namespace {

namespace fs = std::filesystem;

constexpr mode_t AnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;

// A file or folder without write bits counts as read-only even for root: the
// table was always refused there, and replacing it by rename would not be.
bool IsWritable(const fs::path& path, const struct stat& info)
{
    return (info.st_mode & AnyWriteBit) != 0 && ::access(path.c_str(), W_OK) == 0;
}

mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Nothing when a line can't be written as one.
std::optional<std::string> LinesAsBytes(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines) {
        // A line end or a NUL inside a line would split or end it on reading
        // and pair every entry below it with the wrong score.
        if (line.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos)
            return std::nullopt;
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace

std::string StageLines(const std::string& fileName, const std::string& stagedName,
                       const std::vector<std::string>& lines)
{
    const auto fail = [&fileName]() { throw GameError("Cannot create file " + fileName); };
    const fs::path target = fileName;
    const auto bytes = LinesAsBytes(lines);
    if (!target.has_filename() || !bytes)
        fail();

    struct stat folder {}, old {};
    if (::stat(FolderOf(target).c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode)
        || !IsWritable(FolderOf(target), folder))
        fail();
    // The table itself, never what a link in its place points to.
    const bool replacing = ::lstat(target.c_str(), &old) == 0;
    if (replacing && (!S_ISREG(old.st_mode) || !IsWritable(target, old)))
        fail();

    NewFile staged = NewFile::At(stagedName, 0600);
    if (!(replacing ? staged.TakeLook(old) : staged.SetMode(NewFileMode())) || !staged.Fill(*bytes))
        fail();
    staged.Keep();
    return *bytes;
}

} // namespace tumbaro
