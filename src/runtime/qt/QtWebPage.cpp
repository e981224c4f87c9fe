#include "runtime/qt/QtWebPage.h"

#include <QWebEngineNewWindowRequest>
#include <QWebEngineSettings>

namespace quillo::qt {

QtWebPage::QtWebPage(QWebEngineProfile* profile, QString token, Hooks hooks, QObject* parent)
    : QWebEnginePage(profile, parent), token_(std::move(token)), hooks_(std::move(hooks)) {
    connect(this, &QWebEnginePage::newWindowRequested, this, &QtWebPage::newWindow);
}

bool QtWebPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    return hooks_.navigationRequested ? hooks_.navigationRequested(url, type, isMainFrame) : true;
}

void QtWebPage::newWindow(QWebEngineNewWindowRequest& request) {
    QWebEnginePage* target =
        hooks_.windowRequested ? hooks_.windowRequested(request.isUserInitiated()) : nullptr;
    if (!target) return;
    const QUrl opened = request.requestedUrl();
    auto* page = qobject_cast<QtWebPage*>(target);
    if (page && page->hooks_.opensBlank &&
        (opened.isEmpty() || opened.toString().startsWith(QLatin1String("about:blank"))))
        page->hooks_.opensBlank();
    // The engine leaves a window made by a page's script without web preferences until some
    // are applied to it, and fails on the first paint of such a window (a blank one written
    // by script) while it shows. The target takes up its own preferences first (running a script
    // sets the page up), and they are applied again once the window is in it.
    target->runJavaScript(QString());
    request.openIn(target);
    QWebEngineSettings* settings = target->settings();
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled,
                           settings->testAttribute(QWebEngineSettings::JavascriptEnabled));
}

void QtWebPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int,
                                         const QString&) {
    // Only the frame script knows the token; a page's own lines never pass.
    if (hooks_.reported && message.startsWith(token_)) hooks_.reported(message.mid(token_.size()));
}

}  // namespace quillo::qt
