#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "runtime/Control.h"
#include "runtime/HttpTransfer.h"

namespace quillo::runtime {

// States reported by StateChanged.
constexpr int icNone = 0;
constexpr int icRequesting = 5;
constexpr int icResponseReceived = 8;
constexpr int icError = 11;
constexpr int icResponseCompleted = 12;

// Data types of GetChunk; both give the bytes as they arrived.
constexpr int icString = 0;
constexpr int icByteArray = 1;

// The Internet transfer control: one GET at a time in the background. StateChanged reports
// icRequesting and icResponseReceived on the way, then exactly one of icError (no connection,
// time-out, the size cap passed) or icResponseCompleted (a response arrived, whatever its
// status; its headers and body are then readable). After Cancel no event arrives.
class Inet : public Control {
  public:
    Inet(Form& form, std::string name, int index, Control* container);
    ~Inet() override;

    // Starts a GET of the address; false (and nothing happens) while a transfer is under way,
    // for another operation, or when the backend cannot transfer.
    bool Execute(const std::string& url, const std::string& operation = "GET");
    void Cancel();
    bool StillExecuting() const { return executing_; }

    // The value of a header of the last response, found without regard to letter case; "" when
    // absent. With no name: every header, one "Name: value" per line, each ended by CR LF.
    std::string GetHeader(const std::string& name = "") const;
    // The next bytes of the last response's body, at most size; empty once all were read.
    std::string GetChunk(int size, int dataType = icByteArray);
    int ResponseCode() const { return responseCode_; }
    const std::string& URL() const { return url_; }

    // Seconds a transfer may take in all.
    int RequestTimeout() const { return requestTimeout_; }
    void setRequestTimeout(int seconds) { requestTimeout_ = seconds; }
    std::int64_t MaxSize() const { return maxSize_; }
    void setMaxSize(std::int64_t bytes) { maxSize_ = bytes; }

    Event<int> StateChanged;  // State

    // Reports of the transfer; ignored once the transfer is over or cancelled.
    void transferState(int state);
    void transferCompleted(HttpResponse response);
    void transferFailed(HttpFailure failure);

  private:
    void fireStateChanged(int state);

    std::unique_ptr<HttpTransfer> transfer_;
    bool executing_ = false;
    std::string url_;
    HttpResponse response_;
    std::size_t read_ = 0;
    int responseCode_ = 0;
    int requestTimeout_ = 60;
    std::int64_t maxSize_ = 8 * 1024 * 1024;
};

}  // namespace quillo::runtime
