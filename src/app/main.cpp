#include <unistd.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <string>

#include "TestWindow.h"
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

// The picture the test window shows, drawn here so that it needs no file of the program folder.
std::string DrawTestPicture(const QString& folder) {
    QImage image(96, 96, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 96, 96);
    gradient.setColorAt(0, QColor(255, 120, 80));
    gradient.setColorAt(1, QColor(120, 60, 200));
    painter.setBrush(gradient);
    painter.setPen(QPen(QColor(60, 30, 100), 3));
    painter.drawEllipse(4, 4, 88, 88);
    painter.end();
    QString file = folder + "/test-picture";  // no extension: pictures are read by content
    image.save(file, "PNG");
    return file.toStdString();
}

}  // namespace

int main(int argc, char** argv) {
    // The web engine's sandbox refuses to run as root.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox");
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

    // Until the start-up form exists, a test window stands in for it.
    QTemporaryDir scratch;
    application.newForm<TestWindow>(DrawTestPicture(scratch.path())).Show();
    return backend.exec();
}
