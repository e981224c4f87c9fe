#include "runtime/Node.h"

#include <algorithm>

#include "runtime/TreeView.h"

namespace quillo::runtime {

Node::Node(TreeView& tree, long id, std::string key, std::string text)
    : tree_(&tree), id_(id), key_(std::move(key)), text_(std::move(text)) {}

void Node::setText(std::string value) {
    text_ = std::move(value);
    bool sorted = parent_ ? parent_->sorted_ : tree_->Sorted();
    if (!sorted) {
        tree_->nodeChanged({EntryChange::Kind::Replaced, place(), id_});
        return;
    }
    NodeCollection::sortByText(tree_->Nodes.siblingsOf(parent_));
    tree_->nodesChanged();
}

const std::vector<Node*>& Node::siblings() const {
    return parent_ ? parent_->children_ : tree_->Nodes.roots();
}

int Node::place() const {
    const auto& row = siblings();
    if (placeGuess_ >= row.size() || row[placeGuess_] != this)
        placeGuess_ =
            static_cast<std::size_t>(std::find(row.begin(), row.end(), this) - row.begin());
    return static_cast<int>(placeGuess_);
}

Node* Node::Next() const {
    const auto& row = siblings();
    std::size_t at = static_cast<std::size_t>(place()) + 1;
    return at < row.size() ? row[at] : nullptr;
}

Node* Node::Previous() const {
    int at = place();
    return at > 0 ? siblings()[static_cast<std::size_t>(at - 1)] : nullptr;
}

Node* Node::FirstSibling() const {
    return siblings().front();
}
Node* Node::LastSibling() const {
    return siblings().back();
}

Node* Node::Root() const {
    const Node* top = this;
    while (top->parent_)
        top = top->parent_;
    return const_cast<Node*>(top);
}

std::string Node::FullPath() const {
    std::string path = text_;
    for (const Node* up = parent_; up; up = up->parent_)
        path = up->text_ + tree_->PathSeparator() + path;
    return path;
}

int Node::Index() const {
    return tree_->Nodes.indexOf(*this);
}

void Node::setExpanded(bool value) {
    if (expanded_ == value) return;
    expanded_ = value;
    tree_->nodeChanged({EntryChange::Kind::Expanded, -1, id_});
}

bool Node::Selected() const {
    return tree_->SelectedItem() == this;
}

void Node::setSelected(bool value) {
    if (value)
        tree_->setSelectedItem(this);
    else if (Selected())
        tree_->setSelectedItem(nullptr);
}

void Node::setSorted(bool value) {
    sorted_ = value;
    if (!sorted_) return;
    NodeCollection::sortByText(children_);
    tree_->nodesChanged();
}

void Node::EnsureVisible() {
    for (Node* up = parent_; up; up = up->parent_)
        up->setExpanded(true);
}

}  // namespace quillo::runtime
