#include "runtime/ListItem.h"

#include "runtime/ListView.h"

namespace quillo::runtime {

ListItem::ListItem(ListView& view, long id, std::string key, std::string text)
    : view_(&view), id_(id), key_(std::move(key)), text_(std::move(text)) {}

void ListItem::setText(std::string value) {
    text_ = std::move(value);
    view_->itemsChanged({EntryChange::Kind::Replaced, Index() - 1, id_});
}

int ListItem::Index() const {
    return view_->ListItems.indexOf(*this);
}

void ListItem::setSelected(bool value) {
    if (value) view_->itemSelecting(*this);
    if (selected_ == value) return;
    selected_ = value;
    view_->itemSelectionChanged(*this);
}

}  // namespace quillo::runtime
