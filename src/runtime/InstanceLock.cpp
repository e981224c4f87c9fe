#include "runtime/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace quillo::runtime {

std::string InstanceLock::DefaultLockDirectory() {
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    if (runtimeDir && *runtimeDir) return runtimeDir;
    std::string directory = "/tmp/quillo-" + std::to_string(getuid());
    mkdir(directory.c_str(), 0700);
    return directory;
}

InstanceLock::InstanceLock(const std::string& name, std::string directory) {
    if (directory.empty()) directory = DefaultLockDirectory();
    std::string file = directory + "/" + name + ".lock";
    fd_ = open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0) return;
    if (flock(fd_, LOCK_EX | LOCK_NB) == 0) {
        // Alone: keep only a shared hold so that later copies can join.
        flock(fd_, LOCK_SH);
        return;
    }
    previous_ = true;
    // Another copy may hold the lock exclusively for the instant of its own test; wait for it to
    // step down to its shared hold.
    while (flock(fd_, LOCK_SH) != 0 && errno == EINTR) {
    }
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) close(fd_);
}

}  // namespace quillo::runtime
