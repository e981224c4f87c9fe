#include "runtime/Timer.h"

#include "runtime/Application.h"

namespace quillo::runtime {

Timer::Timer(Form& form, std::string name, int index, Control* container)
    : Control(form, ControlKind::Timer, std::move(name), index, container) {}

Timer::~Timer() {
    form().application().timerDestroyed(*this);
}

void Timer::setInterval(int milliseconds) {
    interval_ = milliseconds < 0 ? 0 : milliseconds;
    form().application().timerChanged(*this);
}

void Timer::setEnabled(bool value) {
    if (value && enabled_) return;  // a running countdown goes on
    enabled_ = value;
    form().application().timerChanged(*this);
}

bool Timer::armed() const {
    return enabled_ && interval_ > 0 && form().loaded();
}

void Timer::fire() {
    if (armed()) Tick();
}

}  // namespace quillo::runtime
