#pragma once
// Windows sharing one folder take turns at the table files: each holds an
// exclusive lock on a lock file beside them while it reads or writes them,
// and only then. The lock file is created when missing and left in place; a
// lock dies with its process, so a window that crashes never blocks another.

#include <string>

namespace tumbaro {

class TableLock {
public:
    // Waits until the lock is ours. In a folder where the lock file can't be
    // created or opened, or on a file system without locks, nothing is held.
    explicit TableLock(const std::string& lockFileName);
    ~TableLock();
    TableLock(const TableLock&) = delete;
    TableLock& operator=(const TableLock&) = delete;

    bool Held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

} // namespace tumbaro
