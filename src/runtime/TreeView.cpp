#include "runtime/TreeView.h"

#include "runtime/Application.h"

namespace quillo::runtime {

TreeView::TreeView(Form& form, std::string name, int index, Control* container)
    : Control(form, ControlKind::TreeView, std::move(name), index, container), Nodes(*this) {}

TreeView::~TreeView() = default;

void TreeView::setSelectedItem(Node* node) {
    if (selected_ == node) return;
    selected_ = node;
    changed(Property::ListIndex);
}

void TreeView::setDropHighlight(Node* node) {
    if (dropHighlight_ == node) return;
    dropHighlight_ = node;
    changed(Property::DropHighlight);
}

Node* TreeView::HitTest(double x, double y) const {
    if (!peer()) return nullptr;
    return Nodes.byId(peer()->itemAt(*this, x, y));
}

void TreeView::StartLabelEdit() {
    if (!selected_) return;
    int cancel = 0;
    form().application().dispatch([&] { BeforeLabelEdit(cancel); });
    if (cancel != 0 || !selected_) return;
    editing_ = selected_;
    changed(Property::LabelEdit);
}

void TreeView::setLabelEdit(int value) {
    labelEdit_ = value;
    changed(Property::Style);
}

void TreeView::setPathSeparator(std::string value) {
    pathSeparator_ = std::move(value);
}

void TreeView::setSorted(bool value) {
    sorted_ = value;
    if (!sorted_) return;
    NodeCollection::sortByText(Nodes.siblingsOf(nullptr));
    nodesChanged();
}

void TreeView::addVisible(const std::vector<Node*>& nodes, std::vector<Node*>& shown) const {
    for (Node* node : nodes) {
        shown.push_back(node);
        if (node->Expanded()) addVisible(node->children(), shown);
    }
}

std::vector<Node*> TreeView::visibleNodes() const {
    std::vector<Node*> shown;
    addVisible(Nodes.roots(), shown);
    return shown;
}

void TreeView::fireNodeClick(Node& node) {
    form().application().dispatch([this, &node] {
        setSelectedItem(&node);
        NodeClick(node);
    });
}

void TreeView::fireExpand(Node& node) {
    form().application().dispatch([this, &node] {
        node.setExpanded(true);
        Expand(node);
    });
}

void TreeView::fireCollapse(Node& node) {
    form().application().dispatch([this, &node] {
        node.setExpanded(false);
        Collapse(node);
    });
}

void TreeView::endLabelEdit(std::optional<std::string> newText) {
    if (!editing_) return;
    long id = editing_->id();
    editing_ = nullptr;
    changed(Property::LabelEdit);
    form().application().dispatch([&, this] {
        int cancel = 0;
        AfterLabelEdit(cancel, newText);
        // The handler may have rebuilt the tree: the node keeps its text only if it is still there.
        Node* node = Nodes.byId(id);
        if (cancel == 0 && newText && node) node->setText(*newText);
    });
}

void TreeView::nodeRemoving(const Node& node) {
    if (selected_ == &node) setSelectedItem(nullptr);
    if (dropHighlight_ == &node) setDropHighlight(nullptr);
    if (editing_ == &node) {
        editing_ = nullptr;
        changed(Property::LabelEdit);
    }
}

}  // namespace quillo::runtime
