#pragma once

#include "runtime/Control.h"
#include "runtime/Types.h"

namespace quillo::runtime {

// A straight line from (X1, Y1) to (X2, Y2), twips in its container. Its Left, Top, Width and
// Height follow the box around the two ends.
class Line : public Control {
  public:
    Line(Form& form, std::string name, int index, Control* container);

    double X1() const { return x1_; }
    double Y1() const { return y1_; }
    double X2() const { return x2_; }
    double Y2() const { return y2_; }
    void setX1(double value);
    void setY1(double value);
    void setX2(double value);
    void setY2(double value);
    Color BorderColor() const { return borderColor_; }
    void setBorderColor(Color value);
    // 0 transparent, 1 solid, 2 dash, 3 dot, 4 dash-dot, 5 dash-dot-dot, 6 inside solid.
    int BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int value);
    int BorderWidth() const { return borderWidth_; }
    void setBorderWidth(int value);

  private:
    void setEnd(double& field, double value);

    double x1_ = 0;
    double y1_ = 0;
    double x2_ = 0;
    double y2_ = 0;
    Color borderColor_ = 0x80000008;
    int borderStyle_ = 1;
    int borderWidth_ = 1;
};

}  // namespace quillo::runtime
