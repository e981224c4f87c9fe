#include "runtime/qt/QtWebEngine.h"

#include <QChildEvent>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEngineView>
#include <utility>

#include "runtime/Form.h"
#include "runtime/HtmlComments.h"
#include "runtime/WebBrowser.h"
#include "runtime/qt/FrameReport.h"
#include "runtime/qt/FrameScript.h"
#include "runtime/qt/QtWebPage.h"
#include "runtime/qt/WebEngineWarmUp.h"

namespace quillo::qt {

using runtime::BrowserObject;
using runtime::DocumentData;
using runtime::FramePath;

namespace {

constexpr const char* kCanceled = "about:navigationcanceled#";
// How long the page's completion waits for frames that have not reported theirs.
constexpr int kFrameGraceMs = 3000;
// Reads ask for fresh snapshots at most this often.
constexpr qint64 kRefreshMs = 500;

FramePath pathOf(const QJsonValue& value) {
    FramePath path;
    for (const QJsonValue& index : value.toArray())
        path.push_back(index.toInt());
    return path;
}

QJsonArray jsonOf(const FramePath& path) {
    QJsonArray array;
    for (int index : path)
        array.append(index);
    return array;
}

// The array as the literal of a script's argument.
QString compact(const QJsonArray& array) {
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

bool startsWith(const FramePath& path, const FramePath& prefix) {
    return path.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), path.begin());
}

DocumentData canceledDocument(const std::string& address) {
    DocumentData document;
    document.url = address;
    document.title = "Navigation canceled";
    document.readyState = 4;
    const std::string text = "This page could not be shown.";
    document.all = std::vector<runtime::HtmlElementData>{{"HTML", "Navigation canceled\n" + text},
                                                         {"HEAD", "Navigation canceled"},
                                                         {"TITLE", "Navigation canceled"},
                                                         {"BODY", text},
                                                         {"P", text}};
    document.body = runtime::HtmlBodyData{"BODY", text, "<p>" + text + "</p>",
                                          "<body><p>" + text + "</p></body>"};
    document.frameCount = 0;
    return document;
}

}  // namespace

QtWebEngine::QtWebEngine(runtime::WebBrowser& browser) : browser_(browser) {
    QWebEngineProfile* profile = WebProfile();
    auto alive = alive_;
    QtWebPage::Hooks hooks;
    hooks.navigationRequested = [this, alive](const QUrl& url, QWebEnginePage::NavigationType type,
                                              bool isMainFrame) {
        return !*alive || navigationRequested(url, static_cast<int>(type), isMainFrame);
    };
    hooks.windowRequested = [this, alive](bool userInitiated) -> QWebEnginePage* {
        return *alive ? windowRequested(userInitiated) : nullptr;
    };
    hooks.reported = [this, alive](const QString& json) {
        if (*alive) reported(json);
    };
    hooks.opensBlank = [this, alive] {
        if (*alive) opensBlank_ = true;
    };
    page_ = new QtWebPage(profile, FrameScriptToken(), std::move(hooks));
    view_ = new QWebEngineView();
    // The page takes its input in a widget inside the view, made when the page first shows.
    view_->installEventFilter(this);
    view_->setPage(page_);
    view_->hide();

    pageGrace_.setSingleShot(true);
    pageGrace_.setInterval(kFrameGraceMs);
    connect(&pageGrace_, &QTimer::timeout, this, [this] { completePage(true); });
    connect(page_, &QWebEnginePage::loadStarted, this, &QtWebEngine::loadStarted);
    connect(page_, &QWebEnginePage::loadStarted, this, [] { DropWarmPage(); });
    connect(page_, &QWebEnginePage::loadingChanged, this, &QtWebEngine::loadingChanged);
    connect(page_, &QWebEnginePage::loadProgress, this, [this](int progress) {
        if (busy_) browser_.fireProgressChange(progress, 100);
    });
    connect(page_, &QWebEnginePage::titleChanged, this,
            [this](const QString& title) { browser_.fireTitleChange(title.toStdString()); });
    connect(page_, &QWebEnginePage::linkHovered, this,
            [this](const QString& url) { browser_.fireStatusTextChange(url.toStdString()); });
}

