#include "runtime/headless/HeadlessWebEngine.h"

#include "runtime/Form.h"
#include "runtime/WebAddress.h"
#include "runtime/WebBrowser.h"
#include "runtime/headless/HeadlessBackend.h"

namespace quillo::headless {

namespace {

constexpr const char* kCanceled = "about:navigationcanceled#";

bool startsWith(const FramePath& path, const FramePath& prefix) {
    return path.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), path.begin());
}

std::string withoutTags(const std::string& html) {
    std::string text;
    bool inTag = false;
    for (char c : html) {
        if (c == '<')
            inTag = true;
        else if (c == '>')
            inTag = false;
        else if (!inTag)
            text += c;
    }
    return text;
}

}  // namespace

HeadlessWebEngine::HeadlessWebEngine(WebBrowser& browser, HeadlessBackend& backend)
    : browser_(browser), backend_(backend) {}

HeadlessWebEngine::~HeadlessWebEngine() {
    *alive_ = false;
}

bool HeadlessWebEngine::current(unsigned generation) const {
    return *alive_ && generation == generation_ && browser_.form().loaded();
}

void HeadlessWebEngine::navigate(const std::string& url) {
    load(url, std::nullopt);
}

bool HeadlessWebEngine::goBack() {
    if (index_ <= 0) return false;
    load(history_[static_cast<std::size_t>(index_ - 1)], index_ - 1);
    return true;
}

bool HeadlessWebEngine::goForward() {
    if (index_ + 1 >= static_cast<int>(history_.size())) return false;
    load(history_[static_cast<std::size_t>(index_ + 1)], index_ + 1);
    return true;
}

void HeadlessWebEngine::refresh() {
    if (index_ >= 0) load(history_[static_cast<std::size_t>(index_)], index_);
}

void HeadlessWebEngine::stop() {
    if (!busy_) return;
    ++generation_;
    busy_ = false;
    readyState_ = documents_.count({}) ? 4 : 0;
    // The download ends here, without a completed document, and says it has ended.
    const unsigned generation = generation_;
    browser_.fireStatusTextChange("Done");
    if (!current(generation)) return;
    browser_.fireDownloadComplete();
}

void HeadlessWebEngine::load(const std::string& url, std::optional<int> historyIndex) {
    unsigned generation = ++generation_;
    auto alive = alive_;
    busy_ = false;
    if (browser_.fireBeforeNavigate2(browser_.Object(), url)) return;
    if (!current(generation)) return;
    busy_ = true;
    readyState_ = 1;
    browser_.fireDownloadBegin();
    if (!current(generation)) return;
    updateCommands(generation);
    if (!current(generation)) return;
    browser_.fireProgressChange(0, 100);
    if (!current(generation)) return;
    browser_.fireStatusTextChange("Opening page " + url + "...");
    if (!current(generation)) return;
    backend_.after(0, [this, alive, url, historyIndex, generation] {
        if (*alive && current(generation)) respond(url, historyIndex, generation);
    });
}

void HeadlessWebEngine::updateCommands(unsigned generation) {
    browser_.fireCommandStateChange(2, index_ > 0);
    if (!current(generation)) return;
    browser_.fireCommandStateChange(1, index_ + 1 < static_cast<int>(history_.size()));
}

DocumentData HeadlessWebEngine::makeDocument(const ScriptedPage& page, const std::string& url,
                                             int state) const {
    DocumentData document;
    document.url = url;
    document.title = page.title;
    document.readyState = state;
    document.all = page.elements;
    document.body = page.body;
    document.frameCount = static_cast<int>(page.frames.size());
    return document;
}

