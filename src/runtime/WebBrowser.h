#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "runtime/BrowserObject.h"
#include "runtime/Control.h"
#include "runtime/HtmlDocument.h"

namespace quillo::runtime {

class WebEngine;

// The embedded web browser. Its page engine comes from the backend on first use; without one
// the browser stays empty and every document read fails.
class WebBrowser : public Control {
  public:
    WebBrowser(Form& form, std::string name, int index, Control* container);
    ~WebBrowser() override;

    // Starts loading the address, completed first as an address bar would ("www.x.org" gets
    // "http://"). BeforeNavigate2 of the page runs before this returns.
    void Navigate(const std::string& url);
    // False, doing nothing, when the history holds no page in that direction (the call fails).
    bool GoBack();
    bool GoForward();
    void Refresh();
    void Stop();

    bool Busy();
    // 0 uninitialised, 1 loading, 2 loaded, 3 interactive, 4 complete.
    int ReadyState();
    std::string LocationURL();
    std::string LocationName();
    std::optional<HtmlDocument> Document();
    // A muted browser's pages make no sound.
    bool Muted() const { return muted_; }
    void setMuted(bool value);
    // The control's own automation object, handed out as the target of a new window.
    BrowserObject Object() { return BrowserObject(*this, {}); }

    // pDisp, URL, Cancel: for the page and for each frame (pDisp tells which).
    Event<const BrowserObject&, const std::string&, bool&> BeforeNavigate2;
    // pDisp, URL.
    Event<const BrowserObject&, const std::string&> NavigateComplete2;
    // pDisp (the frame or page that completed; the page comes last), URL.
    Event<const BrowserObject&, const std::string&> DocumentComplete;
    // ppDisp (set it to the Object of the browser that shows the new window), Cancel.
    Event<BrowserObject&, bool&> NewWindow2;
    // Command (1 forward, 2 back, -1 others), Enable.
    Event<int, bool> CommandStateChange;
    // Progress, ProgressMax; -1 or 0 when idle.
    Event<std::int32_t, std::int32_t> ProgressChange;
    Event<const std::string&> StatusTextChange;
    Event<const std::string&> TitleChange;
    Event<> DownloadBegin;
    Event<> DownloadComplete;
    Event<const std::string&> PropertyChange;

    // The engine, made on first use; nullptr when the backend has none.
    WebEngine* engine();

    // Reports of the engine; each runs the handlers inside the application's dispatch.
    // True when a handler cancelled the navigation.
    bool fireBeforeNavigate2(const BrowserObject& pDisp, const std::string& url);
    void fireNavigateComplete2(const BrowserObject& pDisp, const std::string& url);
    void fireDocumentComplete(const BrowserObject& pDisp, const std::string& url);
    // The browser a handler chose for the new window; nullptr when refused or not chosen.
    // userInitiated: a click or key press of the user caused the request (a link with a target,
    // a script run by a click). A page opens one window of its own accord between two clicks or
    // key presses in the control's window; further such requests are refused without an event.
    WebBrowser* fireNewWindow2(bool userInitiated);
    void fireCommandStateChange(int command, bool enable);
    void fireProgressChange(std::int32_t progress, std::int32_t progressMax);
    void fireStatusTextChange(const std::string& text);
    void fireTitleChange(const std::string& text);
    void fireDownloadBegin();
    void fireDownloadComplete();
    void firePropertyChange(const std::string& property);

  private:
    void run(const std::function<void()>& handler);

    std::unique_ptr<WebEngine> engine_;
    bool engineAsked_ = false;
    bool muted_ = false;
    // The window's count of user input when the page last opened a window of its own accord.
    std::optional<std::uint64_t> unpromptedAt_;
};

}  // namespace quillo::runtime
