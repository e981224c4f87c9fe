#include "runtime/headless/RecordingPeer.h"

#include <cmath>

#include "runtime/Application.h"
#include "runtime/ListView.h"
#include "runtime/TreeView.h"
#include "runtime/headless/HeadlessBackend.h"

namespace quillo::headless {

std::string PeerName(const Control& control) {
    if (control.kind() == ControlKind::Form) return control.Name();
    std::string name = control.form().Name() + "." + control.Name();
    if (control.Index() >= 0) name += "(" + std::to_string(control.Index()) + ")";
    return name;
}

void RecordingPeer::changed(Control& control, Property property) {
    backend_.peerEvents.push_back({PeerName(control), property});
    if (backend_.onChange) backend_.onChange(control, property);
}

long RecordingPeer::itemAt(const Control& control, double x, double y) {
    if (x < 0 || y < 0 || (control.Width() > 0 && x >= control.Width())) return 0;
    double rowTwips = backend_.rowHeightPx * control.form().application().screen().TwipsPerPixelY;
    auto row = static_cast<std::size_t>(std::floor(y / rowTwips));
    if (control.kind() == ControlKind::TreeView) {
        auto shown = static_cast<const TreeView&>(control).visibleNodes();
        return row < shown.size() ? shown[row]->id() : 0;
    }
    if (control.kind() == ControlKind::ListView) {
        const auto& items = static_cast<const ListView&>(control).ListItems;
        ListItem* item = items(static_cast<int>(row) + 1);
        return item ? item->id() : 0;
    }
    return 0;
}

}  // namespace quillo::headless
