#include "runtime/qt/QtSession.h"

#include <unistd.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

#include "runtime/qt/QtBackend.h"

namespace quillo::qt {

namespace {

// The web engine's sandbox refuses to run as root; set before the application exists.
int& prepared(int& argc) {
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox");
    return argc;
}

}  // namespace

struct QtSession::Parts {
    Parts(int& argc, char** argv) : application(prepared(argc), argv) {}
    QApplication application;
    QtBackend backend;
};

QtSession::QtSession(int& argc, char** argv) : parts_(std::make_unique<Parts>(argc, argv)) {}

QtSession::~QtSession() = default;

runtime::Backend& QtSession::backend() {
    return parts_->backend;
}

void QtSession::runFor(int milliseconds) {
    if (milliseconds <= 0) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void QtSession::paintWindows() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible()) window->repaint();
}

}  // namespace quillo::qt
