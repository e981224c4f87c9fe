#pragma once

#include <deque>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "runtime/Node.h"

namespace quillo::runtime {

class TreeView;

// The nodes of a tree view, in the order they were added (Index from 1), and the top-level
// nodes in display order. Removing a node removes everything below it. The nodes are in the
// order of their ids as well, so a node is found by its id or key, and its Index told, without
// going through the tree.
class NodeCollection {
  public:
    explicit NodeCollection(TreeView& tree) : tree_(&tree) {}
    NodeCollection(const NodeCollection&) = delete;
    NodeCollection& operator=(const NodeCollection&) = delete;

    // Adds a node placed by relationship to relative (none: at the top level, first for
    // tvwFirst and last otherwise). Returns nullptr, adding nothing, when the key is not empty
    // and taken already, or when a relative is named but not found.
    Node* Add(Node* relative, int relationship, std::string key, std::string text);
    // The relative named by its key; the empty key names none.
    Node* Add(const std::string& relativeKey, int relationship, std::string key, std::string text);

    int Count() const { return static_cast<int>(nodes_.size()); }
    // The node with this key, or at this position (from 1); nullptr when there is none.
    Node* Item(const std::string& key) const;
    Node* Item(int index) const;
    Node* operator()(const std::string& key) const { return Item(key); }
    Node* operator()(int index) const { return Item(index); }
    // Removes the node and all below it; false when it is not in the tree.
    bool Remove(Node* node);
    bool Remove(const std::string& key) { return Remove(Item(key)); }
    bool Remove(int index) { return Remove(Item(index)); }
    void Clear();

    const std::vector<Node*>& roots() const { return roots_; }
    Node* byId(long id) const;
    int indexOf(const Node& node) const;
    // Puts a node among siblings at the given place, or in sorted siblings at its sorted place
    // (next to the given one among siblings of the same text); returns where it went.
    static std::size_t insertSibling(std::vector<Node*>& siblings, Node* node, std::size_t place,
                                     bool sorted);
    static void sortByText(std::vector<Node*>& nodes);
    std::vector<Node*>& siblingsOf(Node* parent) { return parent ? parent->children_ : roots_; }

  private:
    // Where the node with this id is or would be in nodes_.
    std::deque<std::unique_ptr<Node>>::const_iterator placeOf(long id) const;
    bool owns(const Node* node) const;
    // Lets go of removed nodes.
    void forget(const std::vector<Node*>& subtree);
    // The parent and the place among its children where a new node goes.
    std::pair<Node*, std::size_t> placeFor(Node* relative, int relationship);
    void collect(Node* node, std::vector<Node*>& subtree) const;

    TreeView* tree_;
    std::deque<std::unique_ptr<Node>> nodes_;
    std::vector<Node*> roots_;
    std::unordered_map<std::string, Node*> keys_;
    long nextId_ = 1;
};

}  // namespace quillo::runtime
