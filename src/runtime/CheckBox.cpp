#include "runtime/CheckBox.h"

#include "runtime/Application.h"

namespace quillo::runtime {

CheckBox::CheckBox(Form& form, std::string name, int index, Control* container)
    : Control(form, ControlKind::CheckBox, std::move(name), index, container) {}

void CheckBox::setCaption(std::string value) {
    caption_ = std::move(value);
    changed(Property::Caption);
}

void CheckBox::setValue(int value) {
    if (value < 0 || value > 2 || value == value_) return;
    value_ = value;
    changed(Property::Value);
    form().application().dispatch([this] { Click(); });
}

void CheckBox::setBackColor(Color value) {
    backColor_ = value;
    changed(Property::Colors);
}

void CheckBox::setForeColor(Color value) {
    foreColor_ = value;
    changed(Property::Colors);
}

void CheckBox::setFont(const Font& value) {
    font_ = value;
    changed(Property::Font);
}

void CheckBox::fireClick() {
    if (!Enabled()) return;
    form().noteUserInput();
    form().application().dispatch([this] { setValue(value_ == 0 ? 1 : 0); });
}

}  // namespace quillo::runtime
