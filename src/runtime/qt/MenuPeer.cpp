#include "runtime/qt/MenuPeer.h"

#include "runtime/Control.h"
#include "runtime/Form.h"
#include "runtime/qt/FormWidget.h"
#include "runtime/qt/WidgetPeer.h"

namespace quillo::qt {

std::unique_ptr<runtime::ControlPeer> MenuPeer::createPeer(runtime::Control& control) {
    auto peer = std::make_unique<MenuPeer>();
    peer->changed(control, runtime::Property::Visible);
    return peer;
}

void MenuPeer::changed(runtime::Control& control, runtime::Property) {
    if (auto* window = dynamic_cast<FormWidget*>(WidgetPeer::widgetOf(control.form())))
        window->menusChanged();
}

}  // namespace quillo::qt
