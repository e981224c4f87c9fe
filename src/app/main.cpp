#include <unistd.h>

#include <QApplication>
#include <string>

#include "mainwindow/FormSplashScreen.h"
#include "runtime/Application.h"
#include "runtime/InstanceLock.h"
#include "runtime/WindowsDirectory.h"
#include "runtime/qt/MakersSite.h"
#include "runtime/qt/QtBackend.h"

using namespace quillo;

namespace {

// The command line after the program's name, as one text.
std::string CommandLine(int argc, char** argv) {
    std::string command;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) command += ' ';
        command += argv[i];
    }
    return command;
}

// The program places its own windows (centred, beside one another, over the work area), which
// a Wayland desktop does not let a program do: there it runs through the desktop's X11
// compatibility server, unless the user chose the window system.
void PreferX11OnWayland() {
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
        !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return;
    // Wayland itself when the desktop has no X11 server.
    qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}

}  // namespace

int main(int argc, char** argv) {
    // The web engine's sandbox refuses to run as root.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox");
    PreferX11OnWayland();
    QApplication qtApplication(argc, argv);
    QApplication::setApplicationName("Quillo");

    runtime::InstanceLock instanceLock;
    runtime::AppInfo info;
    info.Path = QCoreApplication::applicationDirPath().toStdString();
    info.Command = CommandLine(argc, argv);
    info.PrevInstance = instanceLock.previousInstance();
    info.WindowsDir = runtime::DefaultWindowsDirectory(info.Path);
    runtime::PrepareWindowsDirectory(info.WindowsDir);

    qt::ServeMakersSite(QString::fromStdString(info.Path));
    qt::QtBackend backend;
    runtime::Application application(backend, info);

    StartProgram();
    return backend.exec();
}
