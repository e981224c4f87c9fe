#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "runtime/WebEngine.h"
#include "runtime/qt/FrameReport.h"

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
    bool goBack() override;
    bool goForward() override;
    void refresh() override;
    void stop() override;
    void setMuted(bool value) override;
    bool busy() override { return busy_; }
    int readyState() override { return readyState_; }
    std::string locationURL() override;
    std::string locationName() override;
    const runtime::DocumentData* document(const runtime::FramePath& frame) override;
    bool setElementText(const runtime::FramePath& frame, int index,
                        const std::string& text) override;
    bool setBodyInnerHtml(const runtime::FramePath& frame, const std::string& html) override;
    bool writeln(const runtime::FramePath& frame, const std::string& html) override;

  protected:
    // A click or key press on the page counts as the user's input in the control's window.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Frame {
        QString doc;
        std::string url;
        std::string origin;
        runtime::DocumentData data;
        std::vector<std::string> commentData;
        std::optional<std::string> source;
        bool complete = false;
        // When the frame script last took this document's model, and when it was last asked to.
        qint64 taken = 0;
        qint64 refreshAsked = 0;
        // A later navigation replaces this document: it still refreshes the model while it is
        // shown, but raises no events.
        bool retired = false;
    };
    // What one navigation of the page has reported so far.
    struct Navigation {
        bool begun = false;         // BeforeNavigate2 of the page ran, or Qt began a load
        bool requested = false;     // it began with BeforeNavigate2
        bool started = false;       // Qt has taken up its load
        bool loadSeen = false;      // Qt's loadStarted for it came
        bool navigated = false;     // NavigateComplete2 of the page ran
        bool topComplete = false;   // the top frame reported its completion
        bool pageComplete = false;  // DocumentComplete of the page ran
        std::string url;
    };

    bool navigationRequested(const QUrl& url, int type, bool isMainFrame);
    // Starts a navigation of the page and raises its start; returns its generation, which a
    // handler that navigates again leaves behind.
    unsigned beginNavigation(const std::string& url, bool started);
    QWebEnginePage* windowRequested(bool userInitiated);
    // The frame script's reports are taken in the order they came, each once its payload is in.
    void reported(const QString& json);
    void takeParked(const QJsonValue& path, int parked, unsigned number);
    void takeIncoming();
    void take(const FrameReport& report);
    void loadStarted();
    void loadingChanged(const QWebEngineLoadingInfo& info);
    // The load of the last Navigate call ended before Qt asked for it: Qt refused it.
    bool refusedAtOnce(const QWebEngineLoadingInfo& info) const;
    // Qt stopped loading: the shown document stays, and the download ends.
    void stopped();
    void keepShownDocument();
    void frameCreated(const runtime::FramePath& path, const QString& doc, const std::string& url,
                      const std::string& origin);
    void frameCompleted(const runtime::FramePath& path, const std::string& url);
    void completePage(bool force);
    void failed(const std::string& url);
    void finish();
    void updateComments(Frame& frame);
    // Asks the frame script for a fresh model of one frame (it arrives a moment later).
    void refreshFrame(const runtime::FramePath& path);
    bool writable(const runtime::FramePath& frame) const;
    bool write(const runtime::FramePath& frame, const char* op, int index, const std::string& text);

    // One write sent to the page has run; a load that waited for the writes starts after the last.
    void writeDone();
    // A load that waits for writes gives way to another navigation or a stop.
    void dropDeferredLoad();

    runtime::WebBrowser& browser_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    int pendingWrites_ = 0;
    std::optional<std::string> deferredLoad_;
    QPointer<QtWebPage> page_;
    QPointer<QWebEngineView> view_;
    bool busy_ = false;
    int readyState_ = 0;
    bool skipTypedRequest_ = false;
    // The address the last Navigate call gave Qt to load.
    QUrl askedUrl_;
    // This page is a new window that starts blank and has not begun loading yet.
    bool opensBlank_ = false;
    std::optional<std::string> failedUrl_;
    runtime::DocumentData failedDocument_;
    struct Incoming {
        FrameReport report;
        unsigned number = 0;
        bool waiting = false;  // for its parked payload
        bool dropped = false;  // its payload was gone
    };
    std::deque<Incoming> incoming_;
    unsigned lastIncoming_ = 0;
    std::map<runtime::FramePath, Frame> frames_;
    std::set<runtime::FramePath> loadingFrames_;
    Navigation navigation_;
    unsigned generation_ = 0;
    // A navigation has begun and its top document has not been created yet: frames that appear
    // meanwhile belong to the document on its way out.
    bool awaitingDocument_ = false;
    QTimer pageGrace_;
};

}  // namespace quillo::qt
