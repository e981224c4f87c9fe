#include "runtime/qt/ControlWidget.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleHints>
#include <cmath>

#include "runtime/Control.h"
#include "runtime/qt/ControlDrag.h"
#include "runtime/qt/FocusFollower.h"
#include "runtime/qt/FormWidget.h"
#include "runtime/qt/InputCodes.h"
#include "runtime/qt/PageKeyRoute.h"
#include "runtime/qt/PixelScale.h"
#include "runtime/qt/ShellDrop.h"

namespace quillo::qt {

bool ControlWidget::systemTookPress_ = false;
bool ControlWidget::captureReleased_ = false;
QPointF ControlWidget::lastPressGlobal_;
Qt::MouseButton ControlWidget::lastPressButton_ = Qt::NoButton;
quint64 ControlWidget::pressCount_ = 0;
quint64 ControlWidget::forgottenAt_ = 0;

ControlWidget::ControlWidget(runtime::Control& control, QWidget* parent)
    : QWidget(parent), control_(&control) {
    setMouseTracking(true);  // MouseMove also reports moves without a button held
    setFocusPolicy(Qt::NoFocus);
    // Every control answers file drops itself, so that one which refuses them does not hand
    // them on to its container.
    setAcceptDrops(true);
}

void ControlWidget::detach() {
    control_ = nullptr;
}

PixelScale ControlWidget::scale() const {
    return PixelScale::of(*control_);
}

ControlWidget* ControlWidget::under(QPointF global) {
    for (QWidget* widget = QApplication::widgetAt(global.toPoint()); widget;
         widget = widget->parentWidget()) {
        auto* candidate = qobject_cast<ControlWidget*>(widget);
        if (candidate && candidate->control() && candidate->isEnabled()) return candidate;
    }
    return nullptr;
}

QPointF ControlWidget::twipsAt(QPointF global) const {
    const QPointF local = mapFromGlobal(global);
    return {twipsX(local), twipsY(local)};
}

double ControlWidget::twipsX(const QPointF& position) const {
    return scale().toTwips(static_cast<int>(std::floor(position.x())) - clientOrigin().x());
}

double ControlWidget::twipsY(const QPointF& position) const {
    return scale().toTwips(static_cast<int>(std::floor(position.y())) - clientOrigin().y());
}

bool ControlWidget::isSecondClick(const QMouseEvent& event) const {
    if (!hadPress_ || pressNumber_ <= forgottenAt_ || event.button() != Qt::LeftButton)
        return false;
    const QStyleHints* hints = QGuiApplication::styleHints();
    if (event.timestamp() - lastPressTime_ >=
        static_cast<quint64>(hints->mouseDoubleClickInterval()))
        return false;
    QPointF moved = event.position() - lastPressPosition_;
    return std::abs(moved.x()) <= hints->mouseDoubleClickDistance() &&
           std::abs(moved.y()) <= hints->mouseDoubleClickDistance();
}

void ControlWidget::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (!control_) return;
    // A window the user presses in shows, whatever minimize was asked of it.
    if (auto* top = qobject_cast<FormWidget*>(window())) top->confirmShown();
    if (!control_) return;
    FocusFollower::follow();
    if (!control_) return;  // a LostFocus handler may have unloaded the form
    lastPressGlobal_ = event->globalPosition();
    lastPressButton_ = event->button();
    systemTookPress_ = false;
    captureReleased_ = false;
    int button = ButtonBits(event->button());
    if (button == 0) return;
    // A control in automatic drag mode is dragged by the press; it sees no mouse events.
    if (control_->DragMode() == 1 && event->button() == Qt::LeftButton) {
        ControlDrag::start(*this);
        return;
    }
    const bool second = isSecondClick(*event);
    pressNumber_ = ++pressCount_;
    if (second) {
        hadPress_ = false;  // a third press starts afresh
        inDoubleClick_ = true;
        control_->fireDblClick();
        return;
    }
    hadPress_ = event->button() == Qt::LeftButton;
    lastPressTime_ = event->timestamp();
    lastPressPosition_ = event->position();
    inDoubleClick_ = false;
    control_->fireMouseDown(button, ShiftBits(event->modifiers()), twipsX(event->position()),
                            twipsY(event->position()));
}

void ControlWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    if (!control_ || event->button() != Qt::LeftButton) return;
    // The window system pairs a press with the one before it, also across a pop-up menu. The
    // press it comes as (X delivers it as this event alone) is then a first press; when the
    // first press arrived already, this event is its echo.
    if (pressNumber_ > 0 && pressNumber_ <= forgottenAt_) {
        mousePressEvent(event);
        return;
    }
    if (pressNumber_ == forgottenAt_ + 1 && hadPress_ && event->timestamp() == lastPressTime_)
        return;
    // Usually the press before this event was already seen as the second click.
    if (inDoubleClick_) return;
    hadPress_ = false;
    inDoubleClick_ = true;
    control_->fireDblClick();
}

