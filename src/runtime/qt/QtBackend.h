#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <vector>

#include "runtime/Backend.h"
#include "runtime/qt/QtDialogServices.h"
#include "runtime/qt/QtProcessServices.h"
#include "runtime/qt/QtTextMetrics.h"
#include "runtime/qt/QtWindowServices.h"

class QEventLoop;

namespace quillo::qt {

// The runtime on Qt: forms become windows and controls widgets, the runtime's timers and posted
// work run on a single Qt timer armed for whatever is due first, and modal forms run in nested
// event loops in which other windows' timers go on. Needs a QApplication.
class QtBackend : public runtime::Backend {
  public:
    QtBackend();
    ~QtBackend() override;
    QtBackend(const QtBackend&) = delete;
    QtBackend& operator=(const QtBackend&) = delete;

    std::int64_t now() override { return clock_.elapsed(); }
    void scheduleChanged() override;
    runtime::TimeOfDay timeOfDay() override;

    std::unique_ptr<runtime::ControlPeer> createPeer(runtime::Control& control) override;
    void runModal(runtime::Form& form, const std::function<bool()>& finished) override;
    long showPopupMenu(const runtime::MenuRequest& request) override;
    std::unique_ptr<runtime::WebEngine> createWebEngine(runtime::WebBrowser& browser) override;
    std::unique_ptr<runtime::HttpTransfer> createHttpTransfer(runtime::Inet& inet) override;
    std::unique_ptr<runtime::MediaPlayer> createMediaPlayer(
        const runtime::MediaOpenRequest& request) override;
    // Ends the program's event loop (and every modal loop in it) once exec() runs it; before
    // that it only marks the program as ended.
    void quit() override;

    runtime::ScreenInfo screen() override;
    runtime::WindowServices& windows() override { return windows_; }
    runtime::ProcessServices& processes() override { return processes_; }
    runtime::DialogServices& dialogs() override { return dialogs_; }
    runtime::TextMetrics& textMetrics() override { return metrics_; }

    // Runs the program until it ends; returns at once when it ended before.
    int exec();
    bool quitRequested() const { return quitRequested_; }

  private:
    struct ModalLoop {
        const std::function<bool()>* finished;
        QEventLoop* loop;
    };
    // The clock driver: runs the posted work and the due timers, then re-arms.
    void tick();
    // Ends the innermost modal loop once its form is hidden or gone; outer loops are looked at
    // again when the inner one has returned.
    void checkModals();

    QElapsedTimer clock_;
    QTimer driver_;
    std::vector<ModalLoop> modals_;
    QtWindowServices windows_;
    QtProcessServices processes_;
    QtDialogServices dialogs_;
    QtTextMetrics metrics_;
    bool running_ = false;
    bool quitRequested_ = false;
};

}  // namespace quillo::qt
