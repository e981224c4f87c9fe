#pragma once

#include <QPointF>
#include <QWidget>

#include "runtime/ControlPeer.h"

namespace quillo::runtime {
class Control;
}

namespace quillo::qt {

class PixelScale;

// The widget of a control: it paints from the control's current values and turns the user's
// mouse and keyboard input into the control's events. Once detached (the control is going) it
// neither paints from nor sends to the control.
class ControlWidget : public QWidget {
    Q_OBJECT
  public:
    explicit ControlWidget(runtime::Control& control, QWidget* parent = nullptr);

    runtime::Control* control() const { return control_; }
    void detach();

    // Where the drawing area starts: the origin of contained controls and of mouse coordinates.
    virtual QPoint clientOrigin() const { return {}; }
    // Controls drawn on their container (labels, images) lie below the windowed ones there.
    virtual bool windowless() const { return false; }

    // The widget's rectangle for the place the model gives, both in pixels of the container.
    virtual QRect placement(const QRect& place) const { return place; }
    // Brings what only this kind of control shows (text, entries, value) in line with the model
    // after the common handling of a change; the caller holds the ModelSync mark.
    virtual void mirror(runtime::Property) {}
    // Brings one step in the entries, nodes or items in line; a widget that shows them only as a
    // whole reads them all again.
    virtual void mirrorEntry(const runtime::EntryChange& change) {
        mirror(change.kind == runtime::EntryChange::Kind::Expanded ? runtime::Property::Expansion
                                                                   : runtime::Property::Items);
    }
    // The id of the tree node or list item at x, y (twips of the drawing area), 0 for none.
    virtual long itemAt(double, double) const { return 0; }

    // The press in progress was handed to the window system's move or size loop: like the
    // platform's loop, it takes the release, so neither MouseUp nor Click follows.
    static void pressTakenBySystem() { systemTookPress_ = true; }
    // Where the last press happened, in global pixels.
    static QPointF lastPressPosition() { return lastPressGlobal_; }
    static Qt::MouseButton lastPressButton() { return lastPressButton_; }
    // The press in progress lets go of the mouse: until the button comes up, its moves and its
    // release go to the control under the pointer instead of the pressed one.
    static void releaseCapture() { captureReleased_ = true; }

    // The enabled control under a point of the screen (global pixels), in any window of the
    // program; nullptr outside them.
    static ControlWidget* under(QPointF global);
    // A point of the screen in twips of this control's drawing area.
    QPointF twipsAt(QPointF global) const;
    // A pop-up menu came and went between presses: the next press starts a click of its own and
    // never makes a double click with one from before the menu.
    static void forgetPresses() { forgottenAt_ = pressCount_; }

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    // Files dropped from other programs: taken when the control's OLEDropMode is manual,
    // refused when it is none.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

    // A key that the handlers let through reaches the widget's own handling here; controls
    // without one (pictures, labels, forms) have nothing to do with it.
    virtual void keyToWidget(QKeyEvent& event);
    PixelScale scale() const;

  private:
    double twipsX(const QPointF& position) const;
    double twipsY(const QPointF& position) const;
    bool isSecondClick(const QMouseEvent& event) const;
    // After the press let go of the mouse, a move or release over another control goes there;
    // true when the event was taken that way (or fell outside every window).
    bool routedToPointer(const QMouseEvent& event);

    runtime::Control* control_;
    // The press before, for telling a double click: a second left press soon and near enough
    // is the double click itself and raises DblClick instead of MouseDown, as on the platform.
    bool hadPress_ = false;
    quint64 lastPressTime_ = 0;
    QPointF lastPressPosition_;
    bool inDoubleClick_ = false;
    // The number of this widget's last press among all presses.
    quint64 pressNumber_ = 0;

    static bool systemTookPress_;
    static bool captureReleased_;
    static QPointF lastPressGlobal_;
    static Qt::MouseButton lastPressButton_;
    // Presses so far, and their number when they were last forgotten.
    static quint64 pressCount_;
    static quint64 forgottenAt_;
};

}  // namespace quillo::qt
