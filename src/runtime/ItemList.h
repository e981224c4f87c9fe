#pragma once

#include <deque>
#include <memory>
#include <string>

namespace quillo::runtime {

// The entries of a list box or combo box, indexed from 0, with the selected index (-1 for
// none) and, for list boxes that select several entries, a flag per entry. A sorted list keeps
// its entries in the platform's order: without regard to letter case. Adding and removing at
// either end takes the same time however long the list is; in between, the entries on the
// shorter side move by one.
class ItemList {
  public:
    int count() const { return static_cast<int>(entries_.size()); }
    // The entry at index; the empty text outside the list.
    std::string at(int index) const;
    // Replaces the text of an entry; false outside the list.
    bool setAt(int index, std::string text);
    // Inserts at index (-1 or past the end appends; a sorted list ignores it); returns the index.
    int add(std::string text, int index = -1);
    // Removes the entry; the selected index follows the entries. False outside the list.
    bool remove(int index);
    void clear();
    int find(const std::string& text) const;  // exact match, -1 when none

    bool sorted() const { return sorted_; }
    void setSorted(bool value);

    int listIndex() const { return listIndex_; }
    // Values outside the list select nothing (-1).
    void setListIndex(int value);

    bool selected(int index) const;
    void setSelected(int index, bool value);
    int selectedCount() const;
    void clearSelection();

    long itemData(int index) const;
    void setItemData(int index, long value);

  private:
    struct Entry {
        std::string text;
        bool selected = false;
        long data = 0;
    };
    bool contains(int index) const { return index >= 0 && index < count(); }
    Entry& entry(int index) const { return *entries_[static_cast<std::size_t>(index)]; }
    int sortedPosition(const std::string& text) const;

    // Held by pointer: an insert in the middle of a long list moves pointers, not texts.
    std::deque<std::unique_ptr<Entry>> entries_;
    int listIndex_ = -1;
    bool sorted_ = false;
};

}  // namespace quillo::runtime
