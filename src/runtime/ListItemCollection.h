#pragma once

#include <memory>
#include <string>
#include <vector>

#include "runtime/ListItem.h"

namespace quillo::runtime {

// The items of a list view in list order, Index from 1.
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
    ListView* view_;
    std::vector<std::unique_ptr<ListItem>> items_;
    long nextId_ = 1;
};

}  // namespace quillo::runtime
