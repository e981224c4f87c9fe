#pragma once

#include <memory>

#include "runtime/Backend.h"

namespace quillo::qt {

// A Qt application with the Qt backend, for programs other than rn418 that run the runtime on
// Qt (the benchmarks). It names no Qt type, so such a program needs no Qt of its own.
class QtSession {
  public:
    // argc must outlive the session, as Qt keeps a reference to it.
    QtSession(int& argc, char** argv);
    ~QtSession();
    QtSession(const QtSession&) = delete;
    QtSession& operator=(const QtSession&) = delete;

    runtime::Backend& backend();
    // Runs the event loop for this many milliseconds of real time: the runtime's timers fire and
    // windows paint. With 0 it handles only what is pending, paints included.
    void runFor(int milliseconds);
    // Paints every shown window at once, as the window system would ask at its next frame (the
    // event loop leaves that to a timer of its own).
    void paintWindows();

  private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace quillo::qt
