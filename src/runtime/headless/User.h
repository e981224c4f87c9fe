#pragma once

#include <string>
#include <vector>

#include "runtime/ComboBox.h"
#include "runtime/DirListBox.h"
#include "runtime/FileListBox.h"
#include "runtime/Form.h"
#include "runtime/ListBox.h"
#include "runtime/ListView.h"
#include "runtime/TreeView.h"
#include "runtime/Types.h"

namespace quillo::headless {

using namespace quillo::runtime;

// Plays the user on the headless backend: each gesture delivers the events that the window
// system delivers for it, in its order, and stops as soon as one of them unloaded the form.
// Coordinates are twips in the control's own area. Rows of lists and trees are the headless
// backend's row height tall.
class User {
  public:
    static void mouseDown(Control& control, int button, double x, double y, int shift = 0);
    static void mouseUp(Control& control, int button, double x, double y, int shift = 0);
    static void mouseMove(Control& control, int button, double x, double y, int shift = 0);
    // Press, release and Click (for any button).
    static void click(Control& control, int button = vbLeftButton, double x = 0, double y = 0);
    // Press, release, Click, DblClick, release.
    static void doubleClick(Control& control, double x = 0, double y = 0);

    // Types text one code point at a time: KeyDown, KeyPress, the field's own editing of the key
    // that remains (text and combo boxes), KeyUp. "\r" is Enter and "\b" Backspace.
    static void type(Control& control, const std::string& text);
    // A key that types nothing visible (Delete 46, Enter 13, Escape 27, Backspace 8, or a
    // letter with Ctrl): KeyDown, KeyPress for keys that have a character, the field's editing,
    // KeyUp.
    static void pressKey(Control& control, int keyCode, int shift = 0);

    // The window system's close of a window (its close button, Alt+F4).
    static void closeWindow(Form& form);

    // Drops source on target at x, y; false (nothing happens) unless source can be dragged.
    static bool drag(Control& source, Control& target, double x = 0, double y = 0);
    // Drops files from another program on target; false unless target accepts file drops.
    static bool dropFiles(Control& target, const std::vector<std::string>& files, double x = 0,
                          double y = 0, int button = vbLeftButton, int shift = 0);

    static void clickEntry(ListBox& list, int index, int shift = 0);
    static void doubleClickEntry(ListBox& list, int index);
    static void clickEntry(FileListBox& list, int index);
    static void clickEntry(DirListBox& list, int index);
    // Opens the drop-down list and chooses an entry.
    static void chooseEntry(ComboBox& box, int index);

    // A press on a node's row; the left button then clicks the node (NodeClick, Click).
    static void clickNode(TreeView& tree, Node& node, int button = vbLeftButton);
    static void expandNode(TreeView& tree, Node& node);
    static void collapseNode(TreeView& tree, Node& node);
    // A press on an item's row; the left button then clicks the item (ItemClick, Click).
    static void clickItem(ListView& list, ListItem& item, int shift = 0, int button = vbLeftButton);

    // The middle of row (from 0) of a list or tree, in twips.
    static double rowMiddle(const Control& control, int row);
    // The key code and shift state that type a character on a US keyboard; code 0 for a
    // character that no single key types.
    static std::pair<int, int> keyFor(char32_t character);
};

}  // namespace quillo::headless
