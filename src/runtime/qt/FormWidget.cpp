#include "runtime/qt/FormWidget.h"

#include <QCloseEvent>
#include <QMenu>
#include <QPainter>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <functional>

#include "runtime/Application.h"
#include "runtime/Form.h"
#include "runtime/Menu.h"
#include "runtime/qt/FormPeer.h"
#include "runtime/qt/ModelSync.h"
#include "runtime/qt/PixelScale.h"
#include "runtime/qt/Pixmaps.h"
#include "runtime/qt/QtColors.h"

namespace quillo::qt {

namespace {

// Runs the menu's Click when the user chooses it, unless it went or was switched off meanwhile.
std::function<void()> ClickOf(runtime::Menu& menu) {
    return [&menu, alive = menu.lifetime()] {
        if (!alive.expired() && menu.Enabled()) menu.fireClick();
    };
}

// Adds the visible menus to a menu bar or a menu; a menu with visible entries opens a submenu.
template <class Holder>
void AddMenus(Holder& holder, const std::vector<runtime::Menu*>& menus) {
    for (runtime::Menu* menu : menus) {
        if (!menu->Visible()) continue;
        const QString caption = QString::fromStdString(menu->Caption());
        if (caption == "-") {
            holder.addSeparator();
            continue;
        }
        std::vector<runtime::Menu*> entries = menu->children();
        const bool opens = std::any_of(entries.begin(), entries.end(),
                                       [](runtime::Menu* entry) { return entry->Visible(); });
        if (opens) {
            QMenu* submenu = holder.addMenu(caption);
            submenu->setEnabled(menu->Enabled());
            // Opening a menu is its Click, where programs tick or grey its entries.
            QObject::connect(submenu, &QMenu::aboutToShow, submenu, ClickOf(*menu));
            AddMenus(*submenu, entries);
        } else {
            QAction* action = holder.addAction(caption);
            action->setEnabled(menu->Enabled());
            action->setCheckable(menu->Checked());
            action->setChecked(menu->Checked());
            QObject::connect(action, &QAction::triggered, action, ClickOf(*menu));
        }
    }
}

}  // namespace

FormWidget::FormWidget(runtime::Form& form) : ControlWidget(form, nullptr) {
    setAttribute(Qt::WA_QuitOnClose, false);  // the forms decide when the program ends
    setAttribute(Qt::WA_OpaquePaintEvent);
}

runtime::Form* FormWidget::form() const {
    return static_cast<runtime::Form*>(control());
}

bool FormWidget::event(QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::WindowBlocked || type == QEvent::WindowUnblocked) {
        runtime::Form* owner = form();
        if (FormPeer* peer = owner ? FormPeer::of(*owner) : nullptr)
            peer->setBlocked(type == QEvent::WindowBlocked);
    }
    return ControlWidget::event(event);
}

void FormWidget::paintEvent(QPaintEvent*) {
    runtime::Form* owner = form();
    if (!owner) return;
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(owner->BackColor()));
    QPixmap picture = PixmapOf(owner->getPicture());
    if (!picture.isNull()) painter.drawPixmap(clientOrigin(), picture);
    PaintDrawList(painter, owner->drawList(), scale(), clientOrigin());
    // The platform raises Paint when the window comes up or is uncovered, and not while
    // AutoRedraw keeps the drawing for it.
    const bool forModel = modelUpdatePending_;
    modelUpdatePending_ = false;
    if (!owner->AutoRedraw() && !forModel) schedulePaintEvent();
}

void FormWidget::updateFromModel() {
    modelUpdatePending_ = true;
    update();
}

void FormWidget::schedulePaintEvent() {
    if (paintEventPending_) return;
    paintEventPending_ = true;
    QTimer::singleShot(0, this, [this] {
        paintEventPending_ = false;
        runtime::Form* owner = form();
        if (!owner || !owner->loaded()) return;
        owner->application().dispatch([owner] { owner->Paint(); });
    });
}

void FormWidget::moveEvent(QMoveEvent*) {
    reportGeometry();
}

void FormWidget::resizeEvent(QResizeEvent*) {
    if (menuBar_) menuBar_->setGeometry(0, 0, width(), menuBar_->sizeHint().height());
    reportGeometry();
}

