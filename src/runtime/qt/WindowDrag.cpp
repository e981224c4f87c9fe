#include "runtime/qt/WindowDrag.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWindow>

#include "runtime/qt/ControlWidget.h"
#include "runtime/qt/X11MoveResize.h"

namespace quillo::qt {

namespace {
WindowDrag* current = nullptr;
}  // namespace

WindowDrag::WindowDrag(QWidget* window, Qt::Edges edges, QPointF pressGlobal,
                       Qt::MouseButton button)
    : window_(window),
      edges_(edges),
      button_(button),
      press_(pressGlobal),
      startGeometry_(window->geometry()),
      startPosition_(window->pos()) {}

void WindowDrag::start(QWidget* window, Qt::Edges edges, QPointF pressGlobal,
                       Qt::MouseButton button) {
    if (!window) return;
    if (current) current->finish();
    current = new WindowDrag(window, edges, pressGlobal, button);
    QCoreApplication::instance()->installEventFilter(current);
}

bool WindowDrag::running() {
    return current != nullptr;
}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event) {
    // Mouse events reach the window first and its widgets after; the widgets' copies decide.
    if (!watched->isWidgetType()) return false;
    if (event->type() == QEvent::MouseButtonRelease) {
        // Another button let go while the pressed one is held changes nothing.
        if (static_cast<QMouseEvent*>(event)->button() == button_) finish();
        return false;
    }
    if (event->type() != QEvent::MouseMove) return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    // The button came up where this drag did not see it.
    if (!(mouse->buttons() & button_)) {
        finish();
        return false;
    }
    if (following_) {
        follow(mouse->globalPosition());
        return true;
    }
    const QPointF moved = mouse->globalPosition() - press_;
    if (moved.manhattanLength() < QGuiApplication::styleHints()->startDragDistance()) return false;
    handOver(mouse->globalPosition());
    return true;
}

void WindowDrag::handOver(QPointF global) {
    ControlWidget::pressTakenBySystem();
    if (!window_) {
        finish();
        return;
    }
    following_ = true;
    // The window catches up with the pointer, which may be well past the drag distance by now;
    // the window system's loop goes on from there, with the pointer where the window stands
    // for it.
    const QPointF pointer = QCursor::pos();
    follow(pointer);
    if (startSystemLoop(pointer)) {
        finish();
        return;
    }
    // Our own loop follows the positions the mouse events give.
    follow(global);
}

bool WindowDrag::startSystemLoop(QPointF pointer) {
    QWindow* handle = window_->windowHandle();
    if (!handle) return false;
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return button_ == Qt::LeftButton && StartX11MoveResize(*handle, edges_, pointer);
    return edges_ ? handle->startSystemResize(edges_) : handle->startSystemMove();
}

void WindowDrag::follow(QPointF global) {
    if (!window_) {
        finish();
        return;
    }
    const QPoint delta = (global - press_).toPoint();
    if (!edges_) {
        window_->move(startPosition_ + delta);
        return;
    }
    QRect geometry = startGeometry_;
    const QSize least = window_->minimumSize().expandedTo(QSize(1, 1));
    if (edges_ & Qt::LeftEdge)
        geometry.setLeft(
            std::min(geometry.left() + delta.x(), geometry.right() + 1 - least.width()));
    if (edges_ & Qt::RightEdge)
        geometry.setWidth(std::max(least.width(), geometry.width() + delta.x()));
    if (edges_ & Qt::TopEdge)
        geometry.setTop(
            std::min(geometry.top() + delta.y(), geometry.bottom() + 1 - least.height()));
    if (edges_ & Qt::BottomEdge)
        geometry.setHeight(std::max(least.height(), geometry.height() + delta.y()));
    window_->setGeometry(geometry);
}

void WindowDrag::finish() {
    if (current == this) current = nullptr;
    QCoreApplication::instance()->removeEventFilter(this);
    deleteLater();
}

}  // namespace quillo::qt
