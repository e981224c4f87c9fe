#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>

namespace quillo::qt {

// A press that moves or sizes a window. It waits until the pointer has moved by the platform's
// drag distance with the button held, so that a click or a double click stays the control's;
// then it hands the press to the window system's move or size loop, or, where the platform
// offers none (no window manager, offscreen), moves or sizes the window with the mouse itself
// until the button comes up. Like the window system's loops it takes the mouse moves from then.
class WindowDrag : public QObject {
    Q_OBJECT
  public:
    // edges empty moves the window; pressGlobal is where the press that started it happened.
    static void start(QWidget* window, Qt::Edges edges, QPointF pressGlobal);
    static bool running();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    WindowDrag(QWidget* window, Qt::Edges edges, QPointF pressGlobal);
    // The pointer is far enough from the press: the window system's loop or our own takes over.
    void handOver(QPointF global);
    void follow(QPointF global);
    void finish();

    QPointer<QWidget> window_;
    Qt::Edges edges_;
    QPointF press_;
    QRect startGeometry_;
    QPoint startPosition_;
    bool following_ = false;
};

}  // namespace quillo::qt