void HeadlessWebEngine::respond(const std::string& url, std::optional<int> historyIndex,
                                unsigned generation) {
    if (historyIndex) {
        index_ = *historyIndex;
    } else {
        history_.resize(static_cast<std::size_t>(index_ + 1));
        history_.push_back(url);
        ++index_;
    }
    const ScriptedPage* page = backend_.web.find(url);
    if (!page) {
        fail(url, generation);
        return;
    }
    documents_.clear();
    written_.clear();
    location_ = url;
    title_ = page->title.empty() ? url : page->title;
    readyState_ = 2;
    documents_[{}] = makeDocument(*page, url, 2);
    browser_.fireTitleChange(title_);
    if (!current(generation)) return;
    browser_.fireNavigateComplete2(browser_.Object(), url);
    if (!current(generation)) return;
    readyState_ = 3;
    documents_[{}].readyState = 3;
    std::vector<Frame> frames;
    if (!loadFrames({}, *page, frames, generation)) return;
    browser_.fireProgressChange(50, 100);
    if (!current(generation)) return;
    browser_.fireStatusTextChange("Loading " + url);
    if (!current(generation)) return;
    auto alive = alive_;
    backend_.after(page->loadMs, [this, alive, url, frames, generation] {
        if (*alive && current(generation)) complete(url, frames, generation);
    });
}

bool HeadlessWebEngine::loadFrames(const FramePath& parent, const ScriptedPage& page,
                                   std::vector<Frame>& done, unsigned generation) {
    for (std::size_t i = 0; i < page.frames.size(); ++i) {
        FramePath path = parent;
        path.push_back(static_cast<int>(i));
        const std::string& url = page.frames[i];
        BrowserObject frame(browser_, path);
        bool cancelled = browser_.fireBeforeNavigate2(frame, url);
        if (!current(generation)) return false;
        if (cancelled) continue;
        const ScriptedPage* framePage = backend_.web.find(url);
        if (framePage && framePage->readable) documents_[path] = makeDocument(*framePage, url, 3);
        browser_.fireNavigateComplete2(frame, url);
        if (!current(generation)) return false;
        if (framePage && framePage->readable && !loadFrames(path, *framePage, done, generation))
            return false;
        done.push_back({path, url});  // inner frames complete before the frame holding them
    }
    return true;
}

void HeadlessWebEngine::complete(const std::string& url, const std::vector<Frame>& frames,
                                 unsigned generation) {
    for (const Frame& frame : frames) {
        if (DocumentData* document = live(frame.path)) document->readyState = 4;
        browser_.fireDocumentComplete(BrowserObject(browser_, frame.path), frame.url);
        if (!current(generation)) return;
    }
    browser_.fireProgressChange(100, 100);
    if (!current(generation)) return;
    readyState_ = 4;
    busy_ = false;
    if (DocumentData* top = live({})) top->readyState = 4;
    browser_.fireDocumentComplete(browser_.Object(), url);
    if (!current(generation)) return;
    browser_.fireStatusTextChange("Done");
    if (!current(generation)) return;
    browser_.fireProgressChange(-1, 100);
    if (!current(generation)) return;
    updateCommands(generation);
    if (!current(generation)) return;
    browser_.fireDownloadComplete();
}

void HeadlessWebEngine::fail(const std::string& url, unsigned generation) {
    documents_.clear();
    written_.clear();
    location_ = kCanceled + url;
    title_ = "Navigation canceled";
    ScriptedPage page = ScriptedPage::fromHtml(
        "<html><head><title>Navigation canceled</title></head>"
        "<body><p>This page could not be shown.</p></body></html>");
    documents_[{}] = makeDocument(page, location_, 4);
    readyState_ = 4;
    busy_ = false;
    std::string address = location_;
    browser_.fireNavigateComplete2(browser_.Object(), address);
    if (!current(generation)) return;
    browser_.fireDocumentComplete(browser_.Object(), address);
    if (!current(generation)) return;
    browser_.fireStatusTextChange("Done");
    if (!current(generation)) return;
    browser_.fireProgressChange(-1, 100);
    if (!current(generation)) return;
    updateCommands(generation);
    if (!current(generation)) return;
    browser_.fireDownloadComplete();
}

DocumentData* HeadlessWebEngine::live(const FramePath& frame) {
    auto found = documents_.find(frame);
    return found == documents_.end() ? nullptr : &found->second;
}

