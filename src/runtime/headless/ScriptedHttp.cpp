#include "runtime/headless/ScriptedHttp.h"

namespace quillo::headless {

ScriptedResponse ScriptedResponse::file(const std::string& contentType, std::string body) {
    ScriptedResponse response;
    response.headers = {{"Content-Type", contentType},
                        {"Content-Length", std::to_string(body.size())}};
    response.body = std::move(body);
    return response;
}

}  // namespace quillo::headless
