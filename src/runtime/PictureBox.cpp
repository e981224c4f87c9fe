#include "runtime/PictureBox.h"

#include <algorithm>

#include "runtime/Application.h"
#include "runtime/WindowIds.h"

namespace quillo::runtime {

PictureBox::PictureBox(Form& form, std::string name, int index, Control* container)
    : Control(form, ControlKind::PictureBox, std::move(name), index, container),
      windowId_(NewWindowId()) {}

void PictureBox::setPicture(const Picture& value) {
    picture_ = value;
    changed(Property::Picture);
    if (autoSize_ && !picture_.empty()) {
        const Screen& screen = form().application().screen();
        setWidth(picture_.widthPx * screen.TwipsPerPixelX + 2 * borderTwips());
        setHeight(picture_.heightPx * screen.TwipsPerPixelY + 2 * borderTwips());
    }
}

void PictureBox::setAutoSize(bool value) {
    autoSize_ = value;
    changed(Property::Style);
    if (autoSize_) setPicture(picture_);
}

void PictureBox::setBackColor(Color value) {
    backColor_ = value;
    changed(Property::Colors);
}

void PictureBox::setBorderStyle(int value) {
    borderStyle_ = value;
    changed(Property::Style);
}

double PictureBox::borderTwips() const {
    return borderStyle_ == 0 ? 0 : 2 * form().application().screen().TwipsPerPixelX;
}

double PictureBox::ScaleWidth() const {
    return std::max(0.0, Width() - 2 * borderTwips());
}
double PictureBox::ScaleHeight() const {
    return std::max(0.0, Height() - 2 * borderTwips());
}

void PictureBox::PaintPicture(const Picture& picture, double x, double y, double width,
                              double height) {
    const Screen& screen = form().application().screen();
    if (drawList_.paint(picture, x, y, width, height, screen.TwipsPerPixelX, screen.TwipsPerPixelY))
        changed(Property::Draw);
}

void PictureBox::Cls() {
    drawList_.clear();
    changed(Property::Draw);
}

void PictureBox::Refresh() {
    changed(Property::Draw);
}

Frame::Frame(Form& form, std::string name, int index, Control* container)
    : Control(form, ControlKind::Frame, std::move(name), index, container) {}

void Frame::setCaption(std::string value) {
    caption_ = std::move(value);
    changed(Property::Caption);
}

void Frame::setBorderStyle(int value) {
    borderStyle_ = value;
    changed(Property::Style);
}

void Frame::setBackColor(Color value) {
    backColor_ = value;
    changed(Property::Colors);
}

}  // namespace quillo::runtime
