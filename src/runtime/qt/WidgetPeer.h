#pragma once

#include <QPointer>

#include "runtime/ControlPeer.h"
#include "runtime/qt/ControlWidget.h"

namespace quillo::qt {

// The peer of a control shown by a widget: it mirrors the common properties (place, visibility,
// enabled state, tool tip, pointer, focus, stacking, container) and repaints the widget for the
// rest, which the widget reads from the control as it paints.
class WidgetPeer : public runtime::ControlPeer {
  public:
    // Takes the widget; it is let go (and deleted once Qt is done with it) with the peer.
    WidgetPeer(runtime::Control& control, ControlWidget* widget);
    ~WidgetPeer() override;
    WidgetPeer(const WidgetPeer&) = delete;
    WidgetPeer& operator=(const WidgetPeer&) = delete;

    // Brings a new widget in line with every property of the control.
    void mirrorAll();
    void changed(runtime::Control& control, runtime::Property property) override;
    void entryChanged(runtime::Control& control, const runtime::EntryChange& change) override;
    long itemAt(const runtime::Control& control, double x, double y) override;

    ControlWidget* widget() const { return widget_; }
    // The widget of a control that has a widget peer, else nullptr.
    static ControlWidget* widgetOf(const runtime::Control& control);

  protected:
    // Mirrors one property; the caller holds the ModelSync mark.
    virtual void apply(runtime::Property property);
    // Puts the widget where the model says: a child inside its container's drawing area.
    virtual void applyGeometry();
    virtual void applyVisible();
    // Lets go of the widget: it no longer reaches the control and is deleted later.
    virtual void release();
    runtime::Control& control() const { return *control_; }

  private:
    void applyParent();
    void applyStacking(bool toFront);
    void applyCursor();
    // The window's focus is on the control's widget or a part of it.
    bool holdsFocus() const;
    // Contained controls follow when this container's drawing area moves.
    void placeContained();

    runtime::Control* control_;
    QPointer<ControlWidget> widget_;
};

}  // namespace quillo::qt
