#include "QtFixture.h"

#include <stdlib.h>

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <stdexcept>

#include "runtime/qt/WidgetPeer.h"

namespace quillo::e2e {

namespace {

class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
            qEnvironmentVariableIsEmpty("DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "quillo_qt_tests";
        static char* argv[] = {name, nullptr};
        application_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { application_.reset(); }

  private:
    std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

QtFixture::QtFixture() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quillo-e2e-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    folder_ = pattern;
    std::filesystem::create_directories(folder_ + "/windows/Favorites");
    runtime::AppInfo info;
    info.Path = folder_;
    info.WindowsDir = folder_ + "/windows";
    application_ = std::make_unique<runtime::Application>(backend_, info);
}

QtFixture::~QtFixture() {
    application_.reset();
    settle();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

bool QtFixture::waitFor(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!condition()) {
        if (elapsed.elapsed() > timeoutMs) return false;
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

void QtFixture::settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::string QtFixture::writePicture(const std::string& name, QColor color, int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    std::string path = folder_ + "/" + name;
    image.save(QString::fromStdString(path), "PNG");
    return path;
}

QImage QtFixture::grab(QWidget* widget) {
    return widget->grab().toImage();
}

QWidget* QtFixture::widgetOf(const runtime::Control& control) {
    return qt::WidgetPeer::widgetOf(control);
}

void ChooseFile(QFileDialog& dialog, const std::string& path) {
    auto* nameBox = dialog.findChild<QLineEdit*>("fileNameEdit");
    if (nameBox)
        nameBox->setText(QString::fromStdString(path));
    else
        dialog.selectFile(QString::fromStdString(path));
    static_cast<QDialog&>(dialog).accept();
}

}  // namespace quillo::e2e
