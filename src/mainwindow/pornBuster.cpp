#include "mainwindow/pornBuster.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <optional>

#include "runtime/WebBrowser.h"

namespace quillo {

const std::vector<std::string>& ForbiddenPatterns() {
    static const std::vector<std::string> patterns{"*legal age*",
                                                   "*age 18*",
                                                   "*age 21*",
                                                   "*below age*",
                                                   "*under age*",
                                                   "*enter leave*",
                                                   "*leave enter*",
                                                   "*adult material*",
                                                   "*adult contents*",
                                                   "*do not enter*",
                                                   "* adult check *",
                                                   "*wet pussy*",
                                                   "* cum *",
                                                   "*anal sex*",
                                                   "*sex illustrated*",
                                                   "*young babes*",
                                                   "*horny girls*",
                                                   "*lolitas*",
                                                   "* tits *",
                                                   "*sexually explicit*",
                                                   "*must be at least*",
                                                   "*blow job*",
                                                   "*anal pics*",
                                                   "*erotic*",
                                                   "*erotica*",
                                                   "*do not proceed*",
                                                   "*adult content*",
                                                   "*the age of 18*",
                                                   "*the age of 21*",
                                                   "*xxx*",
                                                   "*adult check*",
                                                   "*nude pic*",
                                                   "*whore*",
                                                   "*hardcore pic*",
                                                   "*extreme hardcore*",
                                                   "*nude celeb*",
                                                   "*celebrety nude*",
                                                   "*sex pic*",
                                                   "*big breast*",
                                                   "*adult service*",
                                                   "*porn star*",
                                                   "*nude images*"};
    return patterns;
}

namespace {

// Every pattern is "*phrase*", so a text matches exactly when the phrase occurs in it. All the
// phrases are searched at once by one automaton over the lower-cased bytes: each byte costs one
// table step, whatever the number of phrases.
class PhraseAutomaton {
  public:
    PhraseAutomaton() {
        buildClasses();
        buildTrie();
        buildTransitions();
    }

    bool occursIn(std::string_view text) const {
        // Independent scans of a few slices run side by side in the processor; each slice starts
        // early enough that a phrase across a slice border is seen whole by one of them.
        constexpr std::size_t kSlices = 4;
        constexpr std::size_t kMinSliceForSplit = 256;
        if (text.size() < kMinSliceForSplit * kSlices) return scan(text);
        std::size_t slice = text.size() / kSlices;
        std::array<std::uint32_t, kSlices> state{};
        std::array<std::size_t, kSlices> at{};
        std::array<std::size_t, kSlices> end{};
        for (std::size_t s = 0; s < kSlices; ++s) {
            std::size_t begin = s * slice;
            at[s] = begin < overlap_ ? 0 : begin - overlap_;
            end[s] = s + 1 == kSlices ? text.size() : (s + 1) * slice;
        }
        const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
        std::size_t steps = end[0] - at[0];
        for (std::size_t s = 1; s < kSlices; ++s)
            steps = std::min(steps, end[s] - at[s]);
        for (std::size_t i = 0; i < steps; ++i) {
            bool found = false;
            for (std::size_t s = 0; s < kSlices; ++s) {
                state[s] = next_[state[s] + class_[bytes[at[s] + i]]];
                found |= state[s] >= firstAccepting_;
            }
            if (found) return true;
        }
        for (std::size_t s = 0; s < kSlices; ++s) {
            std::uint32_t current = state[s];
            for (std::size_t i = at[s] + steps; i < end[s]; ++i) {
                current = next_[current + class_[bytes[i]]];
                if (current >= firstAccepting_) return true;
            }
        }
        return false;
    }

  private:
    struct Node {
        std::array<int, 64> child;
        int fail = 0;
        bool accepting = false;
        Node() { child.fill(-1); }
    };

    bool scan(std::string_view text) const {
        std::uint32_t current = 0;
        for (unsigned char byte : text) {
            current = next_[current + class_[byte]];
            if (current >= firstAccepting_) return true;
        }
        return false;
    }

