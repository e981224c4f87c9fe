#pragma once

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "runtime/WebEngine.h"
#include "runtime/headless/ScriptedPage.h"

namespace quillo::runtime {
class WebBrowser;
}

namespace quillo::headless {

class HeadlessBackend;

// A browser engine over the scripted pages of the backend's HeadlessWeb. BeforeNavigate2 of the
// page runs inside the Navigate call; the rest follows as work on the virtual clock: the
// response at once (advance(0)), the completion after the page's loadMs. A handler that
// navigates, stops or unloads ends the sequence it interrupted.
class HeadlessWebEngine : public WebEngine {
  public:
    HeadlessWebEngine(WebBrowser& browser, HeadlessBackend& backend);
    ~HeadlessWebEngine() override;

    void navigate(const std::string& url) override;
    bool goBack() override;
    bool goForward() override;
    void refresh() override;
    void stop() override;
    void setMuted(bool value) override { muted_ = value; }
    bool muted() const { return muted_; }
    bool busy() override { return busy_; }
    int readyState() override { return readyState_; }
    std::string locationURL() override { return location_; }
    std::string locationName() override { return title_; }
    const DocumentData* document(const FramePath& frame) override;
    bool setElementText(const FramePath& frame, int index, const std::string& text) override;
    bool setBodyInnerHtml(const FramePath& frame, const std::string& html) override;
    bool writeln(const FramePath& frame, const std::string& html) override;

    // The page asks for a new window showing the address: a link with a target of its own or a
    // script run by a click (userInitiated), or a script of its own accord (a window.open as it
    // loads or on a timer). NewWindow2 chooses the browser that loads it. False when refused.
    bool openNewWindow(const std::string& url, bool userInitiated = true);
    // A link followed inside a frame: that frame alone navigates.
    void navigateFrame(const FramePath& frame, const std::string& url);

    const std::vector<std::string>& history() const { return history_; }

  private:
    struct Frame {
        FramePath path;
        std::string url;
    };
    // Loads the address; historyIndex names the entry it becomes, none for a new one.
    void load(const std::string& url, std::optional<int> historyIndex);
    void respond(const std::string& url, std::optional<int> historyIndex, unsigned generation);
    void fail(const std::string& url, unsigned generation);
    void complete(const std::string& url, const std::vector<Frame>& frames, unsigned generation);
    // Navigates the frames of a page, in document order; false when the sequence was ended.
    bool loadFrames(const FramePath& parent, const ScriptedPage& page, std::vector<Frame>& done,
                    unsigned generation);
    DocumentData makeDocument(const ScriptedPage& page, const std::string& url, int state) const;
    // The sequence of this generation may go on: nothing replaced it and the form is loaded.
    bool current(unsigned generation) const;
    void updateCommands(unsigned generation);
    DocumentData* live(const FramePath& frame);

    WebBrowser& browser_;
    HeadlessBackend& backend_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    unsigned generation_ = 0;
    std::vector<std::string> history_;
    int index_ = -1;
    bool busy_ = false;
    bool muted_ = false;
    int readyState_ = 0;
    std::string location_;
    std::string title_;
    std::map<FramePath, DocumentData> documents_;
    std::map<FramePath, std::string> written_;  // what writeln put into a document so far
    DocumentData view_;
};

}  // namespace quillo::headless
