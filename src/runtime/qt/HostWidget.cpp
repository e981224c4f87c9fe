#include "runtime/qt/HostWidget.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleHints>
#include <cmath>

#include "runtime/Control.h"
#include "runtime/qt/InputCodes.h"
#include "runtime/qt/PixelScale.h"

namespace quillo::qt {

HostWidget::HostWidget(runtime::Control& control) : ControlWidget(control) {}

void HostWidget::setInner(QWidget* inner) {
    if (inner_ && inner_ != inner) {
        // It may be inside its own event handler.
        inner_->hide();
        inner_->deleteLater();
    }
    inner_ = inner;
    inner->setParent(this);
    inner->setGeometry(rect());
    setFocusProxy(inner);
    watch(inner);
    inner->show();
}

void HostWidget::watch(QWidget* part) {
    part->installEventFilter(this);
    part->setMouseTracking(true);
}

void HostWidget::resizeEvent(QResizeEvent* event) {
    ControlWidget::resizeEvent(event);
    if (inner_) inner_->setGeometry(rect());
}

bool HostWidget::eventFilter(QObject* watched, QEvent* event) {
    auto* part = qobject_cast<QWidget*>(watched);
    if (!part || forwarding_) return false;
    switch (event->type()) {
        case QEvent::KeyPress:
            keyTarget_ = part;
            keyPressEvent(static_cast<QKeyEvent*>(event));
            keyTarget_ = nullptr;
            return true;
        case QEvent::KeyRelease:
            keyReleaseEvent(static_cast<QKeyEvent*>(event));
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            const QPointF here = mapFromGlobal(mouse->globalPosition());
            QMouseEvent mapped(mouse->type(), here, mouse->globalPosition(), mouse->button(),
                               mouse->buttons(), mouse->modifiers());
            mapped.setTimestamp(mouse->timestamp());
            return mouseInput(mapped);
        }
        default:
            return false;
    }
}

bool HostWidget::mouseInput(QMouseEvent& event) {
    switch (event.type()) {
        case QEvent::MouseButtonPress:
            mousePressEvent(&event);
            break;
        case QEvent::MouseButtonRelease:
            mouseReleaseEvent(&event);
            break;
        case QEvent::MouseButtonDblClick:
            mouseDoubleClickEvent(&event);
            break;
        default:
            mouseMoveEvent(&event);
            break;
    }
    return false;
}

void HostWidget::reportMouse(const QMouseEvent& event) {
    runtime::Control* target = control();
    if (!target) return;
    const PixelScale pixels = scale();
    const double x = pixels.toTwips(static_cast<int>(std::floor(event.position().x())));
    const double y = pixels.toTwips(static_cast<int>(std::floor(event.position().y())));
    const int shift = ShiftBits(event.modifiers());
    switch (event.type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (int button = ButtonBits(event.button()); button != 0)
                target->fireMouseDown(button, shift, x, y);
            break;
        case QEvent::MouseButtonRelease:
            if (int button = ButtonBits(event.button()); button != 0)
                target->fireMouseUp(button, shift, x, y);
            break;
        default:
            target->fireMouseMove(ButtonBits(event.buttons()), shift, x, y);
            break;
    }
}

bool HostWidget::secondPress(const QMouseEvent& event) {
    const QStyleHints* hints = QGuiApplication::styleHints();
    const QPointF moved = event.position() - lastPressPosition_;
    const bool second = hadPress_ && event.button() == Qt::LeftButton &&
                        event.timestamp() - lastPressTime_ <
                            static_cast<quint64>(hints->mouseDoubleClickInterval()) &&
                        std::abs(moved.x()) <= hints->mouseDoubleClickDistance() &&
                        std::abs(moved.y()) <= hints->mouseDoubleClickDistance();
    // A third press starts afresh.
    hadPress_ = !second && event.button() == Qt::LeftButton;
    inDoubleClick_ = second;
    lastPressTime_ = event.timestamp();
    lastPressPosition_ = event.position();
    return second;
}

bool HostWidget::lateDoubleClick(const QMouseEvent& event) {
    if (inDoubleClick_ || event.button() != Qt::LeftButton) return false;
    hadPress_ = false;
    inDoubleClick_ = true;
    return true;
}

void HostWidget::keyPressEvent(QKeyEvent* event) {
    // A key the inner widget ignored comes back up here; the handlers had it already.
    if (forwarding_) {
        event->accept();
        return;
    }
    ControlWidget::keyPressEvent(event);
}

void HostWidget::keyReleaseEvent(QKeyEvent* event) {
    if (forwarding_) {
        event->accept();
        return;
    }
    ControlWidget::keyReleaseEvent(event);
}

void HostWidget::keyToWidget(QKeyEvent& event) {
    QWidget* target = keyTarget_ ? keyTarget_.data() : inner_.data();
    if (!target) return;
    forwarding_ = true;
    QCoreApplication::sendEvent(target, &event);
    forwarding_ = false;
}

}  // namespace quillo::qt
