#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <typeindex>
#include <vector>

#include "runtime/Backend.h"
#include "runtime/Form.h"

namespace quillo::runtime {

class MediaCommands;
class Timer;

// What the program knows about itself.
struct AppInfo {
    std::string Path;  // the program folder
    std::string EXEName = "rn418";
    std::string Command;        // the command line after the program's name
    bool PrevInstance = false;  // another copy was running when this one started
    std::string WindowsDir;     // the per-user data folder (favorites, design cache)
};

// The screen in twips.
struct Screen {
    double Width = 0;
    double Height = 0;
    double TwipsPerPixelX = 15;
    double TwipsPerPixelY = 15;
};

// The running program: its forms, timers, posted work and modal loops, on one backend. There is
// one application at a time; app() reaches it from anywhere in the program.
class Application {
  public:
    Application(Backend& backend, AppInfo info);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Backend& backend() const { return *backend_; }
    AppInfo& App() { return info_; }
    const Screen& screen() const { return screen_; }
    // Reads the screen's size and resolution from the backend again.
    void refreshScreen();

    // The default instance of a form: referring to it creates and loads it (hidden) when it is not
    // loaded; once unloaded, the next reference makes a fresh one.
    template <class T>
    T& form();
    // The default instance when it is loaded, else nullptr; never loads.
    template <class T>
    T* loadedForm() const;
    // A new instance that is not the default one (design windows, gauges), loaded hidden.
    template <class T, class... Args>
    T& newForm(Args&&... args);
    // A snapshot of the loaded forms, in loading order.
    std::vector<Form*> Forms() const;

    // Used by Form.
    void loadForm(Form& form);
    void unloadForm(Form& form);
    void runModal(Form& form);
    // True while a modal window is shown: other windows cannot be shown modeless meanwhile.
    bool modalOpen() const { return modalDepth_ > 0; }
    // The user clicked or typed in the form.
    void noteInput(Form& form);
    // The loaded, visible form that took the user's last click or key: the window that opens
    // what is shown now. nullptr when there is none.
    Form* opener() const;
    // Ends the program at once.
    void End();

    // Time and timers.
    std::int64_t now() const { return backend_->now(); }
    std::optional<std::int64_t> nextDue() const;
    // Runs every timer that is due, in due order; called by the backend's clock driver.
    void runDueTimers();
    void timerChanged(Timer& timer);
    void timerDestroyed(Timer& timer);

    // Work to run after the current event, on the same thread.
    void post(std::function<void()> work);
    bool hasPosted() const { return !posted_.empty(); }
    void runPosted();

    // Runs an event handler: forms unloaded meanwhile are destroyed once the outermost one ends.
    void dispatch(const std::function<void()>& handler);
    int dispatchDepth() const { return depth_; }

    // The media command interpreter and its open devices.
    MediaCommands& media();

    // Rnd: a number in [0, 1); Randomize reseeds.
    double Rnd();
    void Randomize(unsigned seed) { random_.seed(seed); }

  private:
    struct ArmedTimer {
        std::int64_t due;
        std::uint64_t sequence;
    };
    void registerForm(std::unique_ptr<Form> form, std::optional<std::type_index> defaultOf);
    void collectGarbage();

    Backend* backend_;
    std::unique_ptr<MediaCommands> media_;
    AppInfo info_;
    Screen screen_;
    std::vector<std::unique_ptr<Form>> forms_;
    std::map<std::type_index, Form*> defaults_;
    std::vector<std::unique_ptr<Form>> graveyard_;
    std::map<Timer*, ArmedTimer> timers_;
    std::uint64_t timerSequence_ = 0;
    std::vector<std::function<void()>> posted_;
    int depth_ = 0;
    int modalDepth_ = 0;
    Form* lastInput_ = nullptr;
    std::weak_ptr<const void> lastInputLife_;
    std::mt19937 random_{12345};
};

// The running application.
Application& app();

template <class T>
T& Application::form() {
    if (auto found = defaults_.find(typeid(T)); found != defaults_.end())
        return static_cast<T&>(*found->second);
    auto created = std::make_unique<T>();
    T& ref = *created;
    registerForm(std::move(created), typeid(T));
    return ref;
}

template <class T>
T* Application::loadedForm() const {
    auto found = defaults_.find(typeid(T));
    return found == defaults_.end() ? nullptr : static_cast<T*>(found->second);
}

template <class T, class... Args>
T& Application::newForm(Args&&... args) {
    auto created = std::make_unique<T>(std::forward<Args>(args)...);
    T& ref = *created;
    registerForm(std::move(created), std::nullopt);
    return ref;
}

// Shorthand for the default instance of a form: form<form1>().
template <class T>
T& form() {
    return app().form<T>();
}

}  // namespace quillo::runtime
