#include "runtime/HtmlElement.h"

#include "runtime/WebBrowser.h"
#include "runtime/WebEngine.h"

namespace quillo::runtime {

namespace {
std::string escapeHtml(const std::string& text) {
    std::string html;
    html.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                html += "&amp;";
                break;
            case '<':
                html += "&lt;";
                break;
            case '>':
                html += "&gt;";
                break;
            default:
                html += c;
        }
    }
    return html;
}
}  // namespace

HtmlElement::HtmlElement(WebBrowser& browser, FramePath frame, int index, bool body)
    : browser_(&browser), frame_(std::move(frame)), index_(index), body_(body) {}

HtmlElement HtmlElement::element(WebBrowser& browser, FramePath frame, int index) {
    return HtmlElement(browser, std::move(frame), index, false);
}

HtmlElement HtmlElement::body(WebBrowser& browser, FramePath frame) {
    return HtmlElement(browser, std::move(frame), -1, true);
}

const HtmlElementData* HtmlElement::data() const {
    WebEngine* engine = browser_->engine();
    const DocumentData* document = engine ? engine->document(frame_) : nullptr;
    if (!document || !document->all || isBody()) return nullptr;
    if (index_ < 0 || index_ >= static_cast<int>(document->all->size())) return nullptr;
    return &(*document->all)[static_cast<std::size_t>(index_)];
}

const HtmlBodyData* HtmlElement::bodyData() const {
    WebEngine* engine = browser_->engine();
    const DocumentData* document = engine ? engine->document(frame_) : nullptr;
    if (!document || !document->body || !isBody()) return nullptr;
    return &*document->body;
}

std::optional<std::string> HtmlElement::tagName() const {
    if (isBody()) {
        const HtmlBodyData* body = bodyData();
        return body ? std::optional(body->tagName) : std::nullopt;
    }
    const HtmlElementData* element = data();
    return element ? std::optional(element->tagName) : std::nullopt;
}

std::optional<std::string> HtmlElement::Text() const {
    if (isBody()) {
        const HtmlBodyData* body = bodyData();
        return body ? body->text : std::nullopt;
    }
    const HtmlElementData* element = data();
    return element ? element->text : std::nullopt;
}

bool HtmlElement::canReadText() const {
    if (isBody()) {
        const HtmlBodyData* body = bodyData();
        return body && body->text;
    }
    const HtmlElementData* element = data();
    return element && element->text;
}

bool HtmlElement::canReadInnerHTML() const {
    const HtmlBodyData* body = bodyData();
    return body && body->innerHtml;
}

bool HtmlElement::canReadOuterHTML() const {
    const HtmlBodyData* body = bodyData();
    return body && body->outerHtml;
}

bool HtmlElement::setText(const std::string& text) const {
    WebEngine* engine = browser_->engine();
    if (!engine) return false;
    if (isBody()) {
        const HtmlBodyData* body = bodyData();
        // The body's text is what its markup shows: writing it replaces the markup.
        return body && body->text && engine->setBodyInnerHtml(frame_, escapeHtml(text));
    }
    const HtmlElementData* element = data();
    return element && element->text && engine->setElementText(frame_, index_, text);
}

std::optional<std::string> HtmlElement::innerHTML() const {
    const HtmlBodyData* body = bodyData();
    return body ? body->innerHtml : std::nullopt;
}

std::optional<std::string> HtmlElement::outerHTML() const {
    const HtmlBodyData* body = bodyData();
    return body ? body->outerHtml : std::nullopt;
}

bool HtmlElement::setInnerHTML(const std::string& html) const {
    const HtmlBodyData* body = bodyData();
    WebEngine* engine = browser_->engine();
    return body && body->innerHtml && engine && engine->setBodyInnerHtml(frame_, html);
}

}  // namespace quillo::runtime
