#include "runtime/Line.h"

#include <algorithm>
#include <cmath>

namespace quillo::runtime {

Line::Line(Form& form, std::string name, int index, Control* container)
    : Control(form, ControlKind::Line, std::move(name), index, container) {}

void Line::setEnd(double& field, double value) {
    field = value;
    Move(std::min(x1_, x2_), std::min(y1_, y2_), std::fabs(x2_ - x1_), std::fabs(y2_ - y1_));
    changed(Property::Geometry);
}

void Line::setX1(double value) {
    setEnd(x1_, value);
}
void Line::setY1(double value) {
    setEnd(y1_, value);
}
void Line::setX2(double value) {
    setEnd(x2_, value);
}
void Line::setY2(double value) {
    setEnd(y2_, value);
}

void Line::setBorderColor(Color value) {
    borderColor_ = value;
    changed(Property::Colors);
}

void Line::setBorderStyle(int value) {
    borderStyle_ = value;
    changed(Property::Style);
}

void Line::setBorderWidth(int value) {
    borderWidth_ = value < 1 ? 1 : value;
    changed(Property::Style);
}

}  // namespace quillo::runtime
