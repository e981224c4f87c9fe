#pragma once

#include <sys/resource.h>

#include <csignal>
#include <cstdint>

namespace quillo::headless {

// While one lives, no file of this process can grow beyond the given size: a write past it fails
// as on a full disk (the process is not stopped for it). Making folders and renaming still work.
class FullDisk {
  public:
    explicit FullDisk(std::uint64_t bytesLeft = 0);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

  private:
    rlimit before_{};
    void (*signalBefore_)(int) = SIG_DFL;
};

}  // namespace quillo::headless
