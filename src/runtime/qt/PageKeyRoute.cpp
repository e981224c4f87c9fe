#include "runtime/qt/PageKeyRoute.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <deque>

#include "runtime/Control.h"
#include "runtime/Form.h"
#include "runtime/qt/InputCodes.h"

namespace quillo::qt {

namespace {

// How long a key that went to a page may take to come back unhandled.
constexpr qint64 kComebackMs = 3000;
constexpr std::size_t kRemembered = 16;

// A key that went to a page, known again by its kind, key, modifiers and time stamp.
struct RoutedKey {
    QEvent::Type type;
    int key;
    Qt::KeyboardModifiers modifiers;
    quint64 timestamp;
    QPointer<QWidget> view;
    qint64 routedAt;
};

QElapsedTimer& clock() {
    static QElapsedTimer timer = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return timer;
}

std::deque<RoutedKey>& routedKeys() {
    static std::deque<RoutedKey> keys;
    return keys;
}

}  // namespace

PageKeyRoute::PageKeyRoute(QWidget* view, runtime::Control& control)
    : QObject(view), view_(view), control_(&control), life_(control.lifetime()) {
    watch(view);
}

bool PageKeyRoute::cameBackFromPage(const QKeyEvent& event, const QWidget* receiver) {
    auto& keys = routedKeys();
    const qint64 now = clock().elapsed();
    std::erase_if(keys, [now](const RoutedKey& key) {
        return !key.view || now - key.routedAt > kComebackMs;
    });
    auto found = std::find_if(keys.begin(), keys.end(), [&](const RoutedKey& key) {
        return key.type == event.type() && key.key == event.key() &&
               key.modifiers == event.modifiers() && key.timestamp == event.timestamp() &&
               key.view->parentWidget() == receiver;
    });
    if (found == keys.end()) return false;
    keys.erase(found);
    return true;
}

runtime::Control* PageKeyRoute::controlOf(const QWidget* view) {
    auto* route = view->findChild<PageKeyRoute*>(QString(), Qt::FindDirectChildrenOnly);
    return route && !route->life_.expired() ? route->control_ : nullptr;
}

void PageKeyRoute::watch(QObject* object) {
    if (!object->isWidgetType()) return;
    object->installEventFilter(this);
    for (QObject* child : object->children())
        watch(child);
}

bool PageKeyRoute::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ChildAdded:
            watch(static_cast<QChildEvent*>(event)->child());
            break;
        case QEvent::ShortcutOverride:
            if (handingOn_) break;
            holdOverride(watched, *static_cast<QKeyEvent*>(event));
            return true;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            if (routeKey(*static_cast<QKeyEvent*>(event))) break;
            return true;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

bool PageKeyRoute::routeKey(QKeyEvent& key) {
    if (onItsWayUp(key)) return true;
    inFlight_ = &key;
    inFlightType_ = key.type();
    inFlightKey_ = key.key();
    if (routed(key)) {
        if (key.type() == QEvent::KeyPress) handOnOverride(key);
        auto& keys = routedKeys();
        keys.push_back(
            {key.type(), key.key(), key.modifiers(), key.timestamp(), view_, clock().elapsed()});
        if (keys.size() > kRemembered) keys.pop_front();
        return true;
    }
    inFlight_ = nullptr;
    heldOverride_.reset();
    key.accept();
    return false;
}

void PageKeyRoute::holdOverride(QObject* watched, const QKeyEvent& override) {
    // Not taken by the widget it was meant for, the override goes on up to the view; it is held
    // for that widget. Then Qt looks for a shortcut of the program's own, and the key press
    // follows.
    if (heldOverride_ && heldOverride_->key() == override.key() &&
        heldOverride_->modifiers() == override.modifiers() &&
        heldOverride_->timestamp() == override.timestamp())
        return;
    heldOverride_ = std::make_unique<QKeyEvent>(
        QEvent::ShortcutOverride, override.key(), override.modifiers(), override.text(),
        override.isAutoRepeat(), static_cast<quint16>(override.count()));
    heldOverride_->setTimestamp(override.timestamp());
    heldFor_ = watched;
}

void PageKeyRoute::handOnOverride(const QKeyEvent& press) {
    std::unique_ptr<QKeyEvent> held = std::move(heldOverride_);
    if (!held || !heldFor_ || held->key() != press.key() || held->modifiers() != press.modifiers())
        return;
    handingOn_ = true;
    QCoreApplication::sendEvent(heldFor_, held.get());
    handingOn_ = false;
}

bool PageKeyRoute::onItsWayUp(const QKeyEvent& key) const {
    return &key == inFlight_ && key.type() == inFlightType_ && key.key() == inFlightKey_;
}

bool PageKeyRoute::routed(const QKeyEvent& key) {
    if (life_.expired() || !control_->form().loaded()) return true;
    const int code = VirtualKeyCode(key.key(), key.modifiers());
    if (code == 0) return true;
    const int shift = ShiftBits(key.modifiers());
    if (key.type() == QEvent::KeyPress) return control_->fireKeyDown(code, shift) != 0;
    // The window system repeats a held key as release and press pairs; only the last release is
    // the key coming up.
    if (key.isAutoRepeat()) return true;
    return control_->fireKeyUp(code, shift) != 0;
}

}  // namespace quillo::qt
