#pragma once
// Reading a whole file's bytes, shared by the settings store and the table
// files. Plain system calls rather than iostreams: nothing else in the running
// game needs the stream library, and loading it for a read costs memory for good.
//
// Only a regular file of sane size is read. A pipe, a device, a socket or a
// folder put where the file should be is as unreadable as a missing file, and
// is found out without waiting on it: the file is opened without blocking and
// looked at before a byte is read.

#include <cerrno>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tumbaro {

// Neither the table nor the settings come anywhere near this; a file that
// does is not one of ours.
inline constexpr std::size_t MaxFileBytes = 1 << 20;

// The file's bytes, or nothing when it cannot be opened or read, is not a
// regular file, or holds more than MaxFileBytes.
inline std::optional<std::string> ReadFileBytes(const std::filesystem::path& file)
{
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};

    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0
        || static_cast<unsigned long long>(info.st_size) > MaxFileBytes)
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
        if (bytes.size() > MaxFileBytes)
            return std::nullopt;
    }
    return bytes;
}

} // namespace tumbaro
