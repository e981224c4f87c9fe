#pragma once

#include <optional>
#include <string>
#include <vector>

#include "runtime/DocumentData.h"

namespace quillo::runtime {

class BrowserObject;
class HtmlElement;
class WebBrowser;

// The document of a page or of a frame. Each read asks the engine again and is empty when the
// member cannot be read (no document any more, a part the engine cannot see).
class HtmlDocument {
  public:
    HtmlDocument(WebBrowser& browser, FramePath frame);

    const FramePath& frame() const { return frame_; }
    // "Frames": the frame windows, counted from 0.
    std::optional<std::vector<BrowserObject>> Frames() const;
    // "All": every element and comment in document order.
    std::optional<std::vector<HtmlElement>> All() const;
    std::optional<HtmlElement> body() const;
    std::optional<std::string> URL() const;
    std::optional<std::string> title() const;
    // Appends one line of HTML to the shown document; false when it cannot be written.
    bool writeln(const std::string& html) const;

  private:
    WebBrowser* browser_;
    FramePath frame_;
};

}  // namespace quillo::runtime
