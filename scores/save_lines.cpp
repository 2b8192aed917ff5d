#include "scores/score_file.h"

#include "engine/game_error.h"

#include <cerrno>
#include <filesystem>
#include <string_view>

#include <fcntl.h>
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

bool WriteAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Owns the temporary file until it has been renamed into place.
class TempFile {
public:
    explicit TempFile(const fs::path& folder, const std::string& baseName)
        : pattern_((folder / ("." + baseName + ".XXXXXX")).string())
    {
        fd_ = ::mkstemp(pattern_.data());
    }
    ~TempFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!committed_ && fd_ != -1)
            ::unlink(pattern_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    int Fd() const { return fd_; }
    const std::string& Path() const { return pattern_; }

    bool Close()
    {
        const int fd = fd_;
        fd_ = -2; // closed, but still ours to remove on failure
        return ::close(fd) == 0;
    }
    void Commit() { committed_ = true; }

private:
    std::string pattern_;
    int fd_ = -1;
    bool committed_ = false;
};

void SyncFolder(const fs::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd); // best effort: the rename itself has already succeeded
        ::close(fd);
    }
}

} // namespace

void SaveLines(const std::string& fileName, const std::vector<std::string>& lines)
{
    const auto fail = [&fileName]() { throw GameError("Cannot create file " + fileName); };

    const fs::path target(fileName);
    if (!target.has_filename())
        fail();
    fs::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";

    struct stat folderInfo {};
    if (::stat(folder.c_str(), &folderInfo) != 0 || !S_ISDIR(folderInfo.st_mode)
        || !IsWritable(folder, folderInfo))
        fail();

    struct stat oldInfo {};
    const bool replacing = ::stat(target.c_str(), &oldInfo) == 0;
    if (replacing && (!S_ISREG(oldInfo.st_mode) || !IsWritable(target, oldInfo)))
        fail();

    std::string bytes;
    for (const std::string& line : lines) {
        // A line end or a NUL inside a line would split or end it on reading
        // and pair every entry below it with the wrong score.
        if (line.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos)
            fail();
        bytes += line;
        bytes += "\r\n";
    }

    TempFile temp(folder, target.filename().string());
    if (!temp.IsOpen())
        fail();
    if (replacing) {
        // Keep the player's owner and permission bits; failing to keep the
        // owner (not root) is harmless, as the file is then already ours.
        [[maybe_unused]] const int ownerKept = ::fchown(temp.Fd(), oldInfo.st_uid, oldInfo.st_gid);
        if (::fchmod(temp.Fd(), oldInfo.st_mode & 07777) != 0)
            fail();
    } else if (::fchmod(temp.Fd(), NewFileMode()) != 0) {
        fail();
    }
    if (!WriteAll(temp.Fd(), bytes) || ::fsync(temp.Fd()) != 0 || !temp.Close())
        fail();
    if (::rename(temp.Path().c_str(), target.c_str()) != 0)
        fail();
    temp.Commit();
    SyncFolder(folder);
}

} // namespace tumbaro
