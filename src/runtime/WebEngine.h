#pragma once

#include <string>

#include "runtime/DocumentData.h"

namespace quillo::runtime {

// The page engine behind a WebBrowser control, one per control, made by the backend.
//
// An engine reports through the control's fire... calls, in this order for a page with frames:
// BeforeNavigate2 of the page (during the Navigate call; a cancel ends the navigation there);
// then, Busy, DownloadBegin, CommandStateChange for back (2) and forward (1), ProgressChange,
// StatusTextChange; NavigateComplete2 of the page; BeforeNavigate2 and NavigateComplete2 of each
// frame; DocumentComplete of each frame (inner frames before the frame holding them); then, no
// longer Busy and with ReadyState 4, DocumentComplete of the page; last StatusTextChange,
// ProgressChange(-1, ...), CommandStateChange for back and forward, DownloadComplete. A
// navigation that fails leaves LocationURL at "about:navigationcanceled#" followed by the failed
// address and completes the page with that address.
class WebEngine {
  public:
    virtual ~WebEngine() = default;

    // The address is complete (it has a scheme).
    virtual void navigate(const std::string& url) = 0;
    // False when there is no page to go to in that direction; nothing happens then.
    virtual bool goBack() = 0;
    virtual bool goForward() = 0;
    virtual void refresh() = 0;
    virtual void stop() = 0;
    // Silences the page's sound, or lets it play again.
    virtual void setMuted(bool) {}

    virtual bool busy() = 0;
    virtual int readyState() = 0;
    virtual std::string locationURL() = 0;
    virtual std::string locationName() = 0;

    // The document of the page or of a frame, nullptr when it cannot be read. The pointer is
    // good until the next call on the engine.
    virtual const DocumentData* document(const FramePath& frame) = 0;
    // Writes; false when the target cannot be written.
    virtual bool setElementText(const FramePath& frame, int index, const std::string& text) = 0;
    virtual bool setBodyInnerHtml(const FramePath& frame, const std::string& html) = 0;
    // Appends a line of HTML to the shown document; on a document that finished loading the
    // first write replaces it.
    virtual bool writeln(const FramePath& frame, const std::string& html) = 0;
};

}  // namespace quillo::runtime
