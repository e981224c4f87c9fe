#include "runtime/Application.h"

#include <algorithm>
#include <stdexcept>

#include "runtime/MediaCommands.h"
#include "runtime/Timer.h"

namespace quillo::runtime {

namespace {
Application* current = nullptr;

// Keeps the dispatch depth up while a handler or a modal loop runs.
class DepthGuard {
  public:
    explicit DepthGuard(int& depth) : depth_(depth) { ++depth_; }
    ~DepthGuard() { --depth_; }

  private:
    int& depth_;
};
}  // namespace

Application& app() {
    if (!current) throw std::logic_error("no application is running");
    return *current;
}

Application::Application(Backend& backend, AppInfo info)
    : backend_(&backend), info_(std::move(info)) {
    if (current) throw std::logic_error("an application is running already");
    current = this;
    refreshScreen();
}

Application::~Application() {
    media_.reset();
    for (auto& form : forms_)
        form->detachPeers();
    timers_.clear();
    graveyard_.clear();
    forms_.clear();
    timers_.clear();
    posted_.clear();
    // The backend outlives the program: its clock must not stay armed for timers and work
    // that are gone, or it would call into a program that has ended.
    backend_->scheduleChanged();
    current = nullptr;
}

void Application::refreshScreen() {
    ScreenInfo info = backend_->screen();
    screen_.TwipsPerPixelX = info.dpiX > 0 ? 1440.0 / info.dpiX : 15;
    screen_.TwipsPerPixelY = info.dpiY > 0 ? 1440.0 / info.dpiY : 15;
    screen_.Width = info.widthPx * screen_.TwipsPerPixelX;
    screen_.Height = info.heightPx * screen_.TwipsPerPixelY;
}

std::vector<Form*> Application::Forms() const {
    std::vector<Form*> loaded;
    for (const auto& form : forms_)
        if (form->loaded()) loaded.push_back(form.get());
    return loaded;
}

void Application::registerForm(std::unique_ptr<Form> form,
                               std::optional<std::type_index> defaultOf) {
    Form& ref = *form;
    forms_.push_back(std::move(form));
    if (defaultOf) defaults_[*defaultOf] = &ref;
    loadForm(ref);
}

void Application::loadForm(Form& form) {
    if (form.loaded()) return;
    bool known = std::any_of(forms_.begin(), forms_.end(),
                             [&](const auto& owned) { return owned.get() == &form; });
    if (!known) throw std::logic_error("form " + form.Name() + " was unloaded for good");
    form.markLoaded(true);
    form.attachPeers();
    for (const auto& control : form.controls())
        if (control->kind() == ControlKind::Timer) timerChanged(static_cast<Timer&>(*control));
    dispatch([&form] {
        form.Initialize();
        form.Load();
    });
}

void Application::unloadForm(Form& form) {
    if (!form.loaded()) return;
    dispatch([&form] { form.Unloading(); });
    if (!form.loaded()) return;
    form.markLoaded(false);
    for (const auto& control : form.controls())
        if (control->kind() == ControlKind::Timer)
            timers_.erase(static_cast<Timer*>(control.get()));
    form.detachPeers();
    for (auto it = defaults_.begin(); it != defaults_.end(); ++it)
        if (it->second == &form) {
            defaults_.erase(it);
            break;
        }
    auto found = std::find_if(forms_.begin(), forms_.end(),
                              [&](const auto& owned) { return owned.get() == &form; });
    if (found != forms_.end()) {
        graveyard_.push_back(std::move(*found));
        forms_.erase(found);
    }
    backend_->scheduleChanged();
    if (depth_ == 0) collectGarbage();
    if (forms_.empty()) backend_->quit();
}

void Application::runModal(Form& form) {
    DepthGuard guard(depth_);
    DepthGuard modal(modalDepth_);
    backend_->runModal(form, [&form] { return !form.loaded() || !form.Visible(); });
}

void Application::noteInput(Form& form) {
    lastInput_ = &form;
    lastInputLife_ = form.lifetime();
}

Form* Application::opener() const {
    if (lastInputLife_.expired() || !lastInput_->loaded() || !lastInput_->Visible()) return nullptr;
    return lastInput_;
}

void Application::End() {
    for (Form* form : Forms()) {
        form->markLoaded(false);
        form->detachPeers();
    }
    timers_.clear();
    backend_->quit();
}

std::optional<std::int64_t> Application::nextDue() const {
    std::optional<std::int64_t> earliest;
    for (const auto& [timer, armed] : timers_)
        if (!earliest || armed.due < *earliest) earliest = armed.due;
    return earliest;
}

void Application::runDueTimers() {
    for (;;) {
        std::int64_t current = now();
        Timer* due = nullptr;
        ArmedTimer best{};
        for (const auto& [timer, armed] : timers_) {
            if (armed.due > current) continue;
            if (!due || armed.due < best.due ||
                (armed.due == best.due && armed.sequence < best.sequence)) {
                due = timer;
                best = armed;
            }
        }
        if (!due) break;
        timers_[due] = {current + due->Interval(), ++timerSequence_};
        dispatch([due] { due->fire(); });
    }
    backend_->scheduleChanged();
}

void Application::timerChanged(Timer& timer) {
    if (timer.armed())
        timers_[&timer] = {now() + timer.Interval(), ++timerSequence_};
    else
        timers_.erase(&timer);
    backend_->scheduleChanged();
}

void Application::timerDestroyed(Timer& timer) {
    timers_.erase(&timer);
}

void Application::post(std::function<void()> work) {
    posted_.push_back(std::move(work));
    backend_->scheduleChanged();
}

void Application::runPosted() {
    while (!posted_.empty()) {
        auto work = std::move(posted_.front());
        posted_.erase(posted_.begin());
        dispatch(work);
    }
}

void Application::dispatch(const std::function<void()>& handler) {
    {
        DepthGuard guard(depth_);
        handler();
    }
    if (depth_ == 0) collectGarbage();
}

void Application::collectGarbage() {
    // Destroying a form may run code that unloads more; take the list first.
    while (!graveyard_.empty()) {
        auto dead = std::move(graveyard_);
        graveyard_.clear();
    }
}

MediaCommands& Application::media() {
    if (!media_) media_ = std::make_unique<MediaCommands>(*this);
    return *media_;
}

double Application::Rnd() {
    std::uniform_real_distribution<double> distribution(0.0, 1.0);
    return distribution(random_);
}

}  // namespace quillo::runtime
