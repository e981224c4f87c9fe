#pragma once

#include <string>
#include <vector>

#include "runtime/Control.h"
#include "runtime/MenuRequest.h"

namespace quillo::runtime {

// The pop-up menu component: entries numbered from 1 in the order they were added, each with a
// caption, the number of the entry whose submenu holds it (0 for the top level), a key and an
// enabled flag. A program makes a new one for every opening. Its Click gives the number of the
// chosen entry (it stands in for the plain Click of other controls). Inside a form class, whose
// member function PopupMenu hides this name, write runtime::PopupMenu.
class PopupMenu : public Control {
  public:
    PopupMenu(Form& form, std::string name, int index, Control* container);
    // A component made in code for the owner form, whose window it opens over.
    explicit PopupMenu(Form& owner);

    // Removes every entry; numbering starts again from 1.
    void Reset();
    // Adds an entry under parent and returns its number; 0 (nothing added) when there is no
    // entry with the parent's number. A plain caption is shown exactly as written (a name read
    // from disk): nothing in it makes a separator, a heading, a shortcut text or a mnemonic.
    long AddItem(std::string caption, long parent = 0, std::string key = "", bool plain = false);
    void EnableItem(long item, bool enabled);
    // The key given to AddItem; the empty text for an unknown number.
    std::string ItemKey(long item) const;
    std::string ItemCaption(long item) const;
    bool ItemEnabled(long item) const;
    long ItemParent(long item) const;
    long ItemCount() const { return static_cast<long>(items_.size()); }

    // Shows the menu with its top-left corner at x, y, keeping clear of the area left, top,
    // right, bottom, all twips in the coordinates of origin's inner area (the owner form's when
    // none is given); waits for the user. A chosen enabled entry raises Click before this
    // returns. Returns the chosen entry's number, 0 when the menu was dismissed.
    long ShowMenu(double x, double y, double left, double top, double right, double bottom,
                  const Control* origin = nullptr);

    Event<long> Click;  // ItemNumber

  private:
    struct Item {
        std::string caption;
        long parent = 0;
        std::string key;
        bool enabled = true;
        bool plain = false;
    };
    const Item* item(long number) const;
    std::vector<MenuEntry> entriesUnder(long parent) const;

    std::vector<Item> items_;
};

}  // namespace quillo::runtime
