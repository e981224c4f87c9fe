#include "runtime/Label.h"

#include <cmath>

#include "runtime/Application.h"

namespace quillo::runtime {

Label::Label(Form& form, std::string name, int index, Control* container)
    : Control(form, ControlKind::Label, std::move(name), index, container) {}

void Label::setCaption(std::string value) {
    caption_ = std::move(value);
    changed(Property::Caption);
    fitToText();
}

void Label::setBackColor(Color value) {
    backColor_ = value;
    changed(Property::Colors);
}

void Label::setForeColor(Color value) {
    foreColor_ = value;
    changed(Property::Colors);
}

void Label::setBackStyle(int value) {
    backStyle_ = value;
    changed(Property::Style);
}

void Label::setAlignment(int value) {
    alignment_ = value;
    changed(Property::Style);
}

void Label::setBorderStyle(int value) {
    borderStyle_ = value;
    changed(Property::Style);
}

void Label::setAutoSize(bool value) {
    autoSize_ = value;
    changed(Property::Style);
    fitToText();
}

void Label::setWordWrap(bool value) {
    wordWrap_ = value;
    changed(Property::Style);
    fitToText();
}

void Label::setFont(const Font& value) {
    font_ = value;
    changed(Property::Font);
    fitToText();
}

void Label::setFontSize(double points) {
    Font font = font_;
    font.Size = points;
    setFont(font);
}

void Label::setFontBold(bool bold) {
    Font font = font_;
    font.Bold = bold;
    setFont(font);
}

void Label::fitToText() {
    if (!autoSize_) return;
    Application& application = form().application();
    const Screen& screen = application.screen();
    int wrapPx = wordWrap_ ? static_cast<int>(std::lround(Width() / screen.TwipsPerPixelX)) : 0;
    SizePx size = application.backend().textMetrics().measure(caption_, font_, wrapPx);
    if (!wordWrap_) setWidth(size.width * screen.TwipsPerPixelX);
    setHeight(size.height * screen.TwipsPerPixelY);
}

}  // namespace quillo::runtime
