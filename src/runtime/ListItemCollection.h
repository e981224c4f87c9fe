#pragma once

#include <deque>
#include <memory>
#include <string>
#include <unordered_map>

#include "runtime/ListItem.h"

namespace quillo::runtime {

// The items of a list view in list order, Index from 1. Items are only ever appended, so the
// list is in the order of their ids as well: an item is found by its id or key, and its place
// told, without going through the list.
class ListItemCollection {
  public:
    explicit ListItemCollection(ListView& view) : view_(&view) {}
    ListItemCollection(const ListItemCollection&) = delete;
    ListItemCollection& operator=(const ListItemCollection&) = delete;

    // Appends an item; nullptr, adding nothing, when the key is not empty and taken already.
    ListItem* Add(std::string key = "", std::string text = "");
    int Count() const { return static_cast<int>(items_.size()); }
    // The item with this key, or at this position (from 1); nullptr when there is none.
    ListItem* Item(const std::string& key) const;
    ListItem* Item(int index) const;
    ListItem* operator()(const std::string& key) const { return Item(key); }
    ListItem* operator()(int index) const { return Item(index); }
    bool Remove(ListItem* item);
    bool Remove(const std::string& key) { return Remove(Item(key)); }
    bool Remove(int index) { return Remove(Item(index)); }
    void Clear();

    ListItem* byId(long id) const;
    int indexOf(const ListItem& item) const;

  private:
    // Where the item with this id is or would be in the list.
    std::deque<std::unique_ptr<ListItem>>::const_iterator placeOf(long id) const;

    ListView* view_;
    std::deque<std::unique_ptr<ListItem>> items_;
    std::unordered_map<std::string, ListItem*> keys_;
    long nextId_ = 1;
};

}  // namespace quillo::runtime
