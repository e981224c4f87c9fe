#pragma once

#include <optional>
#include <string>
#include <vector>

#include "runtime/Control.h"
#include "runtime/NodeCollection.h"

namespace quillo::runtime {

// A tree of nodes. One node at most is selected and one is drop-highlighted. HitTest asks the
// peer which node is shown at a point. A label edit starts only when the program asks for it
// (or, with LabelEdit automatic, when the backend starts one for the user); the user ends it
// with endLabelEdit, and AfterLabelEdit may cancel it, keeping the old text.
class TreeView : public Control {
  public:
    TreeView(Form& form, std::string name, int index, Control* container);
    ~TreeView() override;

    NodeCollection Nodes;

    Node* SelectedItem() const { return selected_; }
    // Selects a node (nullptr: none); raises no NodeClick.
    void setSelectedItem(Node* node);
    Node* DropHighlight() const { return dropHighlight_; }
    void setDropHighlight(Node* node);
    // The node shown at x, y (twips, the tree's own coordinates); nullptr when none is there.
    Node* HitTest(double x, double y) const;
    // Starts editing the selected node's text, unless there is none or BeforeLabelEdit cancels.
    void StartLabelEdit();
    Node* editingNode() const { return editing_; }

    // 0 automatic: the user may start an edit by clicking a selected node; 1 manual.
    int LabelEdit() const { return labelEdit_; }
    void setLabelEdit(int value);
    const std::string& PathSeparator() const { return pathSeparator_; }
    void setPathSeparator(std::string value);
    // Keeps the top-level nodes sorted by text, letter case ignored, from now on.
    bool Sorted() const { return sorted_; }
    void setSorted(bool value);

    // The nodes a user can see, top to bottom: those whose parents are all expanded.
    std::vector<Node*> visibleNodes() const;

    Event<Node&> NodeClick;
    Event<Node&> Expand;
    Event<Node&> Collapse;
    Event<int&> BeforeLabelEdit;  // Cancel
    // Cancel, NewString (nothing when the user abandoned the edit)
    Event<int&, const std::optional<std::string>&> AfterLabelEdit;

    // User input: a click on a node selects it; expanding and collapsing; the end of a label edit
    // with the typed text, or nothing when the user abandoned it.
    void fireNodeClick(Node& node);
    void fireExpand(Node& node);
    void fireCollapse(Node& node);
    void endLabelEdit(std::optional<std::string> newText);

    // Used by the nodes and the collection.
    // The nodes were put in another order: the peer reads them all again.
    void nodesChanged() { changed(Property::Items); }
    void nodeChanged(const EntryChange& change) { entryChanged(change); }
    void nodeRemoving(const Node& node);

  private:
    void addVisible(const std::vector<Node*>& nodes, std::vector<Node*>& shown) const;

    Node* selected_ = nullptr;
    Node* dropHighlight_ = nullptr;
    Node* editing_ = nullptr;
    int labelEdit_ = 0;
    std::string pathSeparator_ = "\\";
    bool sorted_ = false;
};

}  // namespace quillo::runtime