QtWebEngine::~QtWebEngine() {
    *alive_ = false;
    pageGrace_.stop();
    if (page_) page_->disconnect(this);
    // The page may be inside one of its own signals; let the event loop remove it.
    if (view_) view_->deleteLater();
    if (page_) page_->deleteLater();
}

bool QtWebEngine::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ChildAdded:
            if (QObject* child = static_cast<QChildEvent*>(event)->child(); child->isWidgetType())
                child->installEventFilter(this);
            break;
        case QEvent::MouseButtonPress:
        case QEvent::KeyPress:
            browser_.form().noteUserInput();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

QWidget* QtWebEngine::widget() const {
    return view_;
}
QWebEnginePage* QtWebEngine::page() const {
    return page_;
}

void QtWebEngine::navigate(const std::string& url) {
    auto alive = alive_;
    if (browser_.fireBeforeNavigate2(browser_.Object(), url) || !*alive) return;
    skipTypedRequest_ = true;
    askedUrl_ = QUrl(QString::fromStdString(url));
    unsigned generation = beginNavigation(url, false);
    if (!*alive || generation != generation_) return;
    // Writes sent to the page run later; the load waits until the page has taken every write,
    // so that they all land on the document they were meant for and none races the load.
    if (pendingWrites_ > 0) {
        deferredLoad_ = url;
        return;
    }
    page_->load(QUrl(QString::fromStdString(url)));
}

void QtWebEngine::writeDone() {
    if (--pendingWrites_ > 0 || !deferredLoad_) return;
    std::string url = std::move(*deferredLoad_);
    deferredLoad_.reset();
    page_->load(QUrl(QString::fromStdString(url)));
}

void QtWebEngine::dropDeferredLoad() {
    if (!deferredLoad_) return;
    deferredLoad_.reset();
    skipTypedRequest_ = false;
}

bool QtWebEngine::goBack() {
    if (!page_->history()->canGoBack()) return false;
    dropDeferredLoad();
    page_->triggerAction(QWebEnginePage::Back);
    return true;
}
bool QtWebEngine::goForward() {
    if (!page_->history()->canGoForward()) return false;
    dropDeferredLoad();
    page_->triggerAction(QWebEnginePage::Forward);
    return true;
}
void QtWebEngine::refresh() {
    dropDeferredLoad();
    if (failedUrl_) {
        page_->load(QUrl(QString::fromStdString(*failedUrl_)));
        return;
    }
    page_->triggerAction(QWebEnginePage::Reload);
}
void QtWebEngine::stop() {
    if (deferredLoad_ || (navigation_.begun && !navigation_.started)) {
        // Qt never heard of the waiting load, or has not taken it up and may drop it without a
        // word: end its navigation as a stopped load would.
        dropDeferredLoad();
        skipTypedRequest_ = false;
        navigation_.started = true;
        readyState_ = 4;
        stopped();
    }
    page_->triggerAction(QWebEnginePage::Stop);
}

void QtWebEngine::setMuted(bool value) {
    page_->setAudioMuted(value);
}

std::string QtWebEngine::locationURL() {
    if (failedUrl_) return kCanceled + *failedUrl_;
    return page_->url().isEmpty() ? std::string() : page_->url().toString().toStdString();
}

std::string QtWebEngine::locationName() {
    if (failedUrl_) return "Navigation canceled";
    return page_->title().toStdString();
}

