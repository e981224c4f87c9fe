#pragma once

#include <optional>
#include <string>

#include "runtime/DocumentData.h"

namespace quillo::runtime {

class WebBrowser;

// An element of a document's "All", or its body. Reads are empty and writes false when the
// member cannot be reached; the markup members belong to the body alone.
class HtmlElement {
  public:
    // The element at index of the document's "All"; one outside the collection (a negative
    // index too) cannot be read or written.
    static HtmlElement element(WebBrowser& browser, FramePath frame, int index);
    static HtmlElement body(WebBrowser& browser, FramePath frame);

    bool isBody() const { return body_; }
    int index() const { return index_; }

    std::optional<std::string> tagName() const;
    std::optional<std::string> Text() const;
    // Whether Text, innerHTML and outerHTML can be read, without copying what they hold.
    bool canReadText() const;
    bool canReadInnerHTML() const;
    bool canReadOuterHTML() const;
    bool setText(const std::string& text) const;
    std::optional<std::string> innerHTML() const;
    std::optional<std::string> outerHTML() const;
    bool setInnerHTML(const std::string& html) const;

  private:
    HtmlElement(WebBrowser& browser, FramePath frame, int index, bool body);
    const HtmlElementData* data() const;
    const HtmlBodyData* bodyData() const;

    WebBrowser* browser_;
    FramePath frame_;
    int index_;
    bool body_;
};

}  // namespace quillo::runtime
