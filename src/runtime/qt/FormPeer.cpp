#include "runtime/qt/FormPeer.h"

#include <QWindow>

#include "runtime/Form.h"
#include "runtime/qt/FormWidget.h"
#include "runtime/qt/PixelScale.h"

namespace quillo::qt {

using runtime::Property;

namespace {
bool sizable(int borderStyle) {
    return borderStyle == 2 || borderStyle == 5;
}
}  // namespace

FormPeer::FormPeer(runtime::Form& form, std::function<void()> shownOrGone)
    : WidgetPeer(form, new FormWidget(form)), shownOrGone_(std::move(shownOrGone)) {}

// The base destructor cannot reach this class's release any more.
FormPeer::~FormPeer() {
    release();
}

std::unique_ptr<runtime::ControlPeer> FormPeer::createPeer(runtime::Form& form,
                                                           std::function<void()> shownOrGone) {
    auto peer = std::make_unique<FormPeer>(form, std::move(shownOrGone));
    peer->mirrorAll();
    return peer;
}

FormPeer* FormPeer::of(const runtime::Form& form) {
    return dynamic_cast<FormPeer*>(form.peer());
}

runtime::Form& FormPeer::form() const {
    return static_cast<runtime::Form&>(control());
}

void FormPeer::apply(Property property) {
    switch (property) {
        case Property::Container:
            break;  // a window has no container
        case Property::Caption:
            widget()->setWindowTitle(QString::fromStdString(form().Caption()));
            break;
        case Property::Style:
            applyFlags();
            WidgetPeer::apply(property);
            break;
        case Property::WindowState:
            applyWindowState();
            break;
        case Property::Colors:
        case Property::Picture:
        case Property::Draw:
            static_cast<FormWidget*>(widget())->updateFromModel();
            break;
        case Property::Focus:
            WidgetPeer::apply(property);
            widget()->activateWindow();
            break;
        default:
            WidgetPeer::apply(property);
            break;
    }
}

void FormPeer::applyFlags() {
    const int border = form().BorderStyle();
    // A modal window is a dialog, which the window system keeps with the window that owns it.
    // It takes the topmost layer, and the windows it blocks leave that layer while it is up:
    // whatever the window manager does with a dialog, no window of the program can come over it.
    const bool modal = form().modal();
    Qt::WindowFlags flags = modal ? Qt::Dialog : border >= 4 ? Qt::Tool : Qt::Window;
    if (border == 0) flags |= Qt::FramelessWindowHint;
    if ((topmost_ || modal) && !blocked_) flags |= Qt::WindowStaysOnTopHint;
    QWidget* window = widget();
    if (window->windowFlags() == flags) return;
    QWindow* handle = window->windowHandle();
    if (handle && window->isVisible() &&
        (window->windowFlags() ^ flags) == Qt::WindowStaysOnTopHint) {
        // Only the layer changes: the window system is told while the window stays up, where
        // hiding and showing it again could lose the change to a window manager still busy
        // with the hiding.
        window->overrideWindowFlags(flags);
        handle->setFlags(flags);
        if (flags & Qt::WindowStaysOnTopHint) window->raise();
        return;
    }
    // New flags hide the window; it keeps its place and stays shown.
    bool shown = window->isVisible();
    window->setWindowFlags(flags);
    applyGeometry();
    if (shown) window->show();
}

void FormPeer::applyOwner() {
    QWidget* window = widget();
    // Modality takes effect when a window is shown.
    if (!window->isVisible())
        window->setWindowModality(form().modal() ? Qt::ApplicationModal : Qt::NonModal);
    applyFlags();
    // A modal window belongs to the window it was opened over: the window manager keeps it
    // above that one and never lets it fall behind.
    runtime::Form* owner = form().owner();
    QWidget* ownerWindow = owner && form().modal() ? widgetOf(*owner) : nullptr;
    window->winId();  // the native window, to hang the owner on
    if (QWindow* handle = window->windowHandle())
        handle->setTransientParent(ownerWindow ? ownerWindow->windowHandle() : nullptr);
}

void FormPeer::setTopmost(bool topmost) {
    if (!widget()) return;
    topmost_ = topmost;
    applyFlags();
}

void FormPeer::setBlocked(bool blocked) {
    if (!widget() || blocked_ == blocked) return;
    blocked_ = blocked;
    applyFlags();
}

void FormPeer::applyGeometry() {
    if (static_cast<FormWidget*>(widget())->reporting()) return;
    PixelScale scale = PixelScale::of(form());
    QSize size(std::max(1, scale.toPixels(form().Width())),
               std::max(1, scale.toPixels(form().Height())));
    widget()->move(scale.toPixels(form().Left()), scale.toPixels(form().Top()));
    if (sizable(form().BorderStyle()) || form().BorderStyle() == 0) {
        // The window manager is told the least size, so its size loop stops there.
        widget()->setMinimumSize(scale.toPixels(form().MinimumWidth()),
                                 scale.toPixels(form().MinimumHeight()));
        widget()->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        widget()->resize(size);
    } else {
        widget()->setFixedSize(size);
    }
}

void FormPeer::applyWindowState() {
    Qt::WindowStates state = Qt::WindowNoState;
    if (form().getWindowState() == runtime::WindowState::Minimized) state = Qt::WindowMinimized;
    if (form().getWindowState() == runtime::WindowState::Maximized) state = Qt::WindowMaximized;
    widget()->setWindowState(state);
}

void FormPeer::applyVisible() {
    if (form().Visible()) {
        applyOwner();
        widget()->show();
        widget()->raise();
        widget()->activateWindow();
    } else {
        widget()->hide();
    }
    if (shownOrGone_) shownOrGone_();
}

void FormPeer::release() {
    bool had = widget() != nullptr;
    WidgetPeer::release();
    if (had && shownOrGone_) shownOrGone_();
}

}  // namespace quillo::qt
