#include "runtime/headless/User.h"

#include <algorithm>
#include <memory>

#include "runtime/Application.h"
#include "runtime/TextBox.h"
#include "runtime/Utf8.h"
#include "runtime/headless/HeadlessBackend.h"

namespace quillo::headless {

namespace {

// Whether the next event of a gesture can still be delivered to the control.
class Alive {
  public:
    explicit Alive(Control& control) : control_(control), life_(control.lifetime()) {}
    explicit operator bool() const { return !life_.expired() && control_.form().loaded(); }

  private:
    Control& control_;
    std::weak_ptr<const void> life_;
};

// The field's own reaction to a key that its handlers left in place.
void editWith(Control& control, int keyAscii) {
    if (control.kind() == ControlKind::TextBox) static_cast<TextBox&>(control).applyKey(keyAscii);
    if (control.kind() == ControlKind::ComboBox) static_cast<ComboBox&>(control).applyKey(keyAscii);
}

void deleteIn(Control& control) {
    if (control.kind() == ControlKind::TextBox) static_cast<TextBox&>(control).applyDelete();
    if (control.kind() == ControlKind::ComboBox) static_cast<ComboBox&>(control).applyDelete();
}

// A key press from KeyDown to KeyUp; keyAscii 0 for a key without a character.
void stroke(Control& control, int keyCode, int shift, int keyAscii, bool deletes) {
    Alive alive(control);
    int remaining = keyCode ? control.fireKeyDown(keyCode, shift) : 0;
    if (!alive) return;
    if (keyAscii) {
        int typed = control.fireKeyPress(keyAscii);
        if (!alive) return;
        if (typed) editWith(control, typed);
    } else if (deletes && remaining) {
        deleteIn(control);
    }
    if (alive && keyCode) control.fireKeyUp(keyCode, shift);
}

}  // namespace

void User::mouseDown(Control& control, int button, double x, double y, int shift) {
    control.fireMouseDown(button, shift, x, y);
}

void User::mouseUp(Control& control, int button, double x, double y, int shift) {
    control.fireMouseUp(button, shift, x, y);
}

void User::mouseMove(Control& control, int button, double x, double y, int shift) {
    control.fireMouseMove(button, shift, x, y);
}

void User::click(Control& control, int button, double x, double y) {
    Alive alive(control);
    control.fireMouseDown(button, 0, x, y);
    if (alive) control.fireMouseUp(button, 0, x, y);
    if (alive) control.fireClick();
}

void User::doubleClick(Control& control, double x, double y) {
    Alive alive(control);
    click(control, vbLeftButton, x, y);
    if (alive) control.fireDblClick();
    if (alive) control.fireMouseUp(vbLeftButton, 0, x, y);
}

std::pair<int, int> User::keyFor(char32_t c) {
    if (c >= 'a' && c <= 'z') return {static_cast<int>(c - 'a' + 'A'), 0};
    if (c >= 'A' && c <= 'Z') return {static_cast<int>(c), vbShiftMask};
    if ((c >= '0' && c <= '9') || c == ' ') return {static_cast<int>(c), 0};
    if (c == '\r' || c == '\n') return {13, 0};
    if (c == '\b') return {8, 0};
    if (c == '\t') return {9, 0};
    static const std::string plain = ";=,-./`[\\]'";
    static const std::string shifted = ":+<_>?~{|}\"";
    static const int codes[] = {186, 187, 188, 189, 190, 191, 192, 219, 220, 221, 222};
    static const std::string digitsShifted = ")!@#$%^&*(";
    if (c < 128) {
        auto ascii = static_cast<char>(c);
        if (auto at = plain.find(ascii); at != std::string::npos) return {codes[at], 0};
        if (auto at = shifted.find(ascii); at != std::string::npos) return {codes[at], vbShiftMask};
        if (auto at = digitsShifted.find(ascii); at != std::string::npos)
            return {static_cast<int>('0' + at), vbShiftMask};
    }
    return {0, 0};
}

void User::type(Control& control, const std::string& text) {
    Alive alive(control);
    for (char32_t c : DecodeUtf8(text)) {
        if (!alive) return;
        auto [keyCode, shift] = keyFor(c);
        int keyAscii = c == '\n' ? 13 : static_cast<int>(c);
        stroke(control, keyCode, shift, keyAscii, false);
    }
}

void User::pressKey(Control& control, int keyCode, int shift) {
    int keyAscii = 0;
    if (keyCode == 8 || keyCode == 9 || keyCode == 13 || keyCode == 27) keyAscii = keyCode;
    if ((shift & vbCtrlMask) && keyCode >= 'A' && keyCode <= 'Z') keyAscii = keyCode - 'A' + 1;
    stroke(control, keyCode, shift, keyAscii, keyCode == 46);
}

void User::closeWindow(Form& form) {
    form.fireCloseRequest();
}

bool User::drag(Control& source, Control& target, double x, double y) {
    if (!source.draggable()) return false;
    target.fireDragDrop(source, x, y);
    return true;
}

bool User::dropFiles(Control& target, const std::vector<std::string>& files, double x, double y,
                     int button, int shift) {
    if (target.OLEDropMode() == 0) return false;
    DataObject data(files);
    target.fireOLEDragDrop(data, button, shift, x, y);
    return true;
}

double User::rowMiddle(const Control& control, int row) {
    auto& backend = dynamic_cast<HeadlessBackend&>(control.form().application().backend());
    double rowTwips = backend.rowHeightPx * control.form().application().screen().TwipsPerPixelY;
    return (row + 0.5) * rowTwips;
}

void User::clickEntry(ListBox& list, int index, int shift) {
    Alive alive(list);
    double y = rowMiddle(list, index);
    list.fireMouseDown(vbLeftButton, shift, 0, y);
    if (alive) list.fireMouseUp(vbLeftButton, shift, 0, y);
    if (alive) list.fireEntryClick(index, shift);
}

void User::doubleClickEntry(ListBox& list, int index) {
    Alive alive(list);
    clickEntry(list, index);
    if (alive) list.fireEntryDblClick(index);
    if (alive) list.fireMouseUp(vbLeftButton, 0, 0, rowMiddle(list, index));
}

void User::clickEntry(FileListBox& list, int index) {
    Alive alive(list);
    double y = rowMiddle(list, index);
    list.fireMouseDown(vbLeftButton, 0, 0, y);
    if (alive) list.fireMouseUp(vbLeftButton, 0, 0, y);
    if (alive) list.fireEntryClick(index);
}

void User::clickEntry(DirListBox& list, int index) {
    Alive alive(list);
    double y = rowMiddle(list, index);
    list.fireMouseDown(vbLeftButton, 0, 0, y);
    if (alive) list.fireMouseUp(vbLeftButton, 0, 0, y);
    if (alive) list.fireEntryClick(index);
}

void User::chooseEntry(ComboBox& box, int index) {
    Alive alive(box);
    box.fireDropDown();
    if (alive) box.fireChoose(index);
}

void User::clickNode(TreeView& tree, Node& node, int button) {
    auto shown = tree.visibleNodes();
    auto row = std::find(shown.begin(), shown.end(), &node) - shown.begin();
    double y = rowMiddle(tree, static_cast<int>(row));
    Alive alive(tree);
    tree.fireMouseDown(button, 0, 0, y);
    if (alive) tree.fireMouseUp(button, 0, 0, y);
    if (button != vbLeftButton) return;
    if (alive) tree.fireNodeClick(node);
    if (alive) tree.fireClick();
}

void User::expandNode(TreeView& tree, Node& node) {
    tree.fireExpand(node);
}

void User::collapseNode(TreeView& tree, Node& node) {
    tree.fireCollapse(node);
}

void User::clickItem(ListView& list, ListItem& item, int shift, int button) {
    double y = rowMiddle(list, item.Index() - 1);
    Alive alive(list);
    list.fireMouseDown(button, shift, 0, y);
    if (alive) list.fireMouseUp(button, shift, 0, y);
    if (button != vbLeftButton) return;
    if (alive) list.fireItemClick(item, shift);
    if (alive) list.fireClick();
}

}  // namespace quillo::headless
