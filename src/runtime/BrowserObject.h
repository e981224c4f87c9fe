#pragma once

#include <optional>
#include <string>

#include "runtime/DocumentData.h"

namespace quillo::runtime {

class HtmlDocument;
class WebBrowser;

// A browser object as the browser's events hand it out: the control's own Object, the window of
// one of its frames, or nothing. It names its target and reads through it, so it is good only as
// long as its browser control lives.
class BrowserObject {
  public:
    BrowserObject() = default;  // Nothing
    BrowserObject(WebBrowser& browser, FramePath frame);
    // A frame of the browser that the engine could not locate: its reads fail.
    static BrowserObject unknownFrame(WebBrowser& browser);

    bool isNothing() const { return browser_ == nullptr; }
    WebBrowser* browser() const { return browser_; }
    // The page itself, not one of its frames.
    bool isTopLevel() const { return browser_ && frame_ && frame_->empty(); }
    const std::optional<FramePath>& frame() const { return frame_; }

    std::optional<int> ReadyState() const;
    std::optional<HtmlDocument> Document() const;
    std::optional<std::string> LocationURL() const;

    bool operator==(const BrowserObject&) const = default;

  private:
    WebBrowser* browser_ = nullptr;
    std::optional<FramePath> frame_;
};

}  // namespace quillo::runtime
