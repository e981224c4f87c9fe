#pragma once

#include <string>

namespace quillo::runtime {

class ListView;

// An item of a list view: a key (unique within the list when not empty), a text and a selected
// flag. Changes reach the list's peer.
class ListItem {
  public:
    ListItem(ListView& view, long id, std::string key, std::string text);
    ListItem(const ListItem&) = delete;
    ListItem& operator=(const ListItem&) = delete;

    // A number that names the item for the list's peer; never reused within the list.
    long id() const { return id_; }
    ListView& view() const { return *view_; }

    const std::string& Key() const { return key_; }
    const std::string& Text() const { return text_; }
    void setText(std::string value);
    const std::string& Tag() const { return tag_; }
    void setTag(std::string value) { tag_ = std::move(value); }
    // The position in the list, from 1.
    int Index() const;
    bool Selected() const { return selected_; }
    // Selecting an item of a list that selects one item only deselects the others.
    void setSelected(bool value);

  private:
    friend class ListView;

    ListView* view_;
    long id_;
    std::string key_;
    std::string text_;
    std::string tag_;
    bool selected_ = false;
};

}  // namespace quillo::runtime
