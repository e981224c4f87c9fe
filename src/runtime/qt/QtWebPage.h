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
        // The page that receives the new window, nullptr to refuse it.
        std::function<QWebEnginePage*()> windowRequested;
        // A report of the frame script, without its token.
        std::function<void(const QString&)> reported;
    };

    QtWebPage(QWebEngineProfile* profile, QString token, Hooks hooks, QObject* parent = nullptr);

  protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int lineNumber, const QString& sourceID) override;

  private:
    QString token_;
    Hooks hooks_;
};

}  // namespace quillo::qt
