#include "scores/score_file.h"

#include "engine/game_error.h"

#include <cerrno>
#include <filesystem>
#include <functional>
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

// A new file beside the target, removed again unless it is kept.
class NewFile {
public:
    // A fresh name of our own, for a replace that no one else waits on.
    static NewFile Unique(const fs::path& folder, const std::string& baseName)
    {
        NewFile file((folder / ("." + baseName + ".XXXXXX")).string());
        file.fd_ = ::mkstemp(file.path_.data());
        return file;
    }
    // A fixed name, so that whoever finds it later knows what it is; an old
    // file there is left over from a save that never finished.
    static NewFile At(const std::string& path)
    {
        NewFile file(path);
        ::unlink(path.c_str());
        file.fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        return file;
    }
    NewFile(NewFile&& other) noexcept : path_(std::move(other.path_)), fd_(other.fd_), kept_(other.kept_)
    {
        other.fd_ = -1;
    }
    ~NewFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!kept_ && fd_ != -1)
            ::unlink(path_.c_str());
    }
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;
    NewFile& operator=(NewFile&&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    int Fd() const { return fd_; }
    const std::string& Path() const { return path_; }

    bool Close()
    {
        const int fd = fd_;
        fd_ = -2; // closed, but still ours to remove on failure
        return ::close(fd) == 0;
    }
    void Keep() { kept_ = true; }

private:
    explicit NewFile(std::string path) : path_(std::move(path)) {}

    std::string path_;
    int fd_ = -1;
    bool kept_ = false;
};

void SyncFolder(const fs::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd); // best effort: the rename itself has already succeeded
        ::close(fd);
    }
}

// What a save finds before it writes anything.
struct Target {
    fs::path path;
    fs::path folder;
    bool replacing = false;
    struct stat old {};
};

Target CheckTarget(const std::string& fileName, const std::function<void()>& fail)
{
    Target target;
    target.path = fileName;
    if (!target.path.has_filename())
        fail();
    target.folder = target.path.parent_path();
    if (target.folder.empty())
        target.folder = ".";

    struct stat folderInfo {};
    if (::stat(target.folder.c_str(), &folderInfo) != 0 || !S_ISDIR(folderInfo.st_mode)
        || !IsWritable(target.folder, folderInfo))
        fail();

    target.replacing = ::stat(target.path.c_str(), &target.old) == 0;
    if (target.replacing && (!S_ISREG(target.old.st_mode) || !IsWritable(target.path, target.old)))
        fail();
    return target;
}

std::string LinesAsBytes(const std::vector<std::string>& lines, const std::function<void()>& fail)
{
    std::string bytes;
    for (const std::string& line : lines) {
        // A line end or a NUL inside a line would split or end it on reading
        // and pair every entry below it with the wrong score.
        if (line.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos)
            fail();
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

// Gives the new file the old one's owner and permissions, fills it and makes
// it durable; false on any failure.
bool FillNewFile(NewFile& file, const Target& target, const std::string& bytes)
{
    if (!file.IsOpen())
        return false;
    if (target.replacing) {
        // Keep the player's owner and permission bits; failing to keep the
        // owner (not root) is harmless, as the file is then already ours.
        [[maybe_unused]] const int ownerKept = ::fchown(file.Fd(), target.old.st_uid, target.old.st_gid);
        if (::fchmod(file.Fd(), target.old.st_mode & 07777) != 0)
            return false;
    } else if (::fchmod(file.Fd(), NewFileMode()) != 0) {
        return false;
    }
    return WriteAll(file.Fd(), bytes) && ::fsync(file.Fd()) == 0 && file.Close();
}

} // namespace

void SaveLines(const std::string& fileName, const std::vector<std::string>& lines)
{
    const auto fail = [&fileName]() { throw GameError("Cannot create file " + fileName); };
    const Target target = CheckTarget(fileName, fail);
    const std::string bytes = LinesAsBytes(lines, fail);

    NewFile temp = NewFile::Unique(target.folder, target.path.filename().string());
    if (!FillNewFile(temp, target, bytes))
        fail();
    if (::rename(temp.Path().c_str(), target.path.c_str()) != 0)
        fail();
    temp.Keep();
    SyncFolder(target.folder);
}

std::string StageLines(const std::string& fileName, const std::string& stagedName,
                       const std::vector<std::string>& lines)
{
    const auto fail = [&fileName]() { throw GameError("Cannot create file " + fileName); };
    const Target target = CheckTarget(fileName, fail);
    std::string bytes = LinesAsBytes(lines, fail);

    NewFile staged = NewFile::At(stagedName);
    if (!FillNewFile(staged, target, bytes))
        fail();
    staged.Keep();
    return bytes;
}

} // namespace tumbaro
