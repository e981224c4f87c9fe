#include "runtime/BrowserObject.h"

#include "runtime/HtmlDocument.h"
#include "runtime/WebBrowser.h"
#include "runtime/WebEngine.h"

namespace quillo::runtime {

BrowserObject::BrowserObject(WebBrowser& browser, FramePath frame)
    : browser_(&browser), frame_(std::move(frame)) {}

BrowserObject BrowserObject::unknownFrame(WebBrowser& browser) {
    BrowserObject object;
    object.browser_ = &browser;
    return object;
}

std::optional<int> BrowserObject::ReadyState() const {
    if (!browser_ || !frame_) return std::nullopt;
    if (frame_->empty()) return browser_->ReadyState();
    WebEngine* engine = browser_->engine();
    const DocumentData* data = engine ? engine->document(*frame_) : nullptr;
    if (!data) return std::nullopt;
    return data->readyState;
}

std::optional<HtmlDocument> BrowserObject::Document() const {
    if (!browser_ || !frame_) return std::nullopt;
    WebEngine* engine = browser_->engine();
    if (!engine || !engine->document(*frame_)) return std::nullopt;
    return HtmlDocument(*browser_, *frame_);
}

std::optional<std::string> BrowserObject::LocationURL() const {
    if (!browser_ || !frame_) return std::nullopt;
    if (frame_->empty()) return browser_->LocationURL();
    WebEngine* engine = browser_->engine();
    const DocumentData* data = engine ? engine->document(*frame_) : nullptr;
    if (!data) return std::nullopt;
    return data->url;
}

}  // namespace quillo::runtime
