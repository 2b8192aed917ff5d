#include "files/new_file.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace tumbaro {

std::filesystem::path FolderOf(const std::filesystem::path& file)
{
    const std::filesystem::path folder = file.parent_path();
    return folder.empty() ? "." : folder;
}

bool SyncFolder(const std::filesystem::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

NewFile NewFile::Beside(const std::filesystem::path& target)
{
    std::string name = (FolderOf(target) / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(name.data());
    NewFile file(std::move(name));
    file.fd_ = fd;
    file.made_ = fd >= 0;
    return file;
}

NewFile NewFile::At(const std::filesystem::path& path, mode_t mode)
{
    NewFile file(path);
    ::unlink(path.c_str());
    file.fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    file.made_ = file.fd_ >= 0;
    return file;
}

NewFile::NewFile(NewFile&& other) noexcept
    : path_(std::move(other.path_)), fd_(other.fd_), made_(other.made_), kept_(other.kept_)
{
    other.fd_ = -1;
    other.made_ = false;
}

NewFile::~NewFile()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (made_ && !kept_)
        ::unlink(path_.c_str());
}

bool NewFile::TakeLook(const struct stat& like)
{
    // Failing to take the owner (not root) is harmless: the file is then
    // already ours, as the one it replaces was.
    [[maybe_unused]] const int ownerTaken = ::fchown(fd_, like.st_uid, like.st_gid);
    return SetMode(like.st_mode & 07777);
}

bool NewFile::SetMode(mode_t mode)
{
    return fd_ >= 0 && ::fchmod(fd_, mode) == 0;
}

bool NewFile::Fill(std::string_view bytes)
{
    if (fd_ < 0)
        return false;
    bool written = true;
    while (written && !bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        written = n > 0;
        if (written)
            bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    written = written && ::fsync(fd_) == 0;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    return written && closed;
}

bool NewFile::MoveOver(const std::filesystem::path& target)
{
    if (!made_ || fd_ >= 0 || std::rename(path_.c_str(), target.c_str()) != 0)
        return false;
    kept_ = true;
    return true;
}

bool ReplaceFile(const std::filesystem::path& target, std::string_view bytes)
{
    NewFile file = NewFile::Beside(target);
    if (!file.Fill(bytes) || !file.MoveOver(target))
        return false;
    SyncFolder(FolderOf(target)); // the rename is done; a failure here does not undo it
    return true;
}

} // namespace tumbaro
