#pragma once

#include <QPointer>
#include <QTreeWidget>
#include <memory>
#include <unordered_map>

#include "runtime/ControlPeer.h"
#include "runtime/qt/HostWidget.h"
#include "runtime/qt/LabelEditor.h"

namespace quillo::runtime {
class Node;
class TreeView;
}  // namespace quillo::runtime

namespace quillo::qt {

// A tree view: a QTreeWidget showing the model's nodes, their expansion, the selected and the
// drop-highlighted node. Clicks, expanding and keys go to the model, and the tree then shows
// what the model made of them. A label edit is a field laid over the node while the model has
// one going; Enter or leaving the field ends it with the typed text, Escape abandons it.
class TreeViewWidget : public HostWidget {
    Q_OBJECT
  public:
    explicit TreeViewWidget(runtime::TreeView& tree);
    static std::unique_ptr<runtime::ControlPeer> createPeer(runtime::Control& control);

    void mirror(runtime::Property property) override;
    void mirrorEntry(const runtime::EntryChange& change) override;
    long itemAt(double x, double y) const override;

  protected:
    bool mouseInput(QMouseEvent& event) override;
    void keyToWidget(QKeyEvent& event) override;

  private:
    runtime::TreeView* tree() const;
    runtime::Node* nodeOf(const QTreeWidgetItem* item) const;
    QTreeWidgetItem* itemOf(const runtime::Node* node) const;
    QTreeWidgetItem* itemOf(long id) const;
    void applyNodes();
    // A row for the node, not yet in the tree, with rows for the nodes below it.
    QTreeWidgetItem* rowFor(const runtime::Node& node);
    void insertNode(const runtime::Node& node, int place);
    void removeNode(long id, int place);
    // Qt chooses another row when the one with the caret goes; the tree keeps the model's choice.
    void keepSelection();
    void applyExpansion();
    void applySelection();
    void applyDropHighlight();
    void applyLabelEdit();
    // The user expanded or collapsed a node in Qt's own way (the keyboard).
    void userExpanded(QTreeWidgetItem* item, bool expanded);
    // The user ended the label edit: with the typed text, or abandoned.
    void editFinished(std::optional<std::string> text);
    QPoint inViewport(const QPointF& position) const;
    // The row a key takes in a tree without a selected node (Down, Up, Home and Space the
    // first, End the last shown); nullptr when the key moves as usual.
    QTreeWidgetItem* itemTakenWithoutSelection(const QKeyEvent& event) const;

    QPointer<QTreeWidget> view_;
    std::unordered_map<long, QTreeWidgetItem*> items_;
    long highlighted_ = 0;
    LabelEditor editor_;
};

}  // namespace quillo::qt
