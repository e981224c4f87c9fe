#include "runtime/qt/ControlDrag.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "runtime/Control.h"
#include "runtime/qt/ControlWidget.h"

namespace quillo::qt {

namespace {
ControlDrag* current = nullptr;

bool isMouseEvent(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove;
}
}  // namespace

ControlDrag::ControlDrag(ControlWidget& source)
    : sourceWidget_(&source), source_(source.control()), sourceAlive_(source_->lifetime()) {}

void ControlDrag::start(ControlWidget& source) {
    if (!source.control()) return;
    if (current && current->source_ == source.control()) return;
    if (current) current->finish();
    current = new ControlDrag(source);
    QCoreApplication::instance()->installEventFilter(current);
    QGuiApplication::setOverrideCursor(Qt::DragMoveCursor);
    // Holding the mouse keeps the release ours wherever it happens; a hidden widget cannot.
    if (source.isVisible()) {
        source.grabMouse();
        source.grabKeyboard();
    }
}

void ControlDrag::cancel(const runtime::Control& source) {
    if (current && current->source_ == &source) current->finish();
}

bool ControlDrag::eventFilter(QObject* watched, QEvent* event) {
    if (sourceAlive_.expired()) {
        finish();
        return false;
    }
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        finish();
        return true;
    }
    // Mouse events reach the window first and its widgets after; the widgets' copies decide.
    if (!isMouseEvent(type) || !watched->isWidgetType()) return false;
    if (type == QEvent::MouseButtonRelease)
        drop(static_cast<QMouseEvent*>(event)->globalPosition());
    return true;
}

void ControlDrag::drop(QPointF global) {
    runtime::Control* source = source_;
    finish();
    ControlWidget* target = ControlWidget::under(global);
    if (!target) return;
    const QPointF twips = target->twipsAt(global);
    target->control()->fireDragDrop(*source, twips.x(), twips.y());
}

void ControlDrag::finish() {
    if (current != this) return;
    current = nullptr;
    QCoreApplication::instance()->removeEventFilter(this);
    QGuiApplication::restoreOverrideCursor();
    if (sourceWidget_) {
        if (QWidget::mouseGrabber() == sourceWidget_) sourceWidget_->releaseMouse();
        if (QWidget::keyboardGrabber() == sourceWidget_) sourceWidget_->releaseKeyboard();
    }
    // A drag begun by Drag ends in the model too.
    if (!sourceAlive_.expired() && source_->dragging()) source_->Drag(0);
    deleteLater();
}

}  // namespace quillo::qt
