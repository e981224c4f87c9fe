#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QFileDialog>
#include <QImage>
#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "runtime/Application.h"
#include "runtime/qt/QtBackend.h"

class QWidget;

namespace quillo::e2e {

// Each test gets a fresh Qt backend and application with a temporary program folder; the
// QApplication is made once for the whole test program (offscreen unless a display is given).
class QtFixture : public ::testing::Test {
  protected:
    QtFixture();
    ~QtFixture() override;

    runtime::Application& application() { return *application_; }
    qt::QtBackend& backend() { return backend_; }

    // Runs the event loop until the condition holds or the time is up; the condition's value.
    static bool waitFor(const std::function<bool()>& condition, int timeoutMs = 3000);
    // Lets pending events (and deferred deletions) run.
    static void settle();
    // A picture file of one colour (PNG content, no extension).
    std::string writePicture(const std::string& name, QColor color, int width, int height);
    // The widget as it paints itself.
    static QImage grab(QWidget* widget);
    // The widget of a control, or nullptr.
    static QWidget* widgetOf(const runtime::Control& control);

    std::string folder_;

  private:
    qt::QtBackend backend_;
    std::unique_ptr<runtime::Application> application_;
};

// Acts on the platform's dialog once it is up, as the user would. A dialog slow to come up on a
// busy machine is waited for; one that never comes fails the test, and whatever modal window
// is up then is closed, so the test ends instead of waiting for ever.
template <class Dialog>
void whenShown(QObject* context, std::function<void(Dialog&)> act) {
    auto attempts = std::make_shared<int>(0);
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [context, act, attempts, poll] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<Dialog*>(modal)) {
            act(*dialog);
            return;
        }
        if (++*attempts < 2000) {
            QTimer::singleShot(10, context, *poll);
            return;
        }
        ADD_FAILURE() << "the expected dialog never came up";
        if (modal) modal->close();
    };
    QTimer::singleShot(10, context, *poll);
}

// Chooses a file in an open dialog as the user types its path: the name box takes the whole
// path even while it has the focus, which selecting the file would leave unchanged.
void ChooseFile(QFileDialog& dialog, const std::string& path);

}  // namespace quillo::e2e
