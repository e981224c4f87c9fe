#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace quillo::headless {

// What a headless server answers for one address.
struct ScriptedResponse {
    int status = 200;
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;
    std::int64_t delayMs = 0;  // virtual milliseconds until the answer
    bool refused = false;      // nothing listens there
    bool silent = false;       // the server takes the request and never answers

    // A 200 answer with its Content-type and a Content-length that matches the body.
    static ScriptedResponse file(const std::string& contentType, std::string body);
};

// The headless network: addresses not listed refuse the connection.
class ScriptedHttp {
  public:
    void add(const std::string& address, ScriptedResponse response) {
        responses_[address] = std::move(response);
    }
    const ScriptedResponse* find(const std::string& address) const {
        auto found = responses_.find(address);
        return found == responses_.end() ? nullptr : &found->second;
    }
    // Every address requested, in order.
    std::vector<std::string> requests;

  private:
    std::map<std::string, ScriptedResponse> responses_;
};

}  // namespace quillo::headless
