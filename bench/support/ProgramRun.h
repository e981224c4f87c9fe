#pragma once

#include <functional>
#include <memory>
#include <string>

namespace quillo {
class form1;
}

namespace bench {

// The whole program, as rn418 runs it, in a temporary program folder holding the shipped
// content, with its own data folder. The benchmark sees the main window right after it loads
// (before its start-up timer can fire) to hook its events.
class ProgramRun {
  public:
    // command is the program's command line; argc and argv are the benchmark's own.
    ProgramRun(int& argc, char** argv, const std::string& command);
    ~ProgramRun();

    // The program folder, for files the benchmark lays before the program starts.
    std::string folder() const;

    // Called once, as soon as the main window has loaded.
    std::function<void(quillo::form1&)> mainWindowLoaded;

    // Runs the program until it ends.
    int exec();

  private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace bench
