#include "runtime/NodeCollection.h"

#include <algorithm>
#include <unordered_set>

#include "runtime/PathResolver.h"
#include "runtime/TreeView.h"

namespace quillo::runtime {

namespace {

bool textBefore(const Node* a, const Node* b) {
    return LowerAscii(a->Text()) < LowerAscii(b->Text());
}

}  // namespace

void NodeCollection::sortByText(std::vector<Node*>& nodes) {
    std::stable_sort(nodes.begin(), nodes.end(), textBefore);
}

std::size_t NodeCollection::insertSibling(std::vector<Node*>& siblings, Node* node,
                                          std::size_t place, bool sorted) {
    place = std::min(place, siblings.size());
    if (sorted) {
        // As a stable sort of the siblings with the node at place would put it.
        auto [first, last] = std::equal_range(siblings.begin(), siblings.end(), node, textBefore);
        place = std::clamp(place, static_cast<std::size_t>(first - siblings.begin()),
                           static_cast<std::size_t>(last - siblings.begin()));
    }
    siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(place), node);
    return place;
}

std::deque<std::unique_ptr<Node>>::const_iterator NodeCollection::placeOf(long id) const {
    return std::lower_bound(
        nodes_.begin(), nodes_.end(), id,
        [](const std::unique_ptr<Node>& node, long wanted) { return node->id() < wanted; });
}

bool NodeCollection::owns(const Node* node) const {
    return node && byId(node->id()) == node;
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
    if (!node->Key().empty()) keys_.emplace(node->Key(), node);
    node->parent_ = parent;
    node->placeGuess_ =
        insertSibling(siblingsOf(parent), node, place, parent ? parent->sorted_ : tree_->Sorted());
    tree_->nodeChanged(
        {EntryChange::Kind::Inserted, static_cast<int>(node->placeGuess_), node->id()});
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
    auto found = keys_.find(key);
    return found == keys_.end() ? nullptr : found->second;
}

Node* NodeCollection::Item(int index) const {
    if (index < 1 || index > Count()) return nullptr;
    return nodes_[static_cast<std::size_t>(index - 1)].get();
}

Node* NodeCollection::byId(long id) const {
    auto found = placeOf(id);
    return found != nodes_.end() && (*found)->id() == id ? found->get() : nullptr;
}

int NodeCollection::indexOf(const Node& node) const {
    auto found = placeOf(node.id());
    if (found == nodes_.end() || found->get() != &node) return 0;
    return static_cast<int>(found - nodes_.begin()) + 1;
}

void NodeCollection::collect(Node* node, std::vector<Node*>& subtree) const {
    subtree.push_back(node);
    for (Node* child : node->children_)
        collect(child, subtree);
}

void NodeCollection::forget(const std::vector<Node*>& subtree) {
    for (const Node* gone : subtree)
        if (!gone->Key().empty()) keys_.erase(gone->Key());
    if (subtree.size() == 1) {
        nodes_.erase(placeOf(subtree.front()->id()));
        return;
    }
    const std::unordered_set<const Node*> going(subtree.begin(), subtree.end());
    std::erase_if(nodes_,
                  [&](const std::unique_ptr<Node>& owned) { return going.count(owned.get()) > 0; });
}

bool NodeCollection::Remove(Node* node) {
    if (!owns(node)) return false;
    std::vector<Node*> subtree;
    collect(node, subtree);
    for (Node* gone : subtree)
        tree_->nodeRemoving(*gone);
    auto& siblings = siblingsOf(node->parent_);
    const int place = node->place();
    const long id = node->id();
    siblings.erase(siblings.begin() + place);
    forget(subtree);
    tree_->nodeChanged({EntryChange::Kind::Removed, place, id});
    return true;
}

void NodeCollection::Clear() {
    for (const auto& node : nodes_)
        tree_->nodeRemoving(*node);
    roots_.clear();
    nodes_.clear();
    keys_.clear();
    tree_->nodeChanged({EntryChange::Kind::Cleared});
}

}  // namespace quillo::runtime
