#pragma once

#include <functional>
#include <string>

#include "runtime/FileCalls.h"

namespace quillo::headless {

// While one lives, the program's file calls can be made to fail for chosen names; the real calls
// come back when it ends.
class FileFaults {
  public:
    FileFaults();
    ~FileFaults();
    FileFaults(const FileFaults&) = delete;
    FileFaults& operator=(const FileFaults&) = delete;

    // Renames for which the test answers true fail as a refused right would (EACCES).
    void failRenames(std::function<bool(const std::string& from, const std::string& to)> test);
    // Runs before every file the program creates or opens for writing through its calls, with
    // the name it is about to use.
    void beforeOpen(std::function<void(const std::string& path)> step);

  private:
    runtime::FileCalls real_;
};

}  // namespace quillo::headless
