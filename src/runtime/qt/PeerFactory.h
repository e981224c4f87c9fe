#pragma once

#include <functional>
#include <memory>

#include "runtime/ControlPeer.h"

namespace quillo::runtime {
class Control;
}

namespace quillo::qt {

// Makes the peer of a control, one function per kind of control. Kinds without a widget
// (timers, components) get none. windowShownOrGone runs whenever a form's window is shown,
// hidden or let go.
std::unique_ptr<runtime::ControlPeer> CreatePeer(runtime::Control& control,
                                                 const std::function<void()>& windowShownOrGone);

}  // namespace quillo::qt
