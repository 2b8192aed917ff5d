#pragma once
// Processes that share files take turns at them: each holds an exclusive lock
// on a lock file beside them while it reads or writes them, and only then.
// The lock file is made when missing and left in place; a lock dies with its
// process, so one that crashes never blocks another. The lock file is never
// opened through a link, nor made through one, so a link planted there
// creates or touches nothing elsewhere.

#include <filesystem>

#include <sys/types.h>

namespace tumbaro {

class FileLock {
public:
    enum class State {
        Held,
        Unmade,  // nothing is there and nothing can be made: a folder we may not write
        Refused, // something else is there (a link, a pipe, a folder) or it cannot be locked
    };

    // Waits until the lock is ours; `mode` is for a lock file made here.
    FileLock(const std::filesystem::path& lockFile, mode_t mode);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    State Is() const { return state_; }
    bool Held() const { return state_ == State::Held; }

private:
    int fd_ = -1;
    State state_ = State::Refused;
};

} // namespace tumbaro