const DocumentData* HeadlessWebEngine::document(const FramePath& frame) {
    const auto& failing = backend_.web.failing;
    if (failing.count("Document")) return nullptr;
    DocumentData* document = live(frame);
    if (!document) return nullptr;
    // Only a document with members made to fail needs a copy; a read of a large page costs no
    // copy of the page otherwise.
    if (failing.empty()) return document;
    view_ = *document;
    if (failing.count("All")) view_.all.reset();
    if (failing.count("Frames")) view_.frameCount.reset();
    if (failing.count("body")) view_.body.reset();
    if (failing.count("Text")) {
        if (view_.all)
            for (auto& element : *view_.all)
                element.text.reset();
        if (view_.body) view_.body->text.reset();
    }
    if (view_.body && failing.count("innerhtml")) view_.body->innerHtml.reset();
    if (view_.body && failing.count("outerhtml")) view_.body->outerHtml.reset();
    return &view_;
}

bool HeadlessWebEngine::setElementText(const FramePath& frame, int index, const std::string& text) {
    if (backend_.web.failing.count("Text") || backend_.web.failing.count("Document")) return false;
    DocumentData* document = live(frame);
    if (!document || !document->all || index < 0 ||
        index >= static_cast<int>(document->all->size()))
        return false;
    auto& element = (*document->all)[static_cast<std::size_t>(index)];
    if (!element.text) return false;
    element.text = text;
    return true;
}

bool HeadlessWebEngine::setBodyInnerHtml(const FramePath& frame, const std::string& html) {
    const auto& failing = backend_.web.failing;
    if (failing.count("innerhtml") || failing.count("body") || failing.count("Document"))
        return false;
    DocumentData* document = live(frame);
    if (!document || !document->body || !document->body->innerHtml) return false;
    HtmlBodyData& body = *document->body;
    std::string open = "<" + body.tagName + ">";
    std::string close = "</" + body.tagName + ">";
    if (body.outerHtml) {
        std::size_t end = body.outerHtml->find('>');
        if (end != std::string::npos) open = body.outerHtml->substr(0, end + 1);
        std::size_t start = body.outerHtml->rfind("</");
        if (start != std::string::npos && start > end) close = body.outerHtml->substr(start);
    }
    body.innerHtml = html;
    body.outerHtml = open + html + close;
    if (body.text) body.text = withoutTags(html);
    return true;
}

bool HeadlessWebEngine::writeln(const FramePath& frame, const std::string& html) {
    const auto& failing = backend_.web.failing;
    if (failing.count("writeln") || failing.count("Document")) return false;
    DocumentData* document = live(frame);
    if (!document) return false;
    // The first write after loading opens the document afresh; later ones append.
    std::string& written = written_[frame];
    written += html + "\n";
    ScriptedPage page = ScriptedPage::fromHtml(written, document->url);
    page.frames.clear();
    DocumentData replaced = makeDocument(page, document->url, document->readyState);
    for (auto it = documents_.begin(); it != documents_.end();) {
        if (it->first != frame && startsWith(it->first, frame))
            it = documents_.erase(it);
        else
            ++it;
    }
    documents_[frame] = std::move(replaced);
    return true;
}

bool HeadlessWebEngine::openNewWindow(const std::string& url, bool userInitiated) {
    auto alive = alive_;
    WebBrowser* target = browser_.fireNewWindow2(userInitiated);
    if (!*alive || !target) return false;
    auto* engine = dynamic_cast<HeadlessWebEngine*>(target->engine());
    if (!engine) return false;
    engine->navigate(CompleteAddress(url));
    return true;
}

void HeadlessWebEngine::navigateFrame(const FramePath& frame, const std::string& url) {
    if (frame.empty()) {
        navigate(url);
        return;
    }
    auto alive = alive_;
    unsigned generation = generation_;
    if (browser_.fireBeforeNavigate2(BrowserObject(browser_, frame), url)) return;
    if (!current(generation)) return;
    backend_.after(0, [this, alive, frame, url, generation] {
        if (!*alive || !current(generation)) return;
        for (auto it = documents_.begin(); it != documents_.end();)
            it = startsWith(it->first, frame) ? documents_.erase(it) : std::next(it);
        const ScriptedPage* page = backend_.web.find(url);
        if (page && page->readable) documents_[frame] = makeDocument(*page, url, 4);
        browser_.fireNavigateComplete2(BrowserObject(browser_, frame), url);
        if (!current(generation)) return;
        browser_.fireDocumentComplete(BrowserObject(browser_, frame), url);
    });
}

}  // namespace quillo::headless
