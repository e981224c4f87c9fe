#include "runtime/HtmlDocument.h"

#include "runtime/BrowserObject.h"
#include "runtime/HtmlElement.h"
#include "runtime/WebBrowser.h"
#include "runtime/WebEngine.h"

namespace quillo::runtime {

namespace {
const DocumentData* dataOf(WebBrowser& browser, const FramePath& frame) {
    WebEngine* engine = browser.engine();
    return engine ? engine->document(frame) : nullptr;
}
}  // namespace

HtmlDocument::HtmlDocument(WebBrowser& browser, FramePath frame)
    : browser_(&browser), frame_(std::move(frame)) {}

std::optional<std::vector<BrowserObject>> HtmlDocument::Frames() const {
    const DocumentData* data = dataOf(*browser_, frame_);
    if (!data || !data->frameCount) return std::nullopt;
    std::vector<BrowserObject> frames;
    for (int i = 0; i < *data->frameCount; ++i) {
        FramePath path = frame_;
        path.push_back(i);
        frames.emplace_back(*browser_, std::move(path));
    }
    return frames;
}

std::optional<std::vector<HtmlElement>> HtmlDocument::All() const {
    const DocumentData* data = dataOf(*browser_, frame_);
    if (!data || !data->all) return std::nullopt;
    std::vector<HtmlElement> all;
    int count = static_cast<int>(data->all->size());
    all.reserve(data->all->size());
    for (int i = 0; i < count; ++i)
        all.push_back(HtmlElement::element(*browser_, frame_, i));
    return all;
}

std::optional<HtmlElement> HtmlDocument::body() const {
    const DocumentData* data = dataOf(*browser_, frame_);
    if (!data || !data->body) return std::nullopt;
    return HtmlElement::body(*browser_, frame_);
}

std::optional<std::string> HtmlDocument::URL() const {
    const DocumentData* data = dataOf(*browser_, frame_);
    if (!data) return std::nullopt;
    return data->url;
}

std::optional<std::string> HtmlDocument::title() const {
    const DocumentData* data = dataOf(*browser_, frame_);
    if (!data) return std::nullopt;
    return data->title;
}

bool HtmlDocument::writeln(const std::string& html) const {
    WebEngine* engine = browser_->engine();
    return engine && engine->writeln(frame_, html);
}

}  // namespace quillo::runtime
