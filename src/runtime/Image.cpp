#include "runtime/Image.h"

#include "runtime/Application.h"

namespace quillo::runtime {

Image::Image(Form& form, std::string name, int index, Control* container)
    : Control(form, ControlKind::Image, std::move(name), index, container) {}

void Image::setPicture(const Picture& value) {
    picture_ = value;
    changed(Property::Picture);
    if (!stretch_ && !picture_.empty()) {
        const Screen& screen = form().application().screen();
        setWidth(picture_.widthPx * screen.TwipsPerPixelX);
        setHeight(picture_.heightPx * screen.TwipsPerPixelY);
    }
}

void Image::setStretch(bool value) {
    stretch_ = value;
    changed(Property::Style);
}

void Image::setBorderStyle(int value) {
    borderStyle_ = value;
    changed(Property::Style);
}

}  // namespace quillo::runtime
