#include "runtime/ListView.h"

#include <algorithm>

#include "runtime/Application.h"

namespace quillo::runtime {

ListView::ListView(Form& form, std::string name, int index, Control* container)
    : Control(form, ControlKind::ListView, std::move(name), index, container), ListItems(*this) {}

ListView::~ListView() = default;

void ListView::setMultiSelect(bool value) {
    multiSelect_ = value;
    changed(Property::Style);
}

ListItem* ListView::SelectedItem() const {
    if (selectedCount_ == 0) return nullptr;
    if (current_ && current_->Selected()) return current_;
    for (int i = 1; i <= ListItems.Count(); ++i)
        if (ListItems(i)->Selected()) return ListItems(i);
    return nullptr;
}

void ListView::selectOnly(const std::function<bool(int index)>& chosen) {
    bool changes = false;
    selectedCount_ = 0;
    for (int i = 1; i <= ListItems.Count(); ++i) {
        ListItem& item = *ListItems(i);
        changes = changes || item.selected_ != chosen(i);
        item.selected_ = chosen(i);
        selectedCount_ += item.selected_ ? 1 : 0;
    }
    if (changes) changed(Property::ListIndex);
}

void ListView::deselectAll() {
    selectOnly([](int) { return false; });
}

void ListView::setSelectedItem(ListItem* item) {
    if (!item) {
        deselectAll();
        current_ = nullptr;
        return;
    }
    item->setSelected(true);
    current_ = item;
}

void ListView::itemSelectionChanged(const ListItem& item) {
    selectedCount_ += item.Selected() ? 1 : -1;
    changed(Property::ListIndex);
}

void ListView::itemSelecting(ListItem& item) {
    if (multiSelect_) return;
    ListItem* previous = current_;
    current_ = &item;
    if (selectedCount_ == 0) return;
    if (selectedCount_ == 1 && previous && previous->Selected()) {
        if (previous != &item) previous->setSelected(false);
        return;
    }
    for (int i = 1; i <= ListItems.Count(); ++i)
        if (ListItems(i) != &item) ListItems(i)->setSelected(false);
}

void ListView::setDropHighlight(ListItem* item) {
    if (dropHighlight_ == item) return;
    dropHighlight_ = item;
    changed(Property::DropHighlight);
}

ListItem* ListView::HitTest(double x, double y) const {
    if (!peer()) return nullptr;
    return ListItems.byId(peer()->itemAt(*this, x, y));
}

void ListView::StartLabelEdit() {
    ListItem* item = SelectedItem();
    if (!item) return;
    int cancel = 0;
    form().application().dispatch([&] { BeforeLabelEdit(cancel); });
    if (cancel != 0 || ListItems.byId(item->id()) != item) return;
    editing_ = item;
    changed(Property::LabelEdit);
}

void ListView::setLabelEdit(int value) {
    labelEdit_ = value;
    changed(Property::Style);
}

void ListView::setView(int value) {
    view_ = value;
    changed(Property::Style);
}

void ListView::fireItemClick(ListItem& item, int shift) {
    form().application().dispatch([this, &item, shift] {
        bool toggle = multiSelect_ && (shift & vbCtrlMask);
        bool extend = multiSelect_ && (shift & vbShiftMask) && anchor_;
        if (toggle) {
            item.setSelected(!item.Selected());
            anchor_ = &item;
        } else if (extend) {
            int from = std::min(anchor_->Index(), item.Index());
            int to = std::max(anchor_->Index(), item.Index());
            selectOnly([from, to](int i) { return i >= from && i <= to; });
        } else {
            deselectAll();
            item.setSelected(true);
            anchor_ = &item;
        }
        current_ = &item;
        ItemClick(item);
    });
}

void ListView::endLabelEdit(std::optional<std::string> newText) {
    if (!editing_) return;
    long id = editing_->id();
    editing_ = nullptr;
    changed(Property::LabelEdit);
    form().application().dispatch([&, this] {
        int cancel = 0;
        AfterLabelEdit(cancel, newText);
        ListItem* item = ListItems.byId(id);
        if (cancel == 0 && newText && item) item->setText(*newText);
    });
}

void ListView::itemRemoving(const ListItem& item) {
    if (item.Selected()) --selectedCount_;
    if (current_ == &item) current_ = nullptr;
    if (anchor_ == &item) anchor_ = nullptr;
    if (dropHighlight_ == &item) setDropHighlight(nullptr);
    if (editing_ == &item) {
        editing_ = nullptr;
        changed(Property::LabelEdit);
    }
}

}  // namespace quillo::runtime
