#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace quillo::runtime {

// Bounds of one transfer: past either it fails.
struct HttpLimits {
    std::int64_t timeoutMs = 60000;  // from the start of the request to the end of the body
    std::int64_t maxBytes = 8 * 1024 * 1024;
};

// A response as it arrived, whatever its status.
struct HttpResponse {
    int status = 0;
    std::vector<std::pair<std::string, std::string>> headers;  // in the order received
    std::string body;
};

// Why a transfer failed.
enum class HttpFailure { NoConnection, TimedOut, TooLarge, Other };

// One HTTP GET of an Inet control, made by the backend. It reports to its control through
// Inet::transferState, transferCompleted and transferFailed, never from inside start(), and
// never after cancel() or its own destruction.
class HttpTransfer {
  public:
    virtual ~HttpTransfer() = default;
    virtual void start(const std::string& url, const HttpLimits& limits) = 0;
    virtual void cancel() = 0;
};

}  // namespace quillo::runtime
