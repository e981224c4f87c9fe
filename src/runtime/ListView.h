#pragma once

#include <functional>
#include <optional>
#include <string>

#include "runtime/Control.h"
#include "runtime/ListItemCollection.h"

namespace quillo::runtime {

// A list of items, one or (with MultiSelect) several selected. SelectedItem is the item the
// user or the program chose last while it is selected, else the first selected one. HitTest
// asks the peer which item is shown at a point. Label edits work as in TreeView.
class ListView : public Control {
  public:
    ListView(Form& form, std::string name, int index, Control* container);
    ~ListView() override;

    ListItemCollection ListItems;

    bool MultiSelect() const { return multiSelect_; }
    void setMultiSelect(bool value);
    ListItem* SelectedItem() const;
    // Selects the item and makes it the current one; the others stay selected in a list with
    // MultiSelect. nullptr deselects every item.
    void setSelectedItem(ListItem* item);
    ListItem* DropHighlight() const { return dropHighlight_; }
    void setDropHighlight(ListItem* item);
    ListItem* HitTest(double x, double y) const;
    void StartLabelEdit();
    ListItem* editingItem() const { return editing_; }
    // 0 automatic, 1 manual (see TreeView).
    int LabelEdit() const { return labelEdit_; }
    void setLabelEdit(int value);
    // 0 icons, 1 small icons, 2 list, 3 report.
    int View() const { return view_; }
    void setView(int value);

    Event<ListItem&> ItemClick;
    Event<int&> BeforeLabelEdit;
    Event<int&, const std::optional<std::string>&> AfterLabelEdit;

    // User input: a click on an item with the shift state of the keys (Ctrl toggles, Shift
    // extends from the last plain click, in a list with MultiSelect), the end of a label edit.
    void fireItemClick(ListItem& item, int shift = 0);
    void endLabelEdit(std::optional<std::string> newText);

    // Used by the items and the collection.
    void itemsChanged(const EntryChange& change) { entryChanged(change); }
    // An item was selected or deselected.
    void itemSelectionChanged(const ListItem& item);
    void itemSelecting(ListItem& item);
    void itemRemoving(const ListItem& item);

  private:
    // Gives every item its flag and tells the peer once.
    void selectOnly(const std::function<bool(int index)>& chosen);
    void deselectAll();

    bool multiSelect_ = false;
    ListItem* current_ = nullptr;
    ListItem* anchor_ = nullptr;
    ListItem* dropHighlight_ = nullptr;
    ListItem* editing_ = nullptr;
    // The items selected: with none, or with only the current one, no search is needed.
    int selectedCount_ = 0;
    int labelEdit_ = 0;
    int view_ = 0;
};

}  // namespace quillo::runtime
