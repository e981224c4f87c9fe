#pragma once

#include <string>

namespace quillo::runtime {

// Tells whether another copy of the program is running. Every running copy holds a shared lock on
// one file for its whole life; a copy that cannot take that lock exclusively for a moment at start
// knows another one holds it. The lock goes with the process, so a crash leaves nothing stale.
class InstanceLock {
  public:
    // Locks <directory>/<name>.lock; an empty directory means DefaultLockDirectory().
    explicit InstanceLock(const std::string& name = "rn418", std::string directory = "");
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when another copy held the lock when this one was made.
    bool previousInstance() const { return previous_; }
    // False when the lock file could not be opened; then no copy is ever seen as previous.
    bool held() const { return fd_ >= 0; }

    // $XDG_RUNTIME_DIR, or /tmp/quillo-<uid> (created, private to the user) when that is unset.
    static std::string DefaultLockDirectory();

  private:
    int fd_ = -1;
    bool previous_ = false;
};

}  // namespace quillo::runtime
