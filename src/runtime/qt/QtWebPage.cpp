#include "runtime/qt/QtWebPage.h"

#include <QWebEngineNewWindowRequest>

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
    request.openIn(target);
    const QUrl opened = request.requestedUrl();
    auto* page = qobject_cast<QtWebPage*>(target);
    if (page && page->hooks_.openedBlank &&
        (opened.isEmpty() || opened.toString().startsWith(QLatin1String("about:blank"))))
        page->hooks_.openedBlank();
}

void QtWebPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int,
                                         const QString&) {
    // Only the frame script knows the token; a page's own lines never pass.
    if (hooks_.reported && message.startsWith(token_)) hooks_.reported(message.mid(token_.size()));
}

}  // namespace quillo::qt
