#pragma once

#include <QPointer>

#include "runtime/qt/ControlWidget.h"

class QMouseEvent;

namespace quillo::qt {

// A control shown by a Qt widget of its own (an edit field, a list, a tree) that fills it. Keys
// reach the inner widget only through the control's key events, so a handler that swallows a key
// keeps it from the inner widget; mouse input is reported as the control's mouse events and then
// handled by the inner widget as usual.
class HostWidget : public ControlWidget {
    Q_OBJECT
  public:
    explicit HostWidget(runtime::Control& control);

  protected:
    // Takes the inner widget in place of the one before and watches its input.
    void setInner(QWidget* inner);
    QWidget* inner() const { return inner_; }
    // Also watches a part of the inner widget that gets input itself (a viewport, a line edit).
    void watch(QWidget* part);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyToWidget(QKeyEvent& event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

    // Mouse input on a watched part, in this widget's coordinates. By default it raises the
    // mouse events (and Click) as on any control and lets the part handle it too; true keeps
    // the part from seeing it.
    virtual bool mouseInput(QMouseEvent& event);
    // Raises MouseDown, MouseMove or MouseUp for the event, without any Click.
    void reportMouse(const QMouseEvent& event);
    // Notes a press of the mouse on the rows of a list or tree; true when it is the second
    // press of a double click (soon after and near the first), which raises DblClick in place
    // of MouseDown and the rows' own click.
    bool secondPress(const QMouseEvent& event);
    // A double-click event from Qt: true when the press before it was not already taken as the
    // second press.
    bool lateDoubleClick(const QMouseEvent& event);
    // Between the second press of a double click and its release, which clicks nothing.
    bool inDoubleClick() const { return inDoubleClick_; }

  private:
    QPointer<QWidget> inner_;
    // The part that a key arrived at, which gets it back when the handlers let it through.
    QPointer<QWidget> keyTarget_;
    bool forwarding_ = false;
    quint64 lastPressTime_ = 0;
    QPointF lastPressPosition_;
    bool hadPress_ = false;
    bool inDoubleClick_ = false;
};

}  // namespace quillo::qt
