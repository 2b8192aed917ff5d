#include "scores/table_lock.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tumbaro {

namespace {

// Never blocking on open: something other than a plain file put where the
// lock file belongs (a pipe, say) must not hang the game.
constexpr int OpenFlags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;

int OpenLockFile(const std::string& name)
{
    const int fd = ::open(name.c_str(), O_RDWR | O_CREAT | OpenFlags, 0666);
    // A lock file we may not write still locks: the lock is on the open file.
    return fd >= 0 ? fd : ::open(name.c_str(), O_RDONLY | OpenFlags);
}

} // namespace

TableLock::TableLock(const std::string& lockFileName)
{
    const int fd = OpenLockFile(lockFileName);
    if (fd < 0)
        return;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return;
    }
    int locked;
    do
        locked = ::flock(fd, LOCK_EX);
    while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        ::close(fd);
        return;
    }
    fd_ = fd;
}

TableLock::~TableLock()
{
    if (fd_ >= 0)
        ::close(fd_); // closing the only descriptor of the open file unlocks it
}

} // namespace tumbaro
