#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "runtime/WebEngine.h"

class QWebEngineLoadingInfo;
class QWebEnginePage;
class QWebEngineView;
class QWidget;

namespace quillo::runtime {
class WebBrowser;
}

namespace quillo::qt {

class QtWebPage;

// The page engine of a WebBrowser on Qt WebEngine. The page's document model is the snapshot
// that the frame script of each frame reports (same origin or not), refreshed when a document
// loads, when it changes, and when it is read; writes go back as script to the top frame, which
// carries them out on itself and its frames of the same origin (writes to a foreign frame fail).
// The view is a widget for the Qt backend's peer to place; the engine owns it.
class QtWebEngine : public QObject, public runtime::WebEngine {
    Q_OBJECT
  public:
    explicit QtWebEngine(runtime::WebBrowser& browser);
    ~QtWebEngine() override;

    QWidget* widget() const;
    QWebEnginePage* page() const;

    void navigate(const std::string& url) override;
    void goBack() override;
    void goForward() override;
    void refresh() override;
    void stop() override;
    bool busy() override { return busy_; }
    int readyState() override { return readyState_; }
    std::string locationURL() override;
    std::string locationName() override;
    const runtime::DocumentData* document(const runtime::FramePath& frame) override;
    bool setElementText(const runtime::FramePath& frame, int index,
                        const std::string& text) override;
    bool setBodyInnerHtml(const runtime::FramePath& frame, const std::string& html) override;
    bool writeln(const runtime::FramePath& frame, const std::string& html) override;

    // Asks every frame for a fresh snapshot now (it arrives a moment later).
    void refreshDocument();

  private:
    struct Frame {
        QString doc;
        std::string url;
        std::string origin;
        runtime::DocumentData data;
        std::vector<std::string> commentData;
        std::optional<std::string> source;
        bool complete = false;
    };
    // What one navigation of the page has reported so far.
    struct Navigation {
        bool navigated = false;     // NavigateComplete2 of the page ran
        bool topComplete = false;   // the top frame reported its completion
        bool pageComplete = false;  // DocumentComplete of the page ran
        std::string url;
    };

    bool navigationRequested(const QUrl& url, int type, bool isMainFrame);
    QWebEnginePage* windowRequested();
    void reported(const QString& json);
    void loadStarted();
    void loadingChanged(const QWebEngineLoadingInfo& info);
    void frameCreated(const runtime::FramePath& path, const QString& doc, const std::string& url,
                      const std::string& origin);
    void frameCompleted(const runtime::FramePath& path, const std::string& url);
    void completePage(bool force);
    void failed(const std::string& url);
    void finish();
    void updateComments(Frame& frame);
    bool writable(const runtime::FramePath& frame) const;
    bool write(const runtime::FramePath& frame, const char* op, int index, const std::string& text);

    runtime::WebBrowser& browser_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    QPointer<QtWebPage> page_;
    QPointer<QWebEngineView> view_;
    bool busy_ = false;
    int readyState_ = 0;
    bool skipTypedRequest_ = false;
    std::optional<std::string> failedUrl_;
    runtime::DocumentData failedDocument_;
    std::map<runtime::FramePath, Frame> frames_;
    std::set<runtime::FramePath> loadingFrames_;
    Navigation navigation_;
    QTimer pageGrace_;
    qint64 lastRefresh_ = 0;
};

}  // namespace quillo::qt