bool QtWebEngine::navigationRequested(const QUrl& url, int type, bool isMainFrame) {
    // A server's redirect goes on with the navigation that asked: it raises no BeforeNavigate2 of
    // its own (a pop-up would otherwise start a copy of the program for every hop).
    if (type == QWebEnginePage::NavigationTypeRedirect) return true;
    std::string address = url.toString().toStdString();
    if (isMainFrame) {
        // The page's own BeforeNavigate2 of a Navigate call ran inside that call.
        if (skipTypedRequest_ && type == QWebEnginePage::NavigationTypeTyped) {
            skipTypedRequest_ = false;
            navigation_.started = true;
            return true;
        }
        auto alive = alive_;
        if (browser_.fireBeforeNavigate2(browser_.Object(), address)) return false;
        if (!*alive) return true;
        // Qt may have told of this load before asking for it; then it has begun already.
        if (navigation_.begun && navigation_.loadSeen && !navigation_.requested &&
            !navigation_.navigated) {
            navigation_.requested = true;
            return true;
        }
        beginNavigation(address, true);
        return true;
    }
    return !browser_.fireBeforeNavigate2(BrowserObject::unknownFrame(browser_), address);
}

QWebEnginePage* QtWebEngine::windowRequested(bool userInitiated) {
    runtime::WebBrowser* target = browser_.fireNewWindow2(userInitiated);
    if (!target) return nullptr;
    auto* engine = dynamic_cast<QtWebEngine*>(target->engine());
    return engine ? engine->page() : nullptr;
}

unsigned QtWebEngine::beginNavigation(const std::string& url, bool started) {
    auto alive = alive_;
    unsigned generation = ++generation_;
    navigation_ = {};
    navigation_.begun = true;
    navigation_.requested = true;
    navigation_.started = started;
    pageGrace_.stop();
    // The shown document stays readable until the next one replaces it, but what it reports
    // from now on (its completion above all) belongs to the navigation that was left.
    for (auto& entry : frames_)
        entry.second.retired = true;
    loadingFrames_.clear();
    awaitingDocument_ = true;
    busy_ = true;
    readyState_ = 1;
    browser_.fireDownloadBegin();
    if (!*alive || generation != generation_) return generation;
    browser_.fireCommandStateChange(2, page_->history()->canGoBack());
    if (!*alive || generation != generation_) return generation;
    browser_.fireCommandStateChange(1, page_->history()->canGoForward());
    if (!*alive || generation != generation_) return generation;
    browser_.fireProgressChange(0, 100);
    if (!*alive || generation != generation_) return generation;
    browser_.fireStatusTextChange("Opening page " + url + "...");
    return generation;
}

void QtWebEngine::loadStarted() {
    // A navigation begun by Navigate or by its request has raised its start already. Qt also
    // tells of loads it never asks about, or asks about only after telling: those begin here.
    if (navigation_.begun && !navigation_.loadSeen && !navigation_.pageComplete) {
        navigation_.loadSeen = true;
        navigation_.started = true;
        busy_ = true;
        return;
    }
    auto alive = alive_;
    std::string url = page_->requestedUrl().toString().toStdString();
    // The first document of a new window that starts blank loads without asking; the window
    // heads for it all the same, as one that opens an address heads there.
    if (std::exchange(opensBlank_, false)) {
        if (url.empty()) url = "about:blank";
        browser_.fireBeforeNavigate2(browser_.Object(), url);
        if (!*alive) return;
    }
    unsigned generation = beginNavigation(url, true);
    if (!*alive || generation != generation_) return;
    navigation_.loadSeen = true;
    navigation_.requested = false;
}

void QtWebEngine::loadingChanged(const QWebEngineLoadingInfo& info) {
    // Until Qt takes up the load of a Navigate call, what it tells of ends the load before;
    // only a load it refuses at once (an address of a scheme it does not know) ends unasked.
    if (navigation_.begun && !navigation_.started) {
        if (!refusedAtOnce(info)) return;
        skipTypedRequest_ = false;
        navigation_.started = true;
    }
    switch (info.status()) {
        case QWebEngineLoadingInfo::LoadSucceededStatus:
            failedUrl_.reset();
            // A page whose script never reports completes with what is known.
            if (!navigation_.pageComplete) pageGrace_.start();
            break;
        case QWebEngineLoadingInfo::LoadFailedStatus:
            // A stopped or replaced load is no failure, nor an error page of the server.
            if (info.errorCode() == -3 ||
                info.errorDomain() == QWebEngineLoadingInfo::HttpErrorDomain ||
                info.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain) {
                if (info.errorCode() == -3) keepShownDocument();
                if (!navigation_.pageComplete) pageGrace_.start();
                break;
            }
            failed(info.url().toString().toStdString());
            break;
        case QWebEngineLoadingInfo::LoadStoppedStatus:
            stopped();
            break;
        default:
            break;
    }
}

