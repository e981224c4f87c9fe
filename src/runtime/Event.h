#pragma once

#include <functional>

namespace quillo::runtime {

// An event slot of a control or form; the form wires it to its handler (PictureBack_Click).
template <class... Args>
class Event {
  public:
    Event& operator=(std::function<void(Args...)> handler) {
        handler_ = std::move(handler);
        return *this;
    }
    explicit operator bool() const { return static_cast<bool>(handler_); }
    // Runs the handler when one is wired; an unwired event does nothing.
    void operator()(Args... args) const {
        if (handler_) handler_(std::forward<Args>(args)...);
    }

  private:
    std::function<void(Args...)> handler_;
};

}  // namespace quillo::runtime
