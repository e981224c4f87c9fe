#include "runtime/Inet.h"

#include "runtime/Application.h"
#include "runtime/PathResolver.h"
#include "runtime/WebAddress.h"

namespace quillo::runtime {

Inet::Inet(Form& form, std::string name, int index, Control* container)
    : Control(form, ControlKind::Inet, std::move(name), index, container) {}

Inet::~Inet() {
    Cancel();
}

bool Inet::Execute(const std::string& url, const std::string& operation) {
    if (executing_ || LowerAscii(operation) != "get") return false;
    std::string address = CompleteAddress(url);
    if (address.empty()) return false;
    transfer_ = form().application().backend().createHttpTransfer(*this);
    if (!transfer_) return false;
    url_ = address;
    response_ = {};
    read_ = 0;
    responseCode_ = 0;
    executing_ = true;
    HttpLimits limits;
    limits.timeoutMs = static_cast<std::int64_t>(requestTimeout_) * 1000;
    limits.maxBytes = maxSize_;
    transfer_->start(address, limits);
    return true;
}

void Inet::Cancel() {
    if (transfer_) transfer_->cancel();
    executing_ = false;
}

std::string Inet::GetHeader(const std::string& name) const {
    if (name.empty()) {
        std::string all;
        for (const auto& [key, value] : response_.headers)
            all += key + ": " + value + "\r\n";
        return all;
    }
    std::string wanted = LowerAscii(name);
    for (const auto& [key, value] : response_.headers)
        if (LowerAscii(key) == wanted) return value;
    return {};
}

std::string Inet::GetChunk(int size, int) {
    if (size <= 0 || read_ >= response_.body.size()) return {};
    std::string chunk = response_.body.substr(read_, static_cast<std::size_t>(size));
    read_ += chunk.size();
    return chunk;
}

void Inet::transferState(int state) {
    if (executing_) fireStateChanged(state);
}

void Inet::transferCompleted(HttpResponse response) {
    if (!executing_) return;
    executing_ = false;
    response_ = std::move(response);
    read_ = 0;
    responseCode_ = response_.status;
    fireStateChanged(icResponseCompleted);
}

void Inet::transferFailed(HttpFailure failure) {
    if (!executing_) return;
    executing_ = false;
    response_ = {};
    read_ = 0;
    responseCode_ = -static_cast<int>(failure) - 1;
    fireStateChanged(icError);
}

void Inet::fireStateChanged(int state) {
    form().application().dispatch([this, state] { StateChanged(state); });
}

}  // namespace quillo::runtime
