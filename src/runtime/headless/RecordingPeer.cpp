#include "runtime/headless/RecordingPeer.h"

#include <cmath>

#include "runtime/Application.h"
#include "runtime/ComboBox.h"
#include "runtime/DirListBox.h"
#include "runtime/FileListBox.h"
#include "runtime/ListBox.h"
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

namespace {

// The rows of a control that shows entries, nodes or items; 0 for other controls.
long RowCount(const Control& control) {
    switch (control.kind()) {
        case ControlKind::ComboBox:
            return static_cast<const ComboBox&>(control).ListCount();
        case ControlKind::ListBox:
            return static_cast<const ListBox&>(control).ListCount();
        case ControlKind::FileListBox:
            return static_cast<const FileListBox&>(control).ListCount();
        case ControlKind::DirListBox:
            return static_cast<const DirListBox&>(control).ListCount();
        case ControlKind::ListView:
            return static_cast<const ListView&>(control).ListItems.Count();
        case ControlKind::TreeView:
            return static_cast<const TreeView&>(control).Nodes.Count();
        default:
            return 0;
    }
}

}  // namespace

void RecordingPeer::changed(Control& control, Property property) {
    if (property == Property::Items) backend_.rowsWritten[PeerName(control)] += RowCount(control);
    record(control, property);
}

void RecordingPeer::entryChanged(Control& control, const EntryChange& change) {
    if (change.kind != EntryChange::Kind::Cleared) ++backend_.rowsWritten[PeerName(control)];
    record(control,
           change.kind == EntryChange::Kind::Expanded ? Property::Expansion : Property::Items);
}

void RecordingPeer::record(Control& control, Property property) {
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
