#pragma once

#include <memory>

#include "runtime/ControlPeer.h"

namespace quillo::qt {

// The peer of a form's menu: it has no widget of its own; any change of a menu builds the form's
// menu bar again. Pop-up use goes through the backend's pop-up menus.
class MenuPeer : public runtime::ControlPeer {
  public:
    static std::unique_ptr<runtime::ControlPeer> createPeer(runtime::Control& control);

    void changed(runtime::Control& control, runtime::Property property) override;
    long itemAt(const runtime::Control&, double, double) override { return 0; }
};

}  // namespace quillo::qt
