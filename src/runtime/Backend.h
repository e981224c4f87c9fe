#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "runtime/ControlPeer.h"
#include "runtime/MenuRequest.h"
#include "runtime/Services.h"
#include "runtime/Types.h"

namespace quillo::runtime {

class Control;
class Form;
class HttpTransfer;
class Inet;
class MediaPlayer;
class WebBrowser;
class WebEngine;
struct MediaOpenRequest;

struct ScreenInfo {
    int widthPx = 1024;
    int heightPx = 768;
    double dpiX = 96;
    double dpiY = 96;
};

// The window system under the runtime: the headless one for tests, the Qt one for the program.
class Backend {
  public:
    virtual ~Backend() = default;

    // Milliseconds on the backend's clock; timers are due against it.
    virtual std::int64_t now() = 0;
    // The earliest timer or the posted work changed: a real backend re-arms its clock driver.
    virtual void scheduleChanged() {}
    virtual TimeOfDay timeOfDay() = 0;

    // Creates the peer that mirrors a control (a form is a control too); may return nullptr.
    virtual std::unique_ptr<ControlPeer> createPeer(Control& control) = 0;
    // Runs a modal loop for the form until finished() holds; timers and other windows keep running.
    virtual void runModal(Form& form, const std::function<bool()>& finished) = 0;
    // Shows a pop-up menu and waits until the user chose an enabled entry or dismissed it, while
    // timers and other windows go on; returns the chosen entry's id, 0 when dismissed.
    virtual long showPopupMenu(const MenuRequest& request) = 0;
    // The program ends: no window is left, or it asked to end.
    virtual void quit() = 0;

    virtual ScreenInfo screen() = 0;
    virtual WindowServices& windows() = 0;
    virtual ProcessServices& processes() = 0;
    virtual DialogServices& dialogs() = 0;
    virtual TextMetrics& textMetrics() = 0;

    // The page engine of a browser control, asked once per control; nullptr leaves it empty.
    virtual std::unique_ptr<WebEngine> createWebEngine(WebBrowser& browser);
    // A transfer for one Execute of an Inet control; nullptr makes Execute fail.
    virtual std::unique_ptr<HttpTransfer> createHttpTransfer(Inet& inet);
    // A device for an Open media command; nullptr makes the command fail.
    virtual std::unique_ptr<MediaPlayer> createMediaPlayer(const MediaOpenRequest& request);
};

}  // namespace quillo::runtime
