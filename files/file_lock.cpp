#include "files/file_lock.h"

#include "files/read_file.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tumbaro {

namespace {

// Never blocking on open: something other than a plain file put where the
// lock file belongs (a pipe, say) must not hang the game.
constexpr int OpenFlags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW;

} // namespace

FileLock::FileLock(const std::filesystem::path& lockFile, mode_t mode)
{
    int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | OpenFlags, mode);
    // A lock file we may not write still locks: the lock is on the open file.
    if (fd < 0)
        fd = ::open(lockFile.c_str(), O_RDONLY | OpenFlags);
    if (fd < 0) {
        state_ = KindOf(lockFile) == FileKind::Missing ? State::Unmade : State::Refused;
        return;
    }
    struct stat info {};
    int locked = -1;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        do
            locked = ::flock(fd, LOCK_EX);
        while (locked != 0 && errno == EINTR);
    }
    if (locked != 0) {
        ::close(fd);
        return;
    }
    fd_ = fd;
    state_ = State::Held;
}

FileLock::~FileLock()
{
    if (fd_ >= 0)
        ::close(fd_); // closing the only descriptor of the open file unlocks it
}

} // namespace tumbaro
