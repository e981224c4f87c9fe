#pragma once

#include "runtime/Control.h"
#include "runtime/Picture.h"

namespace quillo::runtime {

// A picture without a window of its own. Without Stretch it takes the picture's size; with
// Stretch the picture fills the control.
class Image : public Control {
  public:
    Image(Form& form, std::string name, int index, Control* container);

    const Picture& getPicture() const { return picture_; }
    void setPicture(const Picture& value);
    bool Stretch() const { return stretch_; }
    void setStretch(bool value);
    int BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int value);

  private:
    Picture picture_;
    bool stretch_ = false;
    int borderStyle_ = 0;
};

}  // namespace quillo::runtime