bool QtWebEngine::refusedAtOnce(const QWebEngineLoadingInfo& info) const {
    const bool ended =
        info.status() == QWebEngineLoadingInfo::LoadStoppedStatus ||
        (info.status() == QWebEngineLoadingInfo::LoadFailedStatus && info.errorCode() != -3);
    return ended && info.url() == askedUrl_;
}

void QtWebEngine::stopped() {
    keepShownDocument();
    const bool wasBusy = std::exchange(busy_, false);
    pageGrace_.stop();
    if (readyState_ > 0) readyState_ = 4;
    if (!wasBusy || navigation_.pageComplete) return;
    // A stopped or refused download ends without a completed document, and says it has ended
    // as a load does.
    auto alive = alive_;
    const unsigned generation = generation_;
    browser_.fireStatusTextChange("Done");
    if (!*alive || generation != generation_) return;
    browser_.fireDownloadComplete();
}

void QtWebEngine::keepShownDocument() {
    // Qt has stopped loading without a new document: the shown one stays the page.
    if (!awaitingDocument_) return;
    awaitingDocument_ = false;
    for (auto& entry : frames_)
        entry.second.retired = false;
}

void QtWebEngine::reported(const QString& json) {
    incoming_.push_back({FrameReport(json), ++lastIncoming_, false});
    Incoming& entry = incoming_.back();
    if (int parked = entry.report.parked()) {
        QJsonValue path = entry.report.head().value("path");
        entry.waiting = path.isArray();
        entry.dropped = !path.isArray();
        if (entry.waiting) takeParked(path, parked, entry.number);
    }
    takeIncoming();
}

void QtWebEngine::takeParked(const QJsonValue& path, int parked, unsigned number) {
    QString call = QStringLiteral("quilloTake(%1, %2)").arg(compact(path.toArray())).arg(parked);
    auto alive = alive_;
    page_->runJavaScript(call, static_cast<quint32>(FrameScriptWorld()),
                         [this, alive, number](const QVariant& payload) {
                             if (!*alive) return;
                             for (Incoming& entry : incoming_) {
                                 if (entry.number != number) continue;
                                 entry.waiting = false;
                                 // A payload that has gone with its document takes its report
                                 // along.
                                 if (payload.typeId() == QMetaType::QString)
                                     entry.report.setPayload(payload.toString());
                                 else
                                     entry.dropped = true;
                             }
                             takeIncoming();
                         });
}

void QtWebEngine::takeIncoming() {
    auto alive = alive_;
    while (!incoming_.empty() && !incoming_.front().waiting) {
        Incoming entry = std::move(incoming_.front());
        incoming_.pop_front();
        if (!entry.dropped) take(entry.report);
        if (!*alive) return;
    }
}

