#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quillo::runtime {

class Form;

// One entry of a pop-up menu as the backend shows it. A caption "-" is a separator; a caption
// that begins with "-" and goes on is the heading of a section; the text after a tab is the
// entry's shortcut text, shown at its right; "&" marks the next letter as the mnemonic. A plain
// caption is shown exactly as it stands, none of these read into it. An entry with children
// opens a submenu.
struct MenuEntry {
    long id = 0;  // what the backend answers when the user chooses this entry
    std::string caption;
    bool enabled = true;
    bool checked = false;
    std::vector<MenuEntry> children;
    bool plain = false;
    bool operator==(const MenuEntry&) const = default;
};

// A point in twips.
struct TwipsPoint {
    double x = 0;
    double y = 0;
    bool operator==(const TwipsPoint&) const = default;
};

// An area in twips, given by its edges.
struct TwipsRect {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    bool operator==(const TwipsRect&) const = default;
};

// A pop-up menu to show: a form's menu popped up by Form::PopupMenu, or the PopupMenu component.
struct MenuRequest {
    Form* owner = nullptr;
    // Where the menu's top-left corner goes, in twips of the owner form's inner area; none: at
    // the mouse pointer.
    std::optional<TwipsPoint> at;
    // An area of the owner form (twips) that the menu should not cover, such as its button.
    std::optional<TwipsRect> exclude;
    std::vector<MenuEntry> entries;
};

}  // namespace quillo::runtime