void ControlWidget::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (!control_) return;
    bool secondClick = inDoubleClick_;
    inDoubleClick_ = false;
    if (systemTookPress_) {
        systemTookPress_ = false;
        return;
    }
    const bool routed = routedToPointer(*event);
    captureReleased_ = false;
    if (routed) return;
    int button = ButtonBits(event->button());
    if (button == 0) return;
    control_->fireMouseUp(button, ShiftBits(event->modifiers()), twipsX(event->position()),
                          twipsY(event->position()));
    // The handler may have unloaded the form: the control is gone then.
    if (!control_ || secondClick) return;
    bool clickButton = event->button() == Qt::LeftButton || event->button() == Qt::RightButton;
    if (clickButton && rect().contains(event->position().toPoint())) control_->fireClick();
}

void ControlWidget::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (!control_ || systemTookPress_) return;
    if (event->buttons() != Qt::NoButton && routedToPointer(*event)) return;
    control_->fireMouseMove(ButtonBits(event->buttons()), ShiftBits(event->modifiers()),
                            twipsX(event->position()), twipsY(event->position()));
}

bool ControlWidget::routedToPointer(const QMouseEvent& event) {
    if (!captureReleased_) return false;
    ControlWidget* target = under(event.globalPosition());
    if (target == this) return false;
    if (!target) return true;  // outside the program: another program's pointer now
    const QPointF at = target->twipsAt(event.globalPosition());
    const int shift = ShiftBits(event.modifiers());
    if (event.type() == QEvent::MouseMove)
        target->control_->fireMouseMove(ButtonBits(event.buttons()), shift, at.x(), at.y());
    else if (const int button = ButtonBits(event.button()); button != 0)
        target->control_->fireMouseUp(button, shift, at.x(), at.y());
    return true;
}

void ControlWidget::keyPressEvent(QKeyEvent* event) {
    // Keys stop at the control that has them; the form sees them first only when it previews.
    event->accept();
    if (!control_ || PageKeyRoute::cameBackFromPage(*event, this)) return;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    bool reaches = true;
    if (int code = VirtualKeyCode(event->key(), modifiers); code != 0) {
        reaches = control_->fireKeyDown(code, ShiftBits(modifiers)) != 0;
        if (!control_) return;
    }
    const QString text = event->text();
    bool altOnly = (modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier);
    if (text.isEmpty() || altOnly || text.at(0) == QChar(0x7F)) {
        if (reaches) keyToWidget(*event);
        return;
    }
    const char32_t typed = text.toUcs4().value(0);
    const int left = control_->fireKeyPress(static_cast<int>(typed));
    if (!control_ || left == 0 || !reaches) return;
    if (static_cast<char32_t>(left) == typed) {
        keyToWidget(*event);
        return;
    }
    // The handler typed another character in place of this one.
    const char32_t replacement = static_cast<char32_t>(left);
    QKeyEvent changed(event->type(), event->key(), modifiers, QString::fromUcs4(&replacement, 1),
                      event->isAutoRepeat(), static_cast<quint16>(event->count()));
    keyToWidget(changed);
}

void ControlWidget::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
    // The window system repeats a held key as release and press pairs; only the last release is
    // the key coming up.
    if (!control_ || event->isAutoRepeat() || PageKeyRoute::cameBackFromPage(*event, this)) return;
    if (int code = VirtualKeyCode(event->key(), event->modifiers()); code != 0)
        control_->fireKeyUp(code, ShiftBits(event->modifiers()));
}

void ControlWidget::dragEnterEvent(QDragEnterEvent* event) {
    ClaimShellDrag(control_, *event);
}

void ControlWidget::dragMoveEvent(QDragMoveEvent* event) {
    TakeOrRefuseShellDrop(control_, *event);
}

void ControlWidget::dropEvent(QDropEvent* event) {
    if (!TakeOrRefuseShellDrop(control_, *event)) return;
    runtime::DataObject data(ShellDropFiles(*event));
    const QPointF at(twipsX(event->position()), twipsY(event->position()));
    const int effect = control_->fireOLEDragDrop(data, ButtonBits(event->buttons()),
                                                 ShiftBits(event->modifiers()), at.x(), at.y());
    if (effect == 0) event->ignore();
}

void ControlWidget::keyToWidget(QKeyEvent&) {}

}  // namespace quillo::qt