void QtWebEngine::take(const FrameReport& report) {
    const QJsonObject& message = report.head();
    std::string kind = report.text("kind");
    std::string url = report.text("url");
    // Chromium's own error page is not the page the program sees.
    if (url.rfind("chrome-error:", 0) == 0 || !message.value("path").isArray()) return;
    FramePath path = pathOf(message.value("path"));
    QString doc = QString::fromStdString(report.text("doc"));
    if (kind == "created") {
        if (!path.empty() && awaitingDocument_) return;  // a frame of the document on its way out
        frameCreated(path, doc, url, report.text("origin"));
        return;
    }
    auto found = frames_.find(path);
    if (found == frames_.end()) return;
    Frame& frame = found->second;
    if (doc != frame.doc && doc != QLatin1String("same")) return;  // an older document's report
    if (kind == "source") {
        frame.source = report.text("text");
        updateComments(frame);
        return;
    }
    if (kind != "snapshot" && kind != "complete") return;

    DocumentData& data = frame.data;
    data.url = url;
    data.title = report.text("title");
    data.readyState = message.value("state").toInt(1);
    data.all = report.elements();
    frame.commentData = report.comments();
    data.body = report.body(*data.all);
    frame.taken = QDateTime::currentMSecsSinceEpoch();
    data.frameCount = message.value("frames").toInt();
    updateComments(frame);
    if (frame.retired) return;
    if (path.empty() && data.readyState >= 3 && readyState_ < 3 && busy_) readyState_ = 3;
    if (kind == "complete") frameCompleted(path, url);
}

void QtWebEngine::updateComments(Frame& frame) {
    if (!frame.data.all) return;
    std::vector<std::string> texts;
    if (frame.source)
        texts = runtime::MatchComments(frame.commentData, runtime::ScanComments(*frame.source));
    std::size_t next = 0;
    for (auto& element : *frame.data.all) {
        if (element.tagName != "!") continue;
        // Without the source there is no comment text to give.
        element.text = next < texts.size() ? std::optional(texts[next]) : std::nullopt;
        ++next;
    }
}

void QtWebEngine::frameCreated(const FramePath& path, const QString& doc, const std::string& url,
                               const std::string& origin) {
    for (auto it = frames_.begin(); it != frames_.end();)
        it = startsWith(it->first, path) ? frames_.erase(it) : std::next(it);
    Frame& frame = frames_[path];
    frame.doc = doc;
    frame.url = url;
    frame.origin = origin;
    frame.data.url = url;
    frame.data.readyState = 1;
    auto alive = alive_;
    if (path.empty()) {
        awaitingDocument_ = false;
        loadingFrames_.clear();
        if (readyState_ < 2) readyState_ = 2;
        if (navigation_.navigated) return;
        navigation_.navigated = true;
        browser_.fireNavigateComplete2(browser_.Object(), url);
        return;
    }
    loadingFrames_.insert(path);
    browser_.fireNavigateComplete2(BrowserObject(browser_, path), url);
}

void QtWebEngine::frameCompleted(const FramePath& path, const std::string& url) {
    Frame& frame = frames_[path];
    if (frame.complete) return;
    frame.complete = true;
    if (path.empty()) {
        navigation_.topComplete = true;
        navigation_.url = url;
        completePage(false);
        return;
    }
    loadingFrames_.erase(path);
    auto alive = alive_;
    // A handler that navigates elsewhere ends this navigation's events.
    unsigned generation = generation_;
    browser_.fireDocumentComplete(BrowserObject(browser_, path), url);
    if (!*alive || generation != generation_) return;
    completePage(false);
}

void QtWebEngine::completePage(bool force) {
    if (navigation_.pageComplete || failedUrl_) return;
    if (!force && (!navigation_.topComplete || !loadingFrames_.empty())) {
        if (navigation_.topComplete) pageGrace_.start();
        return;
    }
    if (force && !busy_ && !navigation_.topComplete) return;
    navigation_.pageComplete = true;
    pageGrace_.stop();
    auto alive = alive_;
    unsigned generation = generation_;
    std::string url =
        navigation_.url.empty() ? page_->url().toString().toStdString() : navigation_.url;
    if (!navigation_.navigated) {
        navigation_.navigated = true;
        browser_.fireNavigateComplete2(browser_.Object(), url);
        if (!*alive || generation != generation_) return;
    }
    browser_.fireProgressChange(100, 100);
    if (!*alive || generation != generation_) return;
    busy_ = false;
    readyState_ = 4;
    browser_.fireDocumentComplete(browser_.Object(), url);
    if (!*alive || generation != generation_) return;
    finish();
}

