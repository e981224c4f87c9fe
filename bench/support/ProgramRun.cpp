#include "ProgramRun.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <filesystem>

#include "mainwindow/FormSplashScreen.h"
#include "mainwindow/form1.h"
#include "runtime/Application.h"
#include "runtime/qt/MakersSite.h"
#include "runtime/qt/QtBackend.h"

namespace bench {

struct ProgramRun::Parts {
    Parts(int& argc, char** argv) : qt(argc, argv) {}
    QApplication qt;
    QTemporaryDir folder;
    std::unique_ptr<quillo::qt::QtBackend> backend;
    std::unique_ptr<quillo::runtime::Application> application;
    QTimer watch;
};

ProgramRun::ProgramRun(int& argc, char** argv, const std::string& command) {
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox");
    parts_ = std::make_unique<Parts>(argc, argv);
    namespace fs = std::filesystem;
    std::string path = parts_->folder.path().toStdString();
    fs::copy(QUILLO_ASSETS_DIR, path, fs::copy_options::recursive);
    fs::create_directories(path + "/windows/Favorites");
    quillo::runtime::AppInfo info;
    info.Path = path;
    info.Command = command;
    info.WindowsDir = path + "/windows";
    quillo::qt::ServeMakersSite(QString::fromStdString(path));
    parts_->backend = std::make_unique<quillo::qt::QtBackend>();
    parts_->application = std::make_unique<quillo::runtime::Application>(*parts_->backend, info);
}

ProgramRun::~ProgramRun() = default;

std::string ProgramRun::folder() const {
    return parts_->folder.path().toStdString();
}

int ProgramRun::exec() {
    // The splash's timer loads the main window inside one of the runtime's timer runs; this
    // watch sees it right after that run, long before the main window's own timer is due.
    parts_->watch.setInterval(1);
    QObject::connect(&parts_->watch, &QTimer::timeout, [this] {
        auto* main = quillo::runtime::app().loadedForm<quillo::form1>();
        if (!main) return;
        parts_->watch.stop();
        if (mainWindowLoaded) mainWindowLoaded(*main);
    });
    parts_->watch.start();
    quillo::StartProgram();
    return parts_->backend->exec();
}

}  // namespace bench
