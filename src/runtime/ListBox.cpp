#include "runtime/ListBox.h"

#include <algorithm>

#include "runtime/Application.h"

namespace quillo::runtime {

ListBox::ListBox(Form& form, std::string name, int index, Control* container)
    : Control(form, ControlKind::ListBox, std::move(name), index, container) {}

void ListBox::AddItem(std::string item, int index) {
    int place = items_.add(std::move(item), index);
    entryChanged({EntryChange::Kind::Inserted, place});
}

void ListBox::RemoveItem(int index) {
    int chosen = items_.listIndex();
    if (!items_.remove(index)) return;
    entryChanged({EntryChange::Kind::Removed, index});
    // The entries after it move up with their choice; only the chosen one's removal changes it.
    if (chosen == index) changed(Property::ListIndex);
}

void ListBox::Clear() {
    items_.clear();
    anchor_ = -1;
    entryChanged({EntryChange::Kind::Cleared});
    changed(Property::ListIndex);
}

void ListBox::setList(int index, std::string text) {
    if (items_.setAt(index, std::move(text))) entryChanged({EntryChange::Kind::Replaced, index});
}

void ListBox::setListIndex(int value) {
    items_.setListIndex(value);
    if (multiSelect_ == 0) items_.clearSelection();
    items_.setSelected(items_.listIndex(), true);
    changed(Property::ListIndex);
    form().application().dispatch([this] { Click(); });
}

bool ListBox::Selected(int index) const {
    return multiSelect_ == 0 ? index >= 0 && index == items_.listIndex() : items_.selected(index);
}

void ListBox::setSelected(int index, bool value) {
    if (index < 0 || index >= ListCount()) return;
    if (multiSelect_ == 0) {
        if (value)
            setListIndex(index);
        else if (index == items_.listIndex())
            setListIndex(-1);
        return;
    }
    items_.setSelected(index, value);
    changed(Property::ListIndex);
}

int ListBox::SelCount() const {
    return multiSelect_ == 0 ? (items_.listIndex() >= 0 ? 1 : 0) : items_.selectedCount();
}

void ListBox::setMultiSelect(int value) {
    multiSelect_ = value;
    changed(Property::Style);
}

void ListBox::setSorted(bool value) {
    items_.setSorted(value);
    changed(Property::Items);
}

void ListBox::setBackColor(Color value) {
    backColor_ = value;
    changed(Property::Colors);
}

void ListBox::setForeColor(Color value) {
    foreColor_ = value;
    changed(Property::Colors);
}

void ListBox::setFont(const Font& value) {
    font_ = value;
    changed(Property::Font);
}

void ListBox::selectRange(int from, int to) {
    items_.clearSelection();
    for (int i = std::min(from, to); i <= std::max(from, to); ++i)
        items_.setSelected(i, true);
}

void ListBox::fireEntryClick(int index, int shift) {
    if (index < 0 || index >= ListCount()) return;
    form().application().dispatch([this, index, shift] {
        bool toggle = multiSelect_ == 1 || (multiSelect_ == 2 && (shift & vbCtrlMask));
        bool extend = multiSelect_ == 2 && (shift & vbShiftMask) && anchor_ >= 0;
        if (toggle) {
            items_.setSelected(index, !items_.selected(index));
            anchor_ = index;
        } else if (extend) {
            selectRange(anchor_, index);
        } else {
            items_.clearSelection();
            anchor_ = index;
        }
        items_.setListIndex(index);
        if (!toggle && !extend) items_.setSelected(index, true);
        changed(Property::ListIndex);
        Click();
    });
}

void ListBox::fireEntryDblClick(int index) {
    if (index < 0 || index >= ListCount()) return;
    form().application().dispatch([this] { DblClick(); });
}

}  // namespace quillo::runtime
