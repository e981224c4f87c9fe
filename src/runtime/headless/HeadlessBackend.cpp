#include "runtime/headless/HeadlessBackend.h"

#include <algorithm>
#include <cmath>

#include "runtime/Application.h"
#include "runtime/Form.h"
#include "runtime/HttpTransfer.h"
#include "runtime/WebEngine.h"
#include "runtime/headless/HeadlessHttpTransfer.h"
#include "runtime/headless/HeadlessMediaPlayer.h"
#include "runtime/headless/HeadlessWebEngine.h"

namespace quillo::headless {

void RecordingWindowServices::setTopmost(Form& form, bool topmost) {
    log.push_back("topmost " + form.Name() + " " + (topmost ? "1" : "0"));
}

void RecordingWindowServices::startSystemMove(Form& form) {
    log.push_back("move " + form.Name());
}

void RecordingWindowServices::startSystemResize(Form& form, int hitCode) {
    log.push_back("resize " + form.Name() + " " + std::to_string(hitCode));
}

void RecordingWindowServices::setWindowRegion(Form& form, const std::vector<PointPx>& polygon) {
    log.push_back("region " + form.Name() + " " + std::to_string(polygon.size()));
    regions[form.Name()] = polygon;
}

bool RecordingProcessServices::start(const std::string& program,
                                     const std::vector<std::string>& arguments) {
    starts.push_back({program, arguments});
    return succeed;
}

bool RecordingProcessServices::openMailClient() {
    ++mailClientOpened;
    return succeed;
}

MsgBoxResult ScriptedDialogServices::messageBox(const std::string& text, MsgBoxButtons buttons,
                                                MsgBoxIcon icon, const std::string&) {
    messages.push_back({text, buttons, icon});
    if (!messageAnswers.empty()) {
        MsgBoxResult answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }
    return buttons == MsgBoxButtons::YesNo ? MsgBoxResult::Yes : MsgBoxResult::OK;
}

std::optional<std::string> ScriptedDialogServices::openFile(const FileDialogRequest& request) {
    fileRequests.push_back(request);
    if (fileAnswers.empty()) return std::nullopt;
    auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

std::optional<Color> ScriptedDialogServices::chooseColor(Color initial) {
    colorRequests.push_back(initial);
    if (colorAnswers.empty()) return std::nullopt;
    auto answer = colorAnswers.front();
    colorAnswers.pop_front();
    return answer;
}

SizePx FixedTextMetrics::measure(const std::string& text, const Font& font, int wrapWidthPx) {
    double pixelsPerPoint = 96.0 / 72.0;
    double charWidth = font.Size * pixelsPerPoint * 0.6 * (font.Bold ? 1.1 : 1.0);
    int lineHeight = static_cast<int>(std::lround(font.Size * pixelsPerPoint * 1.5));
    // Count characters, not bytes: continuation bytes of UTF-8 do not start a character.
    int widest = 0;
    int lines = 0;
    int column = 0;
    auto endLine = [&] {
        widest = std::max(widest, column);
        ++lines;
        column = 0;
    };
    for (unsigned char c : text) {
        if (c == '\r') continue;
        if (c == '\n') {
            endLine();
            continue;
        }
        if ((c & 0xC0) == 0x80) continue;
        ++column;
        if (wrapWidthPx > 0 && column * charWidth > wrapWidthPx && column > 1) {
            --column;
            endLine();
            column = 1;
        }
    }
    endLine();
    return {static_cast<int>(std::lround(widest * charWidth)), lines * lineHeight};
}

HeadlessBackend::HeadlessBackend() = default;

std::unique_ptr<ControlPeer> HeadlessBackend::createPeer(Control&) {
    return std::make_unique<RecordingPeer>(*this);
}

long FindMenuEntry(const std::vector<MenuEntry>& entries, const std::string& caption) {
    for (const MenuEntry& entry : entries) {
        if (entry.caption == caption) return entry.id;
        if (long below = FindMenuEntry(entry.children, caption)) return below;
    }
    return 0;
}

long HeadlessBackend::showPopupMenu(const MenuRequest& request) {
    std::size_t shown = menusShown.size();
    menusShown.push_back({request.owner ? request.owner->Name() : "", request, 0});
    if (menuScripts_.empty()) return 0;
    auto script = std::move(menuScripts_.front());
    menuScripts_.pop_front();
    long answer = script(request);
    menusShown[shown].answer = answer;
    return answer;
}

void HeadlessBackend::answerMenu(std::function<long(const MenuRequest&)> script) {
    menuScripts_.push_back(std::move(script));
}

void HeadlessBackend::answerMenu(const std::string& caption) {
    answerMenu(
        [caption](const MenuRequest& request) { return FindMenuEntry(request.entries, caption); });
}

void HeadlessBackend::runModal(Form& form, const std::function<bool()>& finished) {
    modalsShown.push_back(form.Name());
    auto scripts = modalScripts_.find(form.Name());
    if (scripts != modalScripts_.end() && !scripts->second.empty()) {
        auto script = std::move(scripts->second.front());
        scripts->second.pop_front();
        script(form);
    }
    if (!finished()) {
        unansweredModals.push_back(form.Name());
        form.setVisible(false);
    }
}

void HeadlessBackend::answerModal(const std::string& formName, std::function<void(Form&)> script) {
    modalScripts_[formName].push_back(std::move(script));
}

std::unique_ptr<WebEngine> HeadlessBackend::createWebEngine(WebBrowser& browser) {
    return std::make_unique<HeadlessWebEngine>(browser, *this);
}

std::unique_ptr<HttpTransfer> HeadlessBackend::createHttpTransfer(Inet& inet) {
    return std::make_unique<HeadlessHttpTransfer>(inet, *this);
}

std::unique_ptr<MediaPlayer> HeadlessBackend::createMediaPlayer(const MediaOpenRequest& request) {
    return std::make_unique<HeadlessMediaPlayer>(request, mediaLog);
}

void HeadlessBackend::after(std::int64_t milliseconds, std::function<void()> work) {
    work_.push_back(
        {now_ + std::max<std::int64_t>(0, milliseconds), ++workSequence_, std::move(work)});
}

std::optional<std::int64_t> HeadlessBackend::nextWork() const {
    std::optional<std::int64_t> earliest;
    for (const Work& work : work_)
        if (!earliest || work.due < *earliest) earliest = work.due;
    return earliest;
}

void HeadlessBackend::runDueWork() {
    for (;;) {
        auto next = std::min_element(work_.begin(), work_.end(), [](const Work& a, const Work& b) {
            return a.due != b.due ? a.due < b.due : a.sequence < b.sequence;
        });
        if (next == work_.end() || next->due > now_) return;
        auto run = std::move(next->run);
        work_.erase(next);
        app().dispatch(run);
    }
}

void HeadlessBackend::advance(std::int64_t milliseconds) {
    Application& application = app();
    std::int64_t target = now_ + milliseconds;
    application.runPosted();
    runDueWork();
    application.runPosted();
    for (;;) {
        auto due = application.nextDue();
        auto work = nextWork();
        if (work && (!due || *work < *due)) due = work;
        if (!due || *due > target) break;
        if (*due > now_) now_ = *due;
        application.runDueTimers();
        application.runPosted();
        runDueWork();
        application.runPosted();
    }
    now_ = target;
}

}  // namespace quillo::headless
