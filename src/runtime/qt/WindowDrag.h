#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>

namespace quillo::qt {

// A press that moves or sizes a window. It waits until the pointer has moved by the platform's
// drag distance with the button held, so that a click or a double click stays the control's;
// then it hands the press to the window system's move or size loop, or moves or sizes the
// window with the mouse itself until the pressed button comes up: where the platform offers no
// loop (no window manager, offscreen), and for the buttons other than the left one, whose
// release an X11 window manager's loop would not wait for. Like the window system's loops it
// takes the mouse moves from then. Either way the window ends where the pointer's offset at
// the press puts it.
class WindowDrag : public QObject {
    Q_OBJECT
  public:
    // edges empty moves the window; pressGlobal is where the press that started it happened,
    // button the button pressed.
    static void start(QWidget* window, Qt::Edges edges, QPointF pressGlobal,
                      Qt::MouseButton button);
    static bool running();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    WindowDrag(QWidget* window, Qt::Edges edges, QPointF pressGlobal, Qt::MouseButton button);
    // The pointer is far enough from the press: the window system's loop or our own takes over.
    void handOver(QPointF global);
    // Starts the window system's loop from where the pointer is; false where it has none for
    // this button.
    bool startSystemLoop(QPointF pointer);
    void follow(QPointF global);
    void finish();

    QPointer<QWidget> window_;
    Qt::Edges edges_;
    Qt::MouseButton button_;
    QPointF press_;
    QRect startGeometry_;
    QPoint startPosition_;
    bool following_ = false;
};

}  // namespace quillo::qt