    // Bytes that occur in no phrase share class 0; upper-case letters share their lower-case
    // letter's class, which is the lower-casing of the text.
    void buildClasses() {
        class_.fill(0);
        classes_ = 1;
        for (const std::string& pattern : ForbiddenPatterns())
            for (unsigned char c : phraseOf(pattern))
                if (class_[c] == 0) class_[c] = static_cast<std::uint8_t>(classes_++);
        for (int c = 'A'; c <= 'Z'; ++c)
            class_[c] = class_[c - 'A' + 'a'];
    }

    static std::string_view phraseOf(const std::string& pattern) {
        return std::string_view(pattern).substr(1, pattern.size() - 2);
    }

    void buildTrie() {
        nodes_.emplace_back();
        for (const std::string& pattern : ForbiddenPatterns()) {
            std::string_view phrase = phraseOf(pattern);
            overlap_ = std::max(overlap_, phrase.size());
            int node = 0;
            for (unsigned char c : phrase) {
                int cls = class_[c];
                if (nodes_[node].child[cls] < 0) {
                    nodes_[node].child[cls] = static_cast<int>(nodes_.size());
                    nodes_.emplace_back();
                }
                node = nodes_[node].child[cls];
            }
            nodes_[node].accepting = true;
        }
    }

    // Resolves the failure links into a full transition table. States are renumbered so that
    // every accepting state (one whose suffix is a phrase) comes last, and each entry holds the
    // next state's row offset, so a step is one load.
    void buildTransitions() {
        std::vector<int> order;
        std::deque<int> queue{0};
        std::vector<std::vector<int>> delta(nodes_.size(), std::vector<int>(classes_, 0));
        while (!queue.empty()) {
            int node = queue.front();
            queue.pop_front();
            order.push_back(node);
            for (int cls = 0; cls < classes_; ++cls) {
                int child = nodes_[node].child[cls];
                int viaFail = node == 0 ? 0 : delta[nodes_[node].fail][cls];
                if (child < 0) {
                    delta[node][cls] = viaFail;
                    continue;
                }
                nodes_[child].fail = node == 0 ? 0 : viaFail;
                nodes_[child].accepting |= nodes_[nodes_[child].fail].accepting;
                delta[node][cls] = child;
                queue.push_back(child);
            }
        }
        std::stable_partition(order.begin(), order.end(),
                              [&](int node) { return !nodes_[node].accepting; });
        std::vector<std::uint32_t> number(nodes_.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            number[order[i]] = static_cast<std::uint32_t>(i * classes_);
        auto firstAccepting = std::find_if(order.begin(), order.end(),
                                           [&](int node) { return nodes_[node].accepting; });
        firstAccepting_ = static_cast<std::uint32_t>((firstAccepting - order.begin()) * classes_);
        next_.assign(order.size() * classes_, 0);
        for (int node : order)
            for (int cls = 0; cls < classes_; ++cls)
                next_[number[node] + cls] = number[delta[node][cls]];
    }

    std::array<std::uint8_t, 256> class_{};
    int classes_ = 0;
    std::vector<Node> nodes_;
    std::vector<std::uint32_t> next_;
    std::uint32_t firstAccepting_ = 0;
    std::size_t overlap_ = 0;
};

}  // namespace

bool IsForbiddenText(std::string_view text) {
    static const PhraseAutomaton automaton;
    return !text.empty() && automaton.occursIn(text);
}

bool HasText(const runtime::HtmlElement& element) {
    return element.canReadText();
}

bool HasInnerHtml(const runtime::HtmlElement& element) {
    return element.canReadInnerHTML();
}

bool HasOuterHtml(const runtime::HtmlElement& element) {
    return element.canReadOuterHTML();
}

bool HasAll(const runtime::HtmlDocument& document) {
    return document.All().has_value();
}

bool HasDocument(const runtime::BrowserObject& browser) {
    return browser.Document().has_value();
}

bool HasFrames(const runtime::HtmlDocument& document) {
    return document.Frames().has_value();
}

bool HasBody(const runtime::HtmlDocument& document) {
    return document.body().has_value();
}

namespace {

using runtime::BrowserObject;
using runtime::HtmlDocument;
using runtime::HtmlElement;

constexpr std::string_view kPieceBreak = "\r\n";

// A page object that is not at least loaded has nothing to judge yet; one whose state cannot be
// read counts as not loaded.
bool isLoaded(const BrowserObject& browser) {
    std::optional<int> state = browser.ReadyState();
    return state && *state >= 2;
}

// Hands visit the documents a page's text lives in, until visit returns false: the page's own
// document first, then each of its frames' in order, a frame's own frames right after it. A page
// is judged on all of them, so that a frame of its own never hides what the page itself says.
template <class Visit>
bool forEachPageDocument(const BrowserObject& browser, Visit&& visit) {
    if (!HasDocument(browser)) return true;
    std::optional<HtmlDocument> document = browser.Document();
    if (!document) return true;
    if (!visit(*document)) return false;
    if (!HasFrames(*document)) return true;
    if (std::optional<std::vector<BrowserObject>> frames = document->Frames())
        for (const BrowserObject& frame : *frames)
            if (!forEachPageDocument(frame, visit)) return false;
    return true;
}

// Hands every piece of a document's text to visit, in order, until visit returns false.
template <class Visit>
bool forEachPiece(const HtmlDocument& document, Visit&& visit) {
    auto piece = [&visit](std::optional<std::string> text) { return !text || visit(*text); };
    if (HasAll(document))
        if (std::optional<std::vector<HtmlElement>> all = document.All())
            for (const HtmlElement& element : *all)
                if (HasText(element) && !piece(element.Text())) return false;
    if (HasBody(document))
        if (std::optional<HtmlElement> body = document.body()) {
            if (HasInnerHtml(*body) && !piece(body->innerHTML())) return false;
            if (HasOuterHtml(*body)) return piece(body->outerHTML());
        }
    return true;
}

void blankDocument(const HtmlDocument& document) {
    if (HasAll(document))
        if (std::optional<std::vector<HtmlElement>> all = document.All())
            for (const HtmlElement& element : *all)
                if (HasText(element)) element.setText("");
    if (HasBody(document))
        if (std::optional<HtmlElement> body = document.body(); body && HasInnerHtml(*body))
            body->setInnerHTML("");
}

}  // namespace

std::string GetPageText(const BrowserObject& browser) {
    std::string text;
    if (!isLoaded(browser)) return text;
    forEachPageDocument(browser, [&text](const HtmlDocument& document) {
        return forEachPiece(document, [&text](const std::string& piece) {
            text += kPieceBreak;
            text += piece;
            return true;
        });
    });
    return text;
}

PageVerdict JudgePageText(const BrowserObject& browser) {
    PageVerdict verdict = PageVerdict::NoText;
    if (!isLoaded(browser)) return verdict;
    forEachPageDocument(browser, [&verdict](const HtmlDocument& document) {
        return forEachPiece(document, [&verdict](const std::string& piece) {
            verdict = IsForbiddenText(piece) ? PageVerdict::Forbidden : PageVerdict::Allowed;
            return verdict != PageVerdict::Forbidden;
        });
    });
    return verdict;
}

bool BlankPage(const BrowserObject& browser, std::string_view html) {
    if (!isLoaded(browser)) return false;
    forEachPageDocument(browser, [](const HtmlDocument& document) {
        blankDocument(document);
        return true;
    });
    std::optional<HtmlDocument> document = browser.Document();
    return document && document->writeln(std::string(html));
}

std::string GetCommentText(const BrowserObject& browser) {
    std::string text;
    if (!isLoaded(browser) || !HasDocument(browser)) return text;
    std::optional<HtmlDocument> document = browser.Document();
    if (!document || !HasAll(*document)) return text;
    std::optional<std::vector<HtmlElement>> all = document->All();
    if (!all) return text;
    for (const HtmlElement& element : *all) {
        if (element.tagName() != "!" || !HasText(element)) continue;
        if (std::optional<std::string> comment = element.Text()) {
            text += *comment;
            text += kPieceBreak;
        }
    }
    return text;
}

void BlockPage(runtime::WebBrowser& browser) {
    // A page whose document cannot be written is still sent away.
    BlankPage(browser.Object(), BlockedPageWarning);
    browser.Navigate(std::string(BlockedPage));
}

bool JudgeLoadingPage(runtime::WebBrowser& browser) {
    if (browser.ReadyState() < 3) return false;
    PageVerdict verdict = JudgePageText(browser.Object());
    if (verdict == PageVerdict::NoText) return false;
    if (verdict == PageVerdict::Forbidden) BlockPage(browser);
    return true;
}

}  // namespace quillo
