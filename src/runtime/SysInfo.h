#pragma once

#include "runtime/Control.h"

namespace quillo::runtime {

// The part of the screen that panels and task bars leave free, in twips, read from the window
// services each time it is asked for.
class SysInfo : public Control {
  public:
    SysInfo(Form& form, std::string name, int index, Control* container);

    double WorkAreaLeft() const;
    double WorkAreaTop() const;
    double WorkAreaWidth() const;
    double WorkAreaHeight() const;
};

}  // namespace quillo::runtime
