#include "runtime/Menu.h"

#include "runtime/Form.h"

namespace quillo::runtime {

Menu::Menu(Form& form, std::string name, int index, Control* container)
    : Control(form, ControlKind::Menu, std::move(name), index, container) {}

void Menu::setCaption(std::string value) {
    caption_ = std::move(value);
    changed(Property::Caption);
}

void Menu::setChecked(bool value) {
    checked_ = value;
    changed(Property::Value);
}

std::vector<Menu*> Menu::children() const {
    std::vector<Menu*> held;
    for (const auto& control : form().controls())
        if (control->kind() == ControlKind::Menu && control->container() == this)
            held.push_back(static_cast<Menu*>(control.get()));
    return held;
}

}  // namespace quillo::runtime
