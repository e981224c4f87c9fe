#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "runtime/Backend.h"
#include "runtime/headless/HeadlessWeb.h"
#include "runtime/headless/RecordingPeer.h"
#include "runtime/headless/ScriptedHttp.h"

namespace quillo::headless {

using namespace quillo::runtime;

// Window-service requests, in the order they were made ("topmost FormMenu 1", "move form1", ...).
class RecordingWindowServices : public WindowServices {
  public:
    void setTopmost(Form& form, bool topmost) override;
    void startSystemMove(Form& form) override;
    void startSystemResize(Form& form, int hitCode) override;
    void releaseCapture() override { log.push_back("release capture"); }
    void setWindowRegion(Form& form, const std::vector<PointPx>& polygon) override;
    PointPx cursorPos() override { return cursor; }
    RectPx workArea() override { return area; }
    RectPx workAreaAt(PointPx) override { return area; }

    std::vector<std::string> log;
    std::map<std::string, std::vector<PointPx>> regions;  // by form name
    PointPx cursor;
    RectPx area{0, 0, 1024, 740};
};

struct ProcessStart {
    std::string program;
    std::vector<std::string> arguments;
    bool operator==(const ProcessStart&) const = default;
};

class RecordingProcessServices : public ProcessServices {
  public:
    bool start(const std::string& program, const std::vector<std::string>& arguments) override;
    bool openMailClient() override;

    std::vector<ProcessStart> starts;
    int mailClientOpened = 0;
    bool succeed = true;
};

// Answers the platform's dialogs from scripted answers, in order; with no answer left a message
// box answers OK (or Yes) and a file or colour dialog is cancelled.
class ScriptedDialogServices : public DialogServices {
  public:
    MsgBoxResult messageBox(const std::string& text, MsgBoxButtons buttons, MsgBoxIcon icon,
                            const std::string& title) override;
    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<Color> chooseColor(Color initial) override;

    struct Shown {
        std::string text;
        MsgBoxButtons buttons;
        MsgBoxIcon icon;
    };
    std::vector<Shown> messages;
    std::deque<MsgBoxResult> messageAnswers;
    std::deque<std::optional<std::string>> fileAnswers;
    std::deque<std::optional<Color>> colorAnswers;
    std::vector<FileDialogRequest> fileRequests;
    std::vector<Color> colorRequests;  // the colour each colour dialog started from
};

// Text measured as if every character were a box of fixed size: a width of 0.6 and a height of
// 1.5 times the font's size in pixels, bold text 10 % wider.
class FixedTextMetrics : public TextMetrics {
  public:
    SizePx measure(const std::string& text, const Font& font, int wrapWidthPx) override;
};

// A pop-up menu the backend was asked to show, and what it answered.
struct ShownMenu {
    std::string owner;  // the owner form's name
    MenuRequest request;
    long answer = 0;
};

// The backend for tests: a virtual clock, recording peers and services, scripted modal answers.
class HeadlessBackend : public Backend {
  public:
    HeadlessBackend();

    std::int64_t now() override { return now_; }
    TimeOfDay timeOfDay() override { return time; }
    std::unique_ptr<ControlPeer> createPeer(Control& control) override;
    void runModal(Form& form, const std::function<bool()>& finished) override;
    long showPopupMenu(const MenuRequest& request) override;
    void quit() override { quitRequested = true; }
    ScreenInfo screen() override { return screenInfo; }
    WindowServices& windows() override { return windowServices; }
    ProcessServices& processes() override { return processServices; }
    DialogServices& dialogs() override { return dialogServices; }
    TextMetrics& textMetrics() override { return metrics; }
    std::unique_ptr<WebEngine> createWebEngine(WebBrowser& browser) override;
    std::unique_ptr<HttpTransfer> createHttpTransfer(Inet& inet) override;
    std::unique_ptr<MediaPlayer> createMediaPlayer(const MediaOpenRequest& request) override;

    // Moves the virtual clock forward, running every timer that falls due on the way (at its own
    // time, in order) and the posted work.
    void advance(std::int64_t milliseconds);

    // What a modal window does while it is shown: the script gets the form and may click,
    // type and advance the clock. Scripts for a form name run in the order they were given; a
    // modal window with no script left is hidden again at once (recorded in unansweredModals).
    void answerModal(const std::string& formName, std::function<void(Form&)> script);

    // What the user does with the next pop-up menus, in order: the script gets the request and
    // returns the id of the entry to choose (0 dismisses the menu); it may also click, type and
    // advance the clock while the menu is open. With no script left a menu is dismissed.
    void answerMenu(std::function<long(const MenuRequest&)> script);
    // Chooses the first entry, depth first, whose caption is exactly this one.
    void answerMenu(const std::string& caption);

    // Tree and list rows are this tall for hit tests; the first row starts at the top.
    int rowHeightPx = 16;
    // Runs the work after this many virtual milliseconds (0: at the next advance), after the
    // timers due at the same moment; work of the same moment runs in the order it was given.
    void after(std::int64_t milliseconds, std::function<void()> work);

    std::vector<PeerEvent> peerEvents;
    // The rows that a peer showing the entries of lists, the nodes of trees and the items of list
    // views would have written, by control (PeerName): a change of Items writes every row again,
    // a step in the entries (EntryChange) the one row it concerns, a clear none.
    std::map<std::string, long> rowsWritten;
    // Called after each change is logged, while the control holds its new value: lets a test see
    // values that are gone again by the time the code under test returns.
    std::function<void(Control&, Property)> onChange;
    std::vector<std::string> unansweredModals;
    std::vector<std::string> modalsShown;
    std::vector<ShownMenu> menusShown;
    RecordingWindowServices windowServices;
    RecordingProcessServices processServices;
    ScriptedDialogServices dialogServices;
    FixedTextMetrics metrics;
    ScreenInfo screenInfo;
    TimeOfDay time{9, 5, 7};
    bool quitRequested = false;
    HeadlessWeb web;
    ScriptedHttp http;
    // What the media devices were asked, in order (HeadlessMediaPlayer).
    std::vector<std::string> mediaLog;

  private:
    struct Work {
        std::int64_t due;
        std::uint64_t sequence;
        std::function<void()> run;
    };
    std::optional<std::int64_t> nextWork() const;
    void runDueWork();

    std::int64_t now_ = 0;
    std::uint64_t workSequence_ = 0;
    std::vector<Work> work_;
    std::map<std::string, std::deque<std::function<void(Form&)>>> modalScripts_;
    std::deque<std::function<long(const MenuRequest&)>> menuScripts_;
};

// The id of the first entry, depth first, whose caption is exactly caption; 0 when none.
long FindMenuEntry(const std::vector<MenuEntry>& entries, const std::string& caption);

}  // namespace quillo::headless
