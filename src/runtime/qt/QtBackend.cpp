#include "runtime/qt/QtBackend.h"

#include "runtime/qt/QtHttpTransfer.h"
#include "runtime/qt/QtMediaPlayer.h"
#include "runtime/qt/QtPopupMenu.h"
#include "runtime/qt/QtWebEngine.h"
#include "runtime/qt/WebEngineWarmUp.h"
#include "runtime/qt/WidgetPeer.h"

#include <QApplication>
#include <QEventLoop>
#include <QPointer>
#include <QScreen>
#include <QTime>
#include <algorithm>
#include <climits>

#include "runtime/Application.h"
#include "runtime/qt/FocusFollower.h"
#include "runtime/qt/ModelSync.h"
#include "runtime/qt/PeerFactory.h"
#include "runtime/qt/WidgetPeer.h"

namespace quillo::qt {

QtBackend::QtBackend() {
    clock_.start();
    driver_.setSingleShot(true);
    driver_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&driver_, &QTimer::timeout, &driver_, [this] { tick(); });
    // Hidden forms keep the program alive; the runtime says when it ends.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    FocusFollower::install();
}

QtBackend::~QtBackend() = default;

void QtBackend::scheduleChanged() {
    runtime::Application& application = runtime::app();
    if (application.hasPosted()) {
        driver_.start(0);
        return;
    }
    std::optional<std::int64_t> due = application.nextDue();
    if (!due) {
        driver_.stop();
        return;
    }
    driver_.start(static_cast<int>(std::clamp<std::int64_t>(*due - now(), 0, INT_MAX)));
}

void QtBackend::tick() {
    runtime::Application& application = runtime::app();
    application.runPosted();
    application.runDueTimers();
    application.runPosted();
    scheduleChanged();
}

runtime::TimeOfDay QtBackend::timeOfDay() {
    QTime time = QTime::currentTime();
    return {time.hour(), time.minute(), time.second()};
}

std::unique_ptr<runtime::ControlPeer> QtBackend::createPeer(runtime::Control& control) {
    return CreatePeer(control, [this] { checkModals(); });
}

void QtBackend::runModal(runtime::Form& form, const std::function<bool()>& finished) {
    if (finished()) return;
    QPointer<ControlWidget> window = WidgetPeer::widgetOf(form);
    if (window && window->isVisible() && !window->isModal()) {
        // It was shown modeless before; modality takes effect when a window is shown.
        {
            ModelSync sync;
            window->hide();
        }
        form.peer()->changed(form, runtime::Property::Visible);
    }
    QEventLoop loop;
    modals_.push_back({&finished, &loop});
    loop.exec();
    modals_.pop_back();
    if (window && !window->isVisible()) window->setWindowModality(Qt::NonModal);
    checkModals();
}

void QtBackend::checkModals() {
    if (!modals_.empty() && (*modals_.back().finished)()) modals_.back().loop->exit();
}

void QtBackend::quit() {
    quitRequested_ = true;
    if (running_) QCoreApplication::exit(0);
}

int QtBackend::exec() {
    if (quitRequested_) return 0;
    running_ = true;
    // The web engine starts as soon as the loop runs, behind what the program has shown so far.
    QTimer::singleShot(0, [] { WarmUpWebEngine(); });
    int result = QApplication::exec();
    running_ = false;
    return result;
}

runtime::ScreenInfo QtBackend::screen() {
    runtime::ScreenInfo info;
    QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary) return info;
    info.widthPx = primary->geometry().width();
    info.heightPx = primary->geometry().height();
    info.dpiX = primary->logicalDotsPerInchX();
    info.dpiY = primary->logicalDotsPerInchY();
    return info;
}

long QtBackend::showPopupMenu(const runtime::MenuRequest& request) {
    return ShowPopupMenu(request);
}

std::unique_ptr<runtime::WebEngine> QtBackend::createWebEngine(runtime::WebBrowser& browser) {
    return std::make_unique<QtWebEngine>(browser);
}

std::unique_ptr<runtime::HttpTransfer> QtBackend::createHttpTransfer(runtime::Inet& inet) {
    return std::make_unique<QtHttpTransfer>(inet);
}

std::unique_ptr<runtime::MediaPlayer> QtBackend::createMediaPlayer(
    const runtime::MediaOpenRequest& request) {
    QWidget* parent = request.parent ? WidgetPeer::widgetOf(*request.parent) : nullptr;
    return std::make_unique<QtMediaPlayer>(request, parent);
}

}  // namespace quillo::qt
