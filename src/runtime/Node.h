#pragma once

#include <string>
#include <vector>

namespace quillo::runtime {

class TreeView;

// Where NodeCollection::Add puts a node relative to another one.
constexpr int tvwFirst = 0;     // first among the relative's siblings
constexpr int tvwLast = 1;      // last among the relative's siblings
constexpr int tvwNext = 2;      // right after the relative
constexpr int tvwPrevious = 3;  // right before the relative
constexpr int tvwChild = 4;     // last child of the relative

// A node of a tree view: a key (unique within the tree when not empty), a text, a parent and
// children in display order. Changes reach the tree's peer. Setting Expanded in code raises no
// Expand or Collapse event; only the user's expanding does.
class Node {
  public:
    Node(TreeView& tree, long id, std::string key, std::string text);
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;

    // A number that names the node for the tree's peer; never reused within the tree.
    long id() const { return id_; }
    TreeView& tree() const { return *tree_; }

    const std::string& Key() const { return key_; }
    const std::string& Text() const { return text_; }
    void setText(std::string value);
    const std::string& Tag() const { return tag_; }
    void setTag(std::string value) { tag_ = std::move(value); }

    Node* Parent() const { return parent_; }
    int Children() const { return static_cast<int>(children_.size()); }
    const std::vector<Node*>& children() const { return children_; }
    // The first child; nullptr when there is none. Next, Previous and the others likewise.
    Node* Child() const { return children_.empty() ? nullptr : children_.front(); }
    Node* Next() const;
    Node* Previous() const;
    Node* FirstSibling() const;
    Node* LastSibling() const;
    Node* Root() const;
    // The texts from the top of the tree down to this node joined by the tree's PathSeparator.
    std::string FullPath() const;
    // The position in the tree's Nodes collection, from 1.
    int Index() const;

    bool Expanded() const { return expanded_; }
    void setExpanded(bool value);
    bool Selected() const;
    void setSelected(bool value);
    // Keeps the children sorted by text, letter case ignored, from now on.
    bool Sorted() const { return sorted_; }
    void setSorted(bool value);
    // Expands every node above this one.
    void EnsureVisible();

  private:
    friend class NodeCollection;
    const std::vector<Node*>& siblings() const;
    // The node's place among its siblings; found at once where it was last seen.
    int place() const;

    TreeView* tree_;
    long id_;
    std::string key_;
    std::string text_;
    std::string tag_;
    Node* parent_ = nullptr;
    std::vector<Node*> children_;
    bool expanded_ = false;
    bool sorted_ = false;
    mutable std::size_t placeGuess_ = 0;
};

}  // namespace quillo::runtime