void FormWidget::reportGeometry() {
    runtime::Form* owner = form();
    if (!owner || reporting_ || ModelSync::active() || !isVisible() || !confirmShown()) return;
    // The user (or the window manager) moved or sized the window. A move and a resize come as
    // two events of one change, so the whole new geometry is taken at the first; places the
    // model already holds are echoes of its own changes.
    const PixelScale pixels = scale();
    const QRect now(pos(), size());
    reporting_ = true;
    if (pixels.toPixels(owner->Left()) != now.x()) owner->setLeft(pixels.toTwips(now.x()));
    if (pixels.toPixels(owner->Top()) != now.y()) owner->setTop(pixels.toTwips(now.y()));
    if (pixels.toPixels(owner->Width()) != now.width())
        owner->setWidth(pixels.toTwips(now.width()));
    // A Resize handler may unload the form: the control is gone then.
    if (form() && pixels.toPixels(owner->Height()) != now.height())
        owner->setHeight(pixels.toTwips(now.height()));
    reporting_ = false;
    if (!form()) return;
    // A Resize handler may have set a geometry of its own; the window takes it now.
    const QRect wanted(pixels.toPixels(owner->Left()), pixels.toPixels(owner->Top()),
                       pixels.toPixels(owner->Width()), pixels.toPixels(owner->Height()));
    if (wanted != now && owner->peer()) owner->peer()->changed(*owner, runtime::Property::Geometry);
}

void FormWidget::changeEvent(QEvent* event) {
    ControlWidget::changeEvent(event);
    runtime::Form* owner = form();
    if (event->type() != QEvent::WindowStateChange || !owner || ModelSync::active()) return;
    runtime::WindowState state = runtime::WindowState::Normal;
    if (isMinimized())
        state = runtime::WindowState::Minimized;
    else if (isMaximized())
        state = runtime::WindowState::Maximized;
    if (state == owner->getWindowState()) return;
    owner->setWindowState(state);
    // The platform raises Resize when the user minimizes or restores a window.
    owner->application().dispatch([owner] { owner->Resize(); });
}

bool FormWidget::confirmShown() {
    if (!isMinimized()) return true;
    const QWindow* handle = windowHandle();
    if (!handle || !handle->isExposed()) return false;
    // Raises the state change that brings the form back to normal and lays it out.
    setWindowState(windowState() & ~Qt::WindowMinimized);
    return true;
}

void FormWidget::closeEvent(QCloseEvent* event) {
    // The form decides what the window system's close does; an unloaded form's peer then lets
    // the window go.
    event->ignore();
    if (runtime::Form* owner = form()) owner->fireCloseRequest();
}

QPoint FormWidget::clientOrigin() const {
    return menuBar_ ? QPoint(0, menuBar_->height()) : QPoint();
}

void FormWidget::menusChanged() {
    if (menusPending_) return;
    menusPending_ = true;
    QTimer::singleShot(0, this, [this] {
        menusPending_ = false;
        buildMenuBar();
    });
}

void FormWidget::buildMenuBar() {
    runtime::Form* owner = form();
    if (!owner) return;
    std::vector<runtime::Menu*> top;
    for (const auto& control : owner->controls())
        if (control->kind() == runtime::ControlKind::Menu && control->container() == owner &&
            control->Visible())
            top.push_back(static_cast<runtime::Menu*>(control.get()));
    const QPoint before = clientOrigin();
    if (menuBar_) {
        // It may be inside the Click of one of its own entries.
        menuBar_->hide();
        menuBar_->deleteLater();
        menuBar_ = nullptr;
    }
    if (!top.empty()) {
        menuBar_ = new QMenuBar(this);
        AddMenus(*menuBar_, top);
        menuBar_->setGeometry(0, 0, width(), menuBar_->sizeHint().height());
        menuBar_->show();
    }
    // The controls on the form move with the top of the drawing area.
    if (clientOrigin() != before && owner->peer())
        owner->peer()->changed(*owner, runtime::Property::Style);
    updateFromModel();
}

}  // namespace quillo::qt
