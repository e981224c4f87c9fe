#pragma once

#include <memory>

#include "runtime/HttpTransfer.h"

namespace quillo::runtime {
class Inet;
}

namespace quillo::headless {

using namespace quillo::runtime;

class HeadlessBackend;

// A transfer over the backend's ScriptedHttp, timed by the virtual clock: icRequesting at once,
// then the answer after its delay, or a failure at once (refused), at the time-out (silent, or
// slower than the time-out) or when the body passes the size cap.
class HeadlessHttpTransfer : public HttpTransfer {
  public:
    HeadlessHttpTransfer(Inet& inet, HeadlessBackend& backend);
    ~HeadlessHttpTransfer() override;
    void start(const std::string& url, const HttpLimits& limits) override;
    void cancel() override { *alive_ = false; }

  private:
    Inet& inet_;
    HeadlessBackend& backend_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace quillo::headless
