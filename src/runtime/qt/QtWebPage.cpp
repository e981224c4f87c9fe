#include "runtime/qt/QtWebPage.h"

namespace quillo::qt {

QtWebPage::QtWebPage(QWebEngineProfile* profile, QString token, Hooks hooks, QObject* parent)
    : QWebEnginePage(profile, parent), token_(std::move(token)), hooks_(std::move(hooks)) {}

bool QtWebPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    return hooks_.navigationRequested ? hooks_.navigationRequested(url, type, isMainFrame) : true;
}

QWebEnginePage* QtWebPage::createWindow(WebWindowType) {
    return hooks_.windowRequested ? hooks_.windowRequested() : nullptr;
}

void QtWebPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int,
                                         const QString&) {
    // Only the frame script knows the token; a page's own lines never pass.
    if (hooks_.reported && message.startsWith(token_)) hooks_.reported(message.mid(token_.size()));
}

}  // namespace quillo::qt
