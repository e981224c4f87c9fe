#pragma once

#include "runtime/Control.h"

namespace quillo::runtime {

// A timer of a form. Setting Interval, or Enabled to True on a disabled timer, starts a fresh
// countdown (Enabled set to True again on an enabled timer leaves its countdown alone); an
// Interval of 0 never fires; a handler may disable its own timer, and then no further tick
// arrives. Timers of a form that is not loaded do not run.
class Timer : public Control {
  public:
    Timer(Form& form, std::string name, int index, Control* container);
    ~Timer() override;

    int Interval() const { return interval_; }
    void setInterval(int milliseconds);
    bool getEnabled() const { return enabled_; }
    void setEnabled(bool value);
    // True while a countdown runs (enabled, an interval, on a loaded form).
    bool armed() const;

    Event<> Tick;  // Timer_Timer

    // Run by the application when the countdown ends.
    void fire();

  private:
    int interval_ = 0;
    bool enabled_ = true;
};

}  // namespace quillo::runtime
