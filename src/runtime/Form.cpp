#include "runtime/Form.h"

#include <algorithm>

#include "runtime/Application.h"
#include "runtime/WindowIds.h"

namespace quillo::runtime {

Form::Form(std::string name)
    : Control(*this, ControlKind::Form, std::move(name), -1, nullptr),
      app_(&app()),
      windowId_(NewWindowId()) {
    // A loaded form stays hidden until it is shown.
    Control::setVisible(false);
}

Form::~Form() {
    // Controls go first, while the form they point to still exists.
    controls_.clear();
}

void Form::Show(ShowMode mode) {
    if (!loaded_) app_->loadForm(*this);
    if (!loaded_) return;  // unloaded again by its own Load
    setVisible(true);
    if (mode == ShowMode::Modal) app_->runModal(*this);
}

void Form::Hide() {
    if (!loaded_) app_->loadForm(*this);
    setVisible(false);
}

void Form::Unload() { app_->unloadForm(*this); }

void Form::setCaption(std::string value) {
    caption_ = std::move(value);
    changed(Property::Caption);
}

void Form::setBorderStyle(int value) {
    borderStyle_ = value;
    changed(Property::Style);
}

void Form::setBackColor(Color value) {
    backColor_ = value;
    changed(Property::Colors);
}

void Form::setPicture(const Picture& value) {
    picture_ = value;
    changed(Property::Picture);
}

void Form::setWindowState(WindowState value) {
    if (windowState_ == value) return;
    windowState_ = value;
    changed(Property::WindowState);
}

double Form::ScaleWidth() const { return Width(); }
double Form::ScaleHeight() const { return Height(); }

void Form::PaintPicture(const Picture& picture, double x, double y, double width, double height) {
    if (picture.empty()) return;
    const Screen& screen = application().screen();
    drawList_.add({picture, x, y, width < 0 ? picture.widthPx * screen.TwipsPerPixelX : width,
                   height < 0 ? picture.heightPx * screen.TwipsPerPixelY : height});
    changed(Property::Draw);
}

void Form::Cls() {
    drawList_.clear();
    changed(Property::Draw);
}

void Form::Refresh() { changed(Property::Draw); }

Control* Form::findControl(const std::string& name, int index) const {
    for (const auto& control : controls_)
        if (control->Name() == name && control->Index() == index) return control.get();
    return nullptr;
}

void Form::sizeChanged() {
    app_->dispatch([this] { Resize(); });
}

void Form::setVisible(bool value) {
    if (value && !loaded_) app_->loadForm(*this);
    Control::setVisible(value);
}

void Form::attachPeers() {
    Backend& backend = app_->backend();
    if (!peer()) attachPeer(backend.createPeer(*this));
    for (auto& control : controls_)
        if (!control->peer()) control->attachPeer(backend.createPeer(*control));
}

void Form::detachPeers() {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) (*it)->detachPeer();
    detachPeer();
}

void Form::remove(Control& control) {
    control.detachPeer();
    if (activeControl_ == &control) activeControl_ = nullptr;
    auto found = std::find_if(controls_.begin(), controls_.end(),
                              [&](const auto& owned) { return owned.get() == &control; });
    if (found != controls_.end()) controls_.erase(found);
}

}  // namespace quillo::runtime
