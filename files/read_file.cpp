#include "files/read_file.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tumbaro {

FileKind KindOf(const std::filesystem::path& file)
{
    struct stat info {};
    if (::lstat(file.c_str(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? FileKind::Missing : FileKind::Other;
    return S_ISREG(info.st_mode) ? FileKind::Regular : FileKind::Other;
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& file, std::size_t cap)
{
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW);
    if (fd < 0)
        return std::nullopt;
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};

    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0
        || static_cast<unsigned long long>(info.st_size) > cap)
        return std::nullopt;

    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char chunk[4096];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        bytes.append(chunk, static_cast<std::size_t>(got));
        // A file that grows while it is read is held to the same limit.
        if (bytes.size() > cap)
            return std::nullopt;
    }
    return bytes;
}

} // namespace tumbaro
