#include "runtime/qt/WebEngineWarmUp.h"

#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>

#include "runtime/qt/FrameScript.h"

namespace quillo::qt {

namespace {

// Long enough for any start-up; a program that shows no page for that long needs no renderer.
constexpr int kWarmPageLifeMs = 5000;

// A page that keeps what the frame script writes to itself.
class WarmPage : public QWebEnginePage {
  public:
    using QWebEnginePage::QWebEnginePage;

  protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int,
                                  const QString&) override {}
};

struct WarmUp {
    bool started = false;
    QPointer<QWebEnginePage> page;
};

WarmUp& warmUp() {
    static WarmUp state;
    return state;
}

}  // namespace

QWebEngineProfile* WebProfile() {
    QWebEngineProfile* profile = QWebEngineProfile::defaultProfile();
    InstallFrameScript(profile);
    return profile;
}

void WarmUpWebEngine() {
    WarmUp& state = warmUp();
    if (state.started) return;
    state.started = true;
    state.page = new WarmPage(WebProfile());
    state.page->load(QUrl(QStringLiteral("about:blank")));
    QTimer::singleShot(kWarmPageLifeMs, state.page, [] { DropWarmPage(); });
}

bool WebEngineWarming() {
    return !warmUp().page.isNull();
}

void DropWarmPage() {
    if (QWebEnginePage* page = warmUp().page) {
        warmUp().page = nullptr;
        page->deleteLater();
    }
}

}  // namespace quillo::qt
