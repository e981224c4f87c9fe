// Opens the page given as argument in a WebBrowser control on the Qt engine, shown in a window,
// and writes "complete" at the page's first DocumentComplete (BenchClock.h). With a second argument
// it saves a picture of the window into that file a moment later, instead of leaving at once.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

#include "BenchClock.h"
#include "runtime/Application.h"
#include "runtime/Form.h"
#include "runtime/WebBrowser.h"
#include "runtime/headless/HeadlessBackend.h"
#include "runtime/qt/QtWebEngine.h"
#include "runtime/qt/WebBrowserPeer.h"

using namespace quillo::runtime;

namespace {

class QtWebBackend : public quillo::headless::HeadlessBackend {
  public:
    std::unique_ptr<WebEngine> createWebEngine(WebBrowser& browser) override {
        return std::make_unique<quillo::qt::QtWebEngine>(browser);
    }
};

class Page : public Form {
  public:
    Page() : Form("Page") {
        Browser.DocumentComplete = [this](const BrowserObject& pDisp, const std::string&) {
            if (!pDisp.isTopLevel()) return;
            bench::stamp("complete");
            if (!completed) {
                bench::stamp("done");
                std::_Exit(0);
            }
            completed();
        };
    }
    WebBrowser& Browser = add<WebBrowser>("Browser");
    std::function<void()> completed;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    QApplication qt(argc, argv);
    QtWebBackend backend;
    Application application(backend, AppInfo{});
    QWidget window;
    window.resize(800, 600);
    auto& page = application.form<Page>();
    page.Browser.Move(0, 0, 12000, 9000);
    page.Browser.attachPeer(quillo::qt::makeWebBrowserPeer(
        page.Browser, [&](Control&) { return &window; }, 15, 15));
    window.show();
    if (argc > 2) {
        QString picture = QString::fromLocal8Bit(argv[2]);
        page.completed = [&window, picture] {
            QTimer::singleShot(1000, [&window, picture] {
                window.grab().save(picture);
                QApplication::quit();
            });
        };
    }
    page.Browser.Navigate(argv[1]);
    return qt.exec();
}
