#pragma once

#include "runtime/Control.h"
#include "runtime/ItemList.h"
#include "runtime/Types.h"

namespace quillo::runtime {

// A list of text entries, indexed from 0. MultiSelect 0 selects one entry (the one at
// ListIndex), 1 lets each click toggle an entry, 2 extends with Shift and toggles with Ctrl.
// Setting ListIndex, by code or by a click, runs Click.
class ListBox : public Control {
  public:
    ListBox(Form& form, std::string name, int index, Control* container);

    void AddItem(std::string item, int index = -1);
    void RemoveItem(int index);
    void Clear();
    std::string List(int index) const { return items_.at(index); }
    void setList(int index, std::string text);
    int ListCount() const { return items_.count(); }
    int ListIndex() const { return items_.listIndex(); }
    void setListIndex(int value);
    // The entry at ListIndex.
    std::string Text() const { return items_.at(items_.listIndex()); }
    bool Selected(int index) const;
    void setSelected(int index, bool value);
    int SelCount() const;
    int MultiSelect() const { return multiSelect_; }
    void setMultiSelect(int value);
    bool Sorted() const { return items_.sorted(); }
    void setSorted(bool value);
    long ItemData(int index) const { return items_.itemData(index); }
    void setItemData(int index, long value) { items_.setItemData(index, value); }
    Color BackColor() const { return backColor_; }
    void setBackColor(Color value);
    Color ForeColor() const { return foreColor_; }
    void setForeColor(Color value);
    const Font& getFont() const { return font_; }
    void setFont(const Font& value);

    // User input: a click on an entry (shift as the key events give it), a double-click on one.
    void fireEntryClick(int index, int shift = 0);
    void fireEntryDblClick(int index);

  private:
    void selectRange(int from, int to);

    ItemList items_;
    int multiSelect_ = 0;
    int anchor_ = -1;
    Color backColor_ = 0x80000005;
    Color foreColor_ = 0x80000008;
    Font font_;
};

}  // namespace quillo::runtime
