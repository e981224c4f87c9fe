#pragma once

#include <functional>
#include <memory>

#include "runtime/ControlPeer.h"

class QWidget;

namespace quillo::runtime {
class Control;
class WebBrowser;
}  // namespace quillo::runtime

namespace quillo::qt {

// The peer of a WebBrowser on Qt: it places the engine's view inside the widget of the
// browser's container (found by widgetOf) and follows the control's place, size and visibility;
// when the form goes, it takes the view back out so that the engine still owns it. nullptr when
// the browser has no Qt engine.
std::unique_ptr<runtime::ControlPeer> makeWebBrowserPeer(
    runtime::WebBrowser& browser, std::function<QWidget*(runtime::Control&)> widgetOf,
    double twipsPerPixelX, double twipsPerPixelY);

}  // namespace quillo::qt
