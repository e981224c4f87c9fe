#include "runtime/WebBrowser.h"

#include "runtime/Application.h"
#include "runtime/WebAddress.h"
#include "runtime/WebEngine.h"

namespace quillo::runtime {

WebBrowser::WebBrowser(Form& form, std::string name, int index, Control* container)
    : Control(form, ControlKind::WebBrowser, std::move(name), index, container) {}

WebBrowser::~WebBrowser() = default;

WebEngine* WebBrowser::engine() {
    if (!engineAsked_) {
        engineAsked_ = true;
        engine_ = form().application().backend().createWebEngine(*this);
        if (engine_ && muted_) engine_->setMuted(true);
    }
    return engine_.get();
}

void WebBrowser::Navigate(const std::string& url) {
    std::string address = CompleteAddress(url);
    if (address.empty()) return;
    if (WebEngine* e = engine()) e->navigate(address);
}

void WebBrowser::setMuted(bool value) {
    muted_ = value;
    if (engine_) engine_->setMuted(value);
}

bool WebBrowser::GoBack() {
    WebEngine* e = engine();
    return e && e->goBack();
}
bool WebBrowser::GoForward() {
    WebEngine* e = engine();
    return e && e->goForward();
}
void WebBrowser::Refresh() {
    if (WebEngine* e = engine()) e->refresh();
}
void WebBrowser::Stop() {
    if (WebEngine* e = engine()) e->stop();
}

bool WebBrowser::Busy() {
    WebEngine* e = engine();
    return e && e->busy();
}
int WebBrowser::ReadyState() {
    WebEngine* e = engine();
    return e ? e->readyState() : 0;
}
std::string WebBrowser::LocationURL() {
    WebEngine* e = engine();
    return e ? e->locationURL() : std::string();
}
std::string WebBrowser::LocationName() {
    WebEngine* e = engine();
    return e ? e->locationName() : std::string();
}
std::optional<HtmlDocument> WebBrowser::Document() {
    return Object().Document();
}

void WebBrowser::run(const std::function<void()>& handler) {
    form().application().dispatch(handler);
}

bool WebBrowser::fireBeforeNavigate2(const BrowserObject& pDisp, const std::string& url) {
    bool cancel = false;
    run([&] { BeforeNavigate2(pDisp, url, cancel); });
    return cancel;
}

void WebBrowser::fireNavigateComplete2(const BrowserObject& pDisp, const std::string& url) {
    run([&] { NavigateComplete2(pDisp, url); });
}

void WebBrowser::fireDocumentComplete(const BrowserObject& pDisp, const std::string& url) {
    run([&] { DocumentComplete(pDisp, url); });
}

WebBrowser* WebBrowser::fireNewWindow2(bool userInitiated) {
    // A page that opens windows as it loads would otherwise start a copy of the program for
    // each one.
    if (!userInitiated) {
        const std::uint64_t inputs = form().userInputs();
        if (unpromptedAt_ == inputs) return nullptr;
        unpromptedAt_ = inputs;
    }
    BrowserObject target;
    bool cancel = false;
    run([&] { NewWindow2(target, cancel); });
    if (cancel || target.isNothing() || target.browser() == this) return nullptr;
    return target.browser();
}

void WebBrowser::fireCommandStateChange(int command, bool enable) {
    run([&] { CommandStateChange(command, enable); });
}
void WebBrowser::fireProgressChange(std::int32_t progress, std::int32_t progressMax) {
    run([&] { ProgressChange(progress, progressMax); });
}
void WebBrowser::fireStatusTextChange(const std::string& text) {
    run([&] { StatusTextChange(text); });
}
void WebBrowser::fireTitleChange(const std::string& text) {
    run([&] { TitleChange(text); });
}
void WebBrowser::fireDownloadBegin() {
    run([&] { DownloadBegin(); });
}
void WebBrowser::fireDownloadComplete() {
    run([&] { DownloadComplete(); });
}
void WebBrowser::firePropertyChange(const std::string& property) {
    run([&] { PropertyChange(property); });
}

}  // namespace quillo::runtime
