#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPoint>
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

}  // namespace quillo::e2e
