#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>

namespace quillo::qt {

// Moves or sizes a window with the mouse until the button comes up: the stand-in for the window
// system's own move and size loops where a platform cannot start them (offscreen, some Wayland
// compositors). Like those loops it takes the mouse moves while it runs.
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
    void follow(QPointF global);
    void finish();

    QPointer<QWidget> window_;
    Qt::Edges edges_;
    QPointF press_;
    QRect startGeometry_;
    QPoint startPosition_;
};

}  // namespace quillo::qt
