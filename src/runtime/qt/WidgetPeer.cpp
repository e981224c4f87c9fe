#include "runtime/qt/WidgetPeer.h"

#include "runtime/Form.h"
#include "runtime/qt/ControlDrag.h"
#include "runtime/qt/InputCodes.h"
#include "runtime/qt/ModelSync.h"
#include "runtime/qt/PixelScale.h"

namespace quillo::qt {

using runtime::Property;

WidgetPeer::WidgetPeer(runtime::Control& control, ControlWidget* widget)
    : control_(&control), widget_(widget) {}

WidgetPeer::~WidgetPeer() {
    release();
}

ControlWidget* WidgetPeer::widgetOf(const runtime::Control& control) {
    auto* peer = dynamic_cast<WidgetPeer*>(control.peer());
    return peer ? peer->widget() : nullptr;
}

void WidgetPeer::mirrorAll() {
    if (!widget_) return;
    ModelSync sync;
    for (Property property : {Property::Container, Property::Style, Property::Geometry,
                              Property::Caption, Property::WindowState, Property::Enabled,
                              Property::ToolTip, Property::MousePointer, Property::Visible})
        apply(property);
    // What only some kinds of control show, in the order that each depends on the one before.
    for (Property property :
         {Property::Colors, Property::Font, Property::Items, Property::Expansion,
          Property::ListIndex, Property::Value, Property::Text, Property::Selection,
          Property::DropHighlight, Property::LabelEdit})
        widget_->mirror(property);
}

bool WidgetPeer::holdsFocus() const {
    const QWidget* focused = widget_->window()->focusWidget();
    return focused && (focused == widget_ || widget_->isAncestorOf(focused));
}

long WidgetPeer::itemAt(const runtime::Control&, double x, double y) {
    return widget_ ? widget_->itemAt(x, y) : 0;
}

void WidgetPeer::changed(runtime::Control&, Property property) {
    if (property == Property::Destroyed) {
        release();
        return;
    }
    if (!widget_) return;
    ModelSync sync;
    apply(property);
}

void WidgetPeer::entryChanged(runtime::Control&, const runtime::EntryChange& change) {
    if (!widget_) return;
    ModelSync sync;
    widget_->update();
    widget_->mirrorEntry(change);
}

void WidgetPeer::apply(Property property) {
    switch (property) {
        case Property::Geometry:
            applyGeometry();
            break;
        case Property::Visible:
            applyVisible();
            break;
        case Property::Enabled:
            widget_->setEnabled(control_->Enabled());
            break;
        case Property::ToolTip:
            widget_->setToolTip(QString::fromStdString(control_->ToolTipText()));
            break;
        case Property::MousePointer:
            applyCursor();
            break;
        case Property::Focus:
            // Focus already inside the control (the field of a label edit over a row) stays.
            if (control_->form().activeControl() == control_ && !holdsFocus())
                widget_->setFocus(Qt::OtherFocusReason);
            break;
        case Property::ZOrder:
            applyStacking(control_->lastZOrder() == 0);
            break;
        case Property::Container:
            applyParent();
            applyGeometry();
            applyVisible();
            applyStacking(true);
            break;
        case Property::DragDrop:
            // Drag begins a drag of the control; one that can no longer be dragged stops.
            if (control_->dragging())
                ControlDrag::start(*widget_);
            else if (!control_->draggable())
                ControlDrag::cancel(*control_);
            break;
        case Property::Style:
            // A border changes where the drawing area, and so every contained control, starts.
            placeContained();
            widget_->update();
            break;
        default:
            widget_->update();
            break;
    }
    widget_->mirror(property);
}

void WidgetPeer::applyParent() {
    // The nearest container that has a widget; a form always has one.
    QWidget* parent = nullptr;
    for (runtime::Control* container = control_->container(); container && !parent;
         container = container->container())
        parent = widgetOf(*container);
    if (parent && widget_->parentWidget() != parent) widget_->setParent(parent);
}

void WidgetPeer::applyGeometry() {
    QPoint origin;
    if (auto* container = qobject_cast<ControlWidget*>(widget_->parentWidget()))
        origin = container->clientOrigin();
    PixelScale scale = PixelScale::of(*control_);
    QRect rect =
        scale.toPixels(control_->Left(), control_->Top(), control_->Width(), control_->Height());
    rect.translate(origin);
    rect.setWidth(std::max(0, rect.width()));
    rect.setHeight(std::max(0, rect.height()));
    widget_->setGeometry(widget_->placement(rect));
}

void WidgetPeer::applyVisible() {
    widget_->setVisible(control_->Visible());
}

void WidgetPeer::applyCursor() {
    Qt::CursorShape shape;
    if (CursorShapeFor(control_->MousePointer(), shape))
        widget_->setCursor(shape);
    else
        widget_->unsetCursor();
}

void WidgetPeer::applyStacking(bool toFront) {
    QWidget* parent = widget_->parentWidget();
    if (!parent) {
        if (toFront) widget_->raise();
        return;
    }
    // Siblings in stacking order, lowest first. Windowless controls stay below windowed ones.
    ControlWidget* lowestWindowed = nullptr;
    for (QObject* child : parent->children()) {
        auto* sibling = qobject_cast<ControlWidget*>(child);
        if (!sibling || sibling == widget_ || sibling->windowless()) continue;
        lowestWindowed = sibling;
        break;
    }
    if (widget_->windowless()) {
        if (!toFront)
            widget_->lower();
        else if (lowestWindowed)
            widget_->stackUnder(lowestWindowed);
        else
            widget_->raise();
        return;
    }
    if (toFront || !lowestWindowed)
        widget_->raise();
    else
        widget_->stackUnder(lowestWindowed);
}

void WidgetPeer::placeContained() {
    for (const auto& other : control_->form().controls()) {
        if (other->container() != control_) continue;
        if (auto* peer = dynamic_cast<WidgetPeer*>(other->peer()); peer && peer->widget_)
            peer->applyGeometry();
    }
}

void WidgetPeer::release() {
    if (!widget_) return;
    widget_->detach();
    widget_->hide();
    // The widget may be inside its own event handler (a click that unloads the form).
    widget_->deleteLater();
    widget_ = nullptr;
}

}  // namespace quillo::qt
