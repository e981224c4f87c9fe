#include "runtime/ListItemCollection.h"

#include <algorithm>

#include "runtime/ListView.h"

namespace quillo::runtime {

ListItem* ListItemCollection::Add(std::string key, std::string text) {
    if (!key.empty() && Item(key)) return nullptr;
    items_.push_back(
        std::make_unique<ListItem>(*view_, nextId_++, std::move(key), std::move(text)));
    ListItem* item = items_.back().get();
    if (!item->Key().empty()) keys_.emplace(item->Key(), item);
    view_->itemsChanged({EntryChange::Kind::Inserted, Count() - 1, item->id()});
    return item;
}

ListItem* ListItemCollection::Item(const std::string& key) const {
    auto found = keys_.find(key);
    return found == keys_.end() ? nullptr : found->second;
}

ListItem* ListItemCollection::Item(int index) const {
    if (index < 1 || index > Count()) return nullptr;
    return items_[static_cast<std::size_t>(index - 1)].get();
}

std::deque<std::unique_ptr<ListItem>>::const_iterator ListItemCollection::placeOf(long id) const {
    return std::lower_bound(
        items_.begin(), items_.end(), id,
        [](const std::unique_ptr<ListItem>& item, long wanted) { return item->id() < wanted; });
}

ListItem* ListItemCollection::byId(long id) const {
    auto found = placeOf(id);
    return found != items_.end() && (*found)->id() == id ? found->get() : nullptr;
}

int ListItemCollection::indexOf(const ListItem& item) const {
    auto found = placeOf(item.id());
    if (found == items_.end() || found->get() != &item) return 0;
    return static_cast<int>(found - items_.begin()) + 1;
}

bool ListItemCollection::Remove(ListItem* item) {
    const int index = item ? indexOf(*item) : 0;
    if (index == 0) return false;
    view_->itemRemoving(*item);
    const long id = item->id();
    if (!item->Key().empty()) keys_.erase(item->Key());
    items_.erase(items_.begin() + (index - 1));
    view_->itemsChanged({EntryChange::Kind::Removed, index - 1, id});
    return true;
}

void ListItemCollection::Clear() {
    for (const auto& item : items_)
        view_->itemRemoving(*item);
    items_.clear();
    keys_.clear();
    view_->itemsChanged({EntryChange::Kind::Cleared});
}

}  // namespace quillo::runtime
