#pragma once

#include <QWebEnginePage>
#include <functional>

namespace quillo::qt {

// A web page that hands its navigation requests, new windows and the frame script's reports to
// its engine.
class QtWebPage : public QWebEnginePage {
    Q_OBJECT
  public:
    struct Hooks {
        // url, main frame or not; false refuses the navigation.
        std::function<bool(const QUrl&, NavigationType, bool)> navigationRequested;
        // The page that receives the new window, nullptr to refuse it; whether a click or key
        // press of the user caused the request.
        std::function<QWebEnginePage*(bool)> windowRequested;
        // A report of the frame script, without its token.
        std::function<void(const QString&)> reported;
        // This page is about to be given a new window that starts blank: its first document,
        // about:blank, loads without any navigation request.
        std::function<void()> opensBlank;
    };

    QtWebPage(QWebEngineProfile* profile, QString token, Hooks hooks, QObject* parent = nullptr);

  protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int lineNumber, const QString& sourceID) override;

  private:
    // A new window is answered when it is asked for; one refused there is not made afterwards
    // either (the page's createWindow gives none).
    void newWindow(QWebEngineNewWindowRequest& request);

    QString token_;
    Hooks hooks_;
};

}  // namespace quillo::qt
