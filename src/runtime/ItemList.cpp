#include "runtime/ItemList.h"

#include <algorithm>

#include "runtime/PathResolver.h"

namespace quillo::runtime {

namespace {
bool before(const std::string& a, const std::string& b) {
    std::string lowerA = LowerAscii(a);
    std::string lowerB = LowerAscii(b);
    return lowerA != lowerB ? lowerA < lowerB : a < b;
}
}  // namespace

std::string ItemList::at(int index) const {
    return contains(index) ? entry(index).text : std::string();
}

bool ItemList::setAt(int index, std::string text) {
    if (!contains(index)) return false;
    entry(index).text = std::move(text);
    return true;
}

int ItemList::sortedPosition(const std::string& text) const {
    auto found = std::upper_bound(
        entries_.begin(), entries_.end(), text,
        [](const std::string& t, const std::unique_ptr<Entry>& e) { return before(t, e->text); });
    return static_cast<int>(found - entries_.begin());
}

int ItemList::add(std::string text, int index) {
    int position =
        sorted_ ? sortedPosition(text) : (index < 0 || index > count() ? count() : index);
    entries_.insert(entries_.begin() + position, std::make_unique<Entry>(Entry{std::move(text)}));
    if (listIndex_ >= position) ++listIndex_;
    return position;
}

bool ItemList::remove(int index) {
    if (!contains(index)) return false;
    entries_.erase(entries_.begin() + index);
    if (listIndex_ == index)
        listIndex_ = -1;
    else if (listIndex_ > index)
        --listIndex_;
    return true;
}

void ItemList::clear() {
    entries_.clear();
    listIndex_ = -1;
}

int ItemList::find(const std::string& text) const {
    for (int i = 0; i < count(); ++i)
        if (entry(i).text == text) return i;
    return -1;
}

void ItemList::setSorted(bool value) {
    sorted_ = value;
    if (!sorted_) return;
    std::string current = at(listIndex_);
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const std::unique_ptr<Entry>& a, const std::unique_ptr<Entry>& b) {
                         return before(a->text, b->text);
                     });
    if (listIndex_ >= 0) listIndex_ = find(current);
}

void ItemList::setListIndex(int value) {
    listIndex_ = contains(value) ? value : -1;
}

bool ItemList::selected(int index) const {
    return contains(index) && entry(index).selected;
}

void ItemList::setSelected(int index, bool value) {
    if (contains(index)) entry(index).selected = value;
}

int ItemList::selectedCount() const {
    return static_cast<int>(
        std::count_if(entries_.begin(), entries_.end(),
                      [](const std::unique_ptr<Entry>& e) { return e->selected; }));
}

void ItemList::clearSelection() {
    for (const std::unique_ptr<Entry>& e : entries_)
        e->selected = false;
}

long ItemList::itemData(int index) const {
    return contains(index) ? entry(index).data : 0;
}

void ItemList::setItemData(int index, long value) {
    if (contains(index)) entry(index).data = value;
}

}  // namespace quillo::runtime
