#include "runtime/NodeCollection.h"

#include <algorithm>

#include "runtime/PathResolver.h"
#include "runtime/TreeView.h"

namespace quillo::runtime {

void NodeCollection::sortByText(std::vector<Node*>& nodes) {
    std::stable_sort(nodes.begin(), nodes.end(), [](const Node* a, const Node* b) {
        return LowerAscii(a->Text()) < LowerAscii(b->Text());
    });
}

void NodeCollection::insertSibling(std::vector<Node*>& siblings, Node* node, std::size_t place,
                                   bool sorted) {
    siblings.insert(
        siblings.begin() + static_cast<std::ptrdiff_t>(std::min(place, siblings.size())), node);
    if (sorted) sortByText(siblings);
}

bool NodeCollection::owns(const Node* node) const {
    return std::any_of(nodes_.begin(), nodes_.end(),
                       [&](const std::unique_ptr<Node>& owned) { return owned.get() == node; });
}

std::pair<Node*, std::size_t> NodeCollection::placeFor(Node* relative, int relationship) {
    if (!relative) return {nullptr, relationship == tvwFirst ? 0 : roots_.size()};
    if (relationship == tvwChild) return {relative, relative->children_.size()};
    Node* parent = relative->parent_;
    auto at = static_cast<std::size_t>(relative->place());
    switch (relationship) {
        case tvwFirst:
            return {parent, 0};
        case tvwNext:
            return {parent, at + 1};
        case tvwPrevious:
            return {parent, at};
        default:
            return {parent, siblingsOf(parent).size()};
    }
}

Node* NodeCollection::Add(Node* relative, int relationship, std::string key, std::string text) {
    if (!key.empty() && Item(key)) return nullptr;
    if (relative && !owns(relative)) return nullptr;
    auto [parent, place] = placeFor(relative, relationship);
    nodes_.push_back(std::make_unique<Node>(*tree_, nextId_++, std::move(key), std::move(text)));
    Node* node = nodes_.back().get();
    node->parent_ = parent;
    insertSibling(siblingsOf(parent), node, place, parent ? parent->sorted_ : tree_->Sorted());
    tree_->nodesChanged();
    return node;
}

Node* NodeCollection::Add(const std::string& relativeKey, int relationship, std::string key,
                          std::string text) {
    Node* relative = nullptr;
    if (!relativeKey.empty()) {
        relative = Item(relativeKey);
        if (!relative) return nullptr;
    }
    return Add(relative, relationship, std::move(key), std::move(text));
}

Node* NodeCollection::Item(const std::string& key) const {
    if (key.empty()) return nullptr;
    for (const auto& node : nodes_)
        if (node->Key() == key) return node.get();
    return nullptr;
}

Node* NodeCollection::Item(int index) const {
    if (index < 1 || index > Count()) return nullptr;
    return nodes_[static_cast<std::size_t>(index - 1)].get();
}

Node* NodeCollection::byId(long id) const {
    for (const auto& node : nodes_)
        if (node->id() == id) return node.get();
    return nullptr;
}

int NodeCollection::indexOf(const Node& node) const {
    for (std::size_t i = 0; i < nodes_.size(); ++i)
        if (nodes_[i].get() == &node) return static_cast<int>(i) + 1;
    return 0;
}

void NodeCollection::collect(Node* node, std::vector<Node*>& subtree) const {
    subtree.push_back(node);
    for (Node* child : node->children_)
        collect(child, subtree);
}

bool NodeCollection::Remove(Node* node) {
    if (!node || !owns(node)) return false;
    std::vector<Node*> subtree;
    collect(node, subtree);
    for (Node* gone : subtree)
        tree_->nodeRemoving(*gone);
    auto& siblings = siblingsOf(node->parent_);
    siblings.erase(std::find(siblings.begin(), siblings.end(), node));
    std::erase_if(nodes_, [&](const std::unique_ptr<Node>& owned) {
        return std::find(subtree.begin(), subtree.end(), owned.get()) != subtree.end();
    });
    tree_->nodesChanged();
    return true;
}

void NodeCollection::Clear() {
    for (const auto& node : nodes_)
        tree_->nodeRemoving(*node);
    roots_.clear();
    nodes_.clear();
    tree_->nodesChanged();
}

}  // namespace quillo::runtime
