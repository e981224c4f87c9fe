#include "runtime/headless/HeadlessHttpTransfer.h"

#include "runtime/Inet.h"
#include "runtime/headless/HeadlessBackend.h"

namespace quillo::headless {

HeadlessHttpTransfer::HeadlessHttpTransfer(Inet& inet, HeadlessBackend& backend)
    : inet_(inet), backend_(backend) {}

HeadlessHttpTransfer::~HeadlessHttpTransfer() {
    *alive_ = false;
}

void HeadlessHttpTransfer::start(const std::string& url, const HttpLimits& limits) {
    backend_.http.requests.push_back(url);
    Inet* inet = &inet_;
    auto alive = alive_;
    backend_.after(0, [inet, alive] {
        if (*alive) inet->transferState(icRequesting);
    });
    const ScriptedResponse* scripted = backend_.http.find(url);
    if (!scripted || scripted->refused) {
        backend_.after(0, [inet, alive] {
            if (*alive) inet->transferFailed(HttpFailure::NoConnection);
        });
        return;
    }
    if (scripted->silent || scripted->delayMs >= limits.timeoutMs) {
        backend_.after(limits.timeoutMs, [inet, alive] {
            if (*alive) inet->transferFailed(HttpFailure::TimedOut);
        });
        return;
    }
    ScriptedResponse answer = *scripted;
    std::int64_t maxBytes = limits.maxBytes;
    backend_.after(answer.delayMs, [inet, alive, answer, maxBytes] {
        if (!*alive) return;
        if (static_cast<std::int64_t>(answer.body.size()) > maxBytes) {
            inet->transferFailed(HttpFailure::TooLarge);
            return;
        }
        inet->transferState(icResponseReceived);
        if (!*alive) return;
        inet->transferCompleted({answer.status, answer.headers, answer.body});
    });
}

}  // namespace quillo::headless
