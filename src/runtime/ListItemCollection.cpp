#include "runtime/ListItemCollection.h"

#include <algorithm>

#include "runtime/ListView.h"

namespace quillo::runtime {

ListItem* ListItemCollection::Add(std::string key, std::string text) {
    if (!key.empty() && Item(key)) return nullptr;
    items_.push_back(
        std::make_unique<ListItem>(*view_, nextId_++, std::move(key), std::move(text)));
    view_->itemsChanged();
    return items_.back().get();
}

ListItem* ListItemCollection::Item(const std::string& key) const {
    if (key.empty()) return nullptr;
    for (const auto& item : items_)
        if (item->Key() == key) return item.get();
    return nullptr;
}

ListItem* ListItemCollection::Item(int index) const {
    if (index < 1 || index > Count()) return nullptr;
    return items_[static_cast<std::size_t>(index - 1)].get();
}

ListItem* ListItemCollection::byId(long id) const {
    for (const auto& item : items_)
        if (item->id() == id) return item.get();
    return nullptr;
}

int ListItemCollection::indexOf(const ListItem& item) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == &item) return static_cast<int>(i) + 1;
    return 0;
}

bool ListItemCollection::Remove(ListItem* item) {
    auto found =
        std::find_if(items_.begin(), items_.end(),
                     [&](const std::unique_ptr<ListItem>& owned) { return owned.get() == item; });
    if (!item || found == items_.end()) return false;
    view_->itemRemoving(*item);
    items_.erase(found);
    view_->itemsChanged();
    return true;
}

void ListItemCollection::Clear() {
    for (const auto& item : items_)
        view_->itemRemoving(*item);
    items_.clear();
    view_->itemsChanged();
}

}  // namespace quillo::runtime
