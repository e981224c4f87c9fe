#include "runtime/headless/FullDisk.h"

#include <stdexcept>

namespace quillo::headless {

FullDisk::FullDisk(std::uint64_t bytesLeft) {
    // Growing a file past the limit raises SIGXFSZ, which would end the process.
    signalBefore_ = std::signal(SIGXFSZ, SIG_IGN);
    if (getrlimit(RLIMIT_FSIZE, &before_) != 0) throw std::runtime_error("no file size limit");
    rlimit full = before_;
    full.rlim_cur = static_cast<rlim_t>(bytesLeft);
    if (setrlimit(RLIMIT_FSIZE, &full) != 0) throw std::runtime_error("cannot fill the disk");
}

FullDisk::~FullDisk() {
    setrlimit(RLIMIT_FSIZE, &before_);
    std::signal(SIGXFSZ, signalBefore_);
}

}  // namespace quillo::headless
