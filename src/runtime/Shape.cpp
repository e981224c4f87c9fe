#include "runtime/Shape.h"

namespace quillo::runtime {

Shape::Shape(Form& form, std::string name, int index, Control* container)
    : Control(form, ControlKind::Shape, std::move(name), index, container) {}

void Shape::setStyleValue(int& field, int value) {
    field = value;
    changed(Property::Style);
}

void Shape::setColorValue(Color& field, Color value) {
    field = value;
    changed(Property::Colors);
}

void Shape::setShape(int value) {
    setStyleValue(shape_, value);
}
void Shape::setBackStyle(int value) {
    setStyleValue(backStyle_, value);
}
void Shape::setBackColor(Color value) {
    setColorValue(backColor_, value);
}
void Shape::setBorderColor(Color value) {
    setColorValue(borderColor_, value);
}
void Shape::setBorderStyle(int value) {
    setStyleValue(borderStyle_, value);
}
void Shape::setBorderWidth(int value) {
    setStyleValue(borderWidth_, value < 1 ? 1 : value);
}
void Shape::setFillColor(Color value) {
    setColorValue(fillColor_, value);
}
void Shape::setFillStyle(int value) {
    setStyleValue(fillStyle_, value);
}

}  // namespace quillo::runtime
