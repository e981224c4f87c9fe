#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "runtime/BrowserObject.h"
#include "runtime/HtmlDocument.h"
#include "runtime/HtmlElement.h"

namespace quillo {

namespace runtime {
class WebBrowser;
}

// The page a condemned page is replaced by, as host and path without a scheme, and the warning
// written into the condemned page while the browser goes there.
inline constexpr std::string_view BlockedPage = "www.quillo.example/blocked.htm";
inline constexpr std::string_view BlockedPageWarning =
    "<CENTER><H1>This is a site you do not want to visit.</H1></CENTER>";

// The phrases a page must not hold, in the order they are tested, each as the wildcard pattern
// "*phrase*" against the page's lower-cased text.
const std::vector<std::string>& ForbiddenPatterns();

// True when the text, lower-cased, holds one of the forbidden phrases. The page's address plays
// no part; the empty text is never forbidden.
bool IsForbiddenText(std::string_view text);

// The text a page is judged on: its own document's, then its frames' documents' in order (a
// frame's own frames right after it). Per document, every element's text in document order, then
// the body's inner and outer markup; each piece is preceded by CR LF.
// Whatever cannot be read is left out; a page still loading (ReadyState below 2) gives "".
std::string GetPageText(const runtime::BrowserObject& browser);

// What a page's text says of it: NoText when GetPageText gives "", else whether IsForbiddenText
// holds for that text. The pieces are tested as they are read, and the reading stops at the
// first forbidden one: no phrase holds a line break, so none spans the CR LF between two pieces.
enum class PageVerdict { NoText, Allowed, Forbidden };
PageVerdict JudgePageText(const runtime::BrowserObject& browser);

// Empties what GetPageText reads (element texts and the body's inner markup; the outer markup is
// never written), then appends html to the browser's own document. A page still loading is left
// alone. False when the html could not be written.
bool BlankPage(const runtime::BrowserObject& browser, std::string_view html);

// The text of every comment ("!") of the browser object's own document, each followed by CR LF;
// frames are not visited.
std::string GetCommentText(const runtime::BrowserObject& browser);

// The block step: empties the whole page, writes the warning into it and sends the browser to
// the blocked page. No message and no history entry.
void BlockPage(runtime::WebBrowser& browser);

// One poll of a loading page: once the browser is interactive and its page gives text, the text
// is judged and a forbidden page blocked. True once a text was judged, when polling can stop.
bool JudgeLoadingPage(runtime::WebBrowser& browser);

// Probes: each reads its member once and tells whether the read succeeded; nothing changes.
bool HasText(const runtime::HtmlElement& element);
bool HasInnerHtml(const runtime::HtmlElement& element);
bool HasOuterHtml(const runtime::HtmlElement& element);
bool HasAll(const runtime::HtmlDocument& document);
bool HasDocument(const runtime::BrowserObject& browser);
bool HasFrames(const runtime::HtmlDocument& document);
bool HasBody(const runtime::HtmlDocument& document);

}  // namespace quillo
