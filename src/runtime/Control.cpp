#include "runtime/Control.h"

#include "runtime/Application.h"
#include "runtime/Form.h"

namespace quillo::runtime {

Control::Control(Form& form, ControlKind kind, std::string name, int index, Control* container)
    : form_(&form), kind_(kind), name_(std::move(name)), index_(index), container_(container) {}

Control::~Control() = default;

void Control::setContainer(Control& container) {
    if (container_ == &container) return;
    container_ = &container;
    changed(Property::Container);
}

bool Control::setGeometryValue(double& field, double value) {
    if (field == value) return false;
    field = value;
    changed(Property::Geometry);
    return true;
}

void Control::setLeft(double value) {
    placed();
    setGeometryValue(left_, value);
}
void Control::setTop(double value) {
    placed();
    setGeometryValue(top_, value);
}
void Control::setWidth(double value) {
    if (setGeometryValue(width_, value)) sizeChanged();
}
void Control::setHeight(double value) {
    if (setGeometryValue(height_, value)) sizeChanged();
}

void Control::Move(double left, double top, double width, double height) {
    setLeft(left);
    setTop(top);
    if (width >= 0) setWidth(width);
    if (height >= 0) setHeight(height);
}

void Control::setVisible(bool value) {
    if (visible_ == value) return;
    visible_ = value;
    changed(Property::Visible);
}

void Control::setEnabled(bool value) {
    if (enabled_ == value) return;
    enabled_ = value;
    changed(Property::Enabled);
}

void Control::setToolTipText(std::string value) {
    toolTipText_ = std::move(value);
    changed(Property::ToolTip);
}

void Control::setMousePointer(int value) {
    mousePointer_ = value;
    changed(Property::MousePointer);
}

void Control::SetFocus() {
    Control* previous = form_->activeControl();
    if (previous == this) return;
    form_->setActiveControl(this);
    changed(Property::Focus);
    if (previous) previous->fireLostFocus();
    fireGotFocus();
}

void Control::ZOrder(int position) {
    lastZOrder_ = position;
    changed(Property::ZOrder);
}

void Control::setDragMode(int value) {
    dragMode_ = value;
    changed(Property::DragDrop);
}

void Control::Drag(int action) {
    dragging_ = action == 1;
    changed(Property::DragDrop);
}

void Control::setOLEDropMode(int value) {
    oleDropMode_ = value;
    changed(Property::DragDrop);
}

void Control::detachPeer() {
    if (peer_) peer_->changed(*this, Property::Destroyed);
    peer_.reset();
}

void Control::changed(Property property) {
    if (peer_) peer_->changed(*this, property);
}

void Control::entryChanged(const EntryChange& change) {
    if (peer_) peer_->entryChanged(*this, change);
}

namespace {
void run(Control& control, const std::function<void()>& handler) {
    control.form().application().dispatch(handler);
}
}  // namespace

// A disabled control takes no mouse input, as on the window system.
void Control::fireClick() {
    if (!enabled_) return;
    form().noteUserInput();
    run(*this, [this] { Click(); });
}
void Control::fireDblClick() {
    if (enabled_) run(*this, [this] { DblClick(); });
}
void Control::fireMouseDown(int button, int shift, double x, double y) {
    if (!enabled_) return;
    form().noteUserInput();
    run(*this, [=, this] { MouseDown(button, shift, x, y); });
}
void Control::fireMouseMove(int button, int shift, double x, double y) {
    if (enabled_) run(*this, [=, this] { MouseMove(button, shift, x, y); });
}
void Control::fireMouseUp(int button, int shift, double x, double y) {
    if (enabled_) run(*this, [=, this] { MouseUp(button, shift, x, y); });
}

int Control::fireKeyDown(int keyCode, int shift) {
    form().noteUserInput();
    run(*this, [&, this] {
        Form& owner = form();
        if (owner.KeyPreview() && this != &owner) owner.KeyDown(keyCode, shift);
        if (keyCode != 0) KeyDown(keyCode, shift);
    });
    return keyCode;
}

int Control::fireKeyUp(int keyCode, int shift) {
    run(*this, [&, this] {
        Form& owner = form();
        if (owner.KeyPreview() && this != &owner) owner.KeyUp(keyCode, shift);
        if (keyCode != 0) KeyUp(keyCode, shift);
    });
    return keyCode;
}

int Control::fireKeyPress(int keyAscii) {
    form().noteUserInput();
    run(*this, [&, this] {
        Form& owner = form();
        if (owner.KeyPreview() && this != &owner) owner.KeyPress(keyAscii);
        if (keyAscii != 0) KeyPress(keyAscii);
    });
    return keyAscii;
}

void Control::fireGotFocus() {
    run(*this, [this] { GotFocus(); });
}
void Control::fireLostFocus() {
    run(*this, [this] { LostFocus(); });
}

void Control::fireDragDrop(Control& source, double x, double y) {
    if (source.dragging_) source.Drag(2);
    run(*this, [&, this] { DragDrop(source, x, y); });
}

int Control::fireOLEDragDrop(DataObject& data, int button, int shift, double x, double y) {
    int effect = 1;  // copy
    run(*this, [&, this] { OLEDragDrop(data, effect, button, shift, x, y); });
    return effect;
}

}  // namespace quillo::runtime