void QtWebEngine::failed(const std::string& url) {
    auto alive = alive_;
    unsigned generation = generation_;
    pageGrace_.stop();
    failedUrl_ = url;
    frames_.clear();
    loadingFrames_.clear();
    std::string address = kCanceled + url;
    failedDocument_ = canceledDocument(address);
    busy_ = false;
    readyState_ = 4;
    navigation_.pageComplete = true;
    if (!navigation_.navigated) {
        navigation_.navigated = true;
        browser_.fireNavigateComplete2(browser_.Object(), address);
        if (!*alive || generation != generation_) return;
    }
    browser_.fireDocumentComplete(browser_.Object(), address);
    if (!*alive || generation != generation_) return;
    finish();
}

void QtWebEngine::finish() {
    auto alive = alive_;
    unsigned generation = generation_;
    browser_.fireStatusTextChange("Done");
    if (!*alive || generation != generation_) return;
    browser_.fireProgressChange(-1, 100);
    if (!*alive || generation != generation_) return;
    browser_.fireCommandStateChange(2, page_->history()->canGoBack());
    if (!*alive || generation != generation_) return;
    browser_.fireCommandStateChange(1, page_->history()->canGoForward());
    if (!*alive || generation != generation_) return;
    browser_.fireDownloadComplete();
}

void QtWebEngine::refreshFrame(const FramePath& path) {
    page_->runJavaScript(
        QStringLiteral("window.quilloRefresh && quilloRefresh(%1)").arg(compact(jsonOf(path))),
        static_cast<quint32>(FrameScriptWorld()));
}

const DocumentData* QtWebEngine::document(const FramePath& path) {
    if (failedUrl_) return path.empty() ? &failedDocument_ : nullptr;
    auto found = frames_.find(path);
    if (found == frames_.end() || !found->second.data.all) return nullptr;
    // A model taken a moment ago is fresh; an older one is taken again for the reads to come.
    Frame& frame = found->second;
    qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (now - std::max(frame.taken, frame.refreshAsked) >= kRefreshMs) {
        frame.refreshAsked = now;
        refreshFrame(path);
    }
    return &frame.data;
}

bool QtWebEngine::writable(const FramePath& path) const {
    if (failedUrl_) return false;
    auto frame = frames_.find(path);
    auto top = frames_.find({});
    return frame != frames_.end() && top != frames_.end() && frame->second.data.all &&
           frame->second.origin == top->second.origin;
}

bool QtWebEngine::write(const FramePath& path, const char* op, int index, const std::string& text) {
    // The write goes to the document it was meant for, never to one that replaced it.
    QJsonArray arguments{frames_.at(path).doc, jsonOf(path), QString::fromLatin1(op), index,
                         QString::fromStdString(text)};
    QString call = QStringLiteral("quilloWrite.apply(null, %1)").arg(compact(arguments));
    ++pendingWrites_;
    auto alive = alive_;
    page_->runJavaScript(call, static_cast<quint32>(FrameScriptWorld()),
                         [this, alive](const QVariant&) {
                             if (*alive) writeDone();
                         });
    return true;
}

bool QtWebEngine::setElementText(const FramePath& path, int index, const std::string& text) {
    if (!writable(path)) return false;
    auto& all = *frames_[path].data.all;
    if (index < 0 || index >= static_cast<int>(all.size()) ||
        !all[static_cast<std::size_t>(index)].text)
        return false;
    all[static_cast<std::size_t>(index)].text = text;
    return write(path, "text", index, text);
}

bool QtWebEngine::setBodyInnerHtml(const FramePath& path, const std::string& html) {
    if (!writable(path)) return false;
    auto& body = frames_[path].data.body;
    if (!body || !body->innerHtml) return false;
    body->innerHtml = html;
    return write(path, "inner", 0, html);
}

bool QtWebEngine::writeln(const FramePath& path, const std::string& html) {
    if (!writable(path)) return false;
    return write(path, "writeln", 0, html);
}

}  // namespace quillo::qt
