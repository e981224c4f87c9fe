#pragma once

#include "runtime/Control.h"
#include "runtime/Types.h"

namespace quillo::runtime {

// A drawn figure without a window of its own, filling its place: 0 rectangle, 1 square,
// 2 oval, 3 circle, 4 rounded rectangle, 5 rounded square.
class Shape : public Control {
  public:
    Shape(Form& form, std::string name, int index, Control* container);

    int getShape() const { return shape_; }
    void setShape(int value);
    // 0 transparent, 1 opaque (BackColor fills it under FillStyle).
    int BackStyle() const { return backStyle_; }
    void setBackStyle(int value);
    Color BackColor() const { return backColor_; }
    void setBackColor(Color value);
    Color BorderColor() const { return borderColor_; }
    void setBorderColor(Color value);
    // 0 none, 1 solid, 2 dash, 3 dot, 4 dash-dot, 5 dash-dot-dot, 6 inside solid.
    int BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int value);
    int BorderWidth() const { return borderWidth_; }
    void setBorderWidth(int value);
    Color FillColor() const { return fillColor_; }
    void setFillColor(Color value);
    // 0 solid, 1 transparent, 2-7 hatches.
    int FillStyle() const { return fillStyle_; }
    void setFillStyle(int value);

  private:
    void setStyleValue(int& field, int value);
    void setColorValue(Color& field, Color value);

    int shape_ = 0;
    int backStyle_ = 0;
    Color backColor_ = 0x80000005;
    Color borderColor_ = 0x80000008;
    int borderStyle_ = 1;
    int borderWidth_ = 1;
    Color fillColor_ = 0;
    int fillStyle_ = 1;
};

}  // namespace quillo::runtime
