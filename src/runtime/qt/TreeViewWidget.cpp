#include "runtime/qt/TreeViewWidget.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <cmath>
#include <optional>

#include "runtime/TreeView.h"
#include "runtime/qt/ModelSync.h"
#include "runtime/qt/PixelScale.h"
#include "runtime/qt/WidgetPeer.h"

namespace quillo::qt {

using runtime::Node;
using runtime::Property;

namespace {

constexpr int idRole = Qt::UserRole + 1;

}  // namespace

TreeViewWidget::TreeViewWidget(runtime::TreeView& tree) : HostWidget(tree) {
    view_ = new QTreeWidget;
    view_->setHeaderHidden(true);
    view_->setColumnCount(1);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setExpandsOnDoubleClick(false);
    view_->setFocusPolicy(Qt::StrongFocus);
    setInner(view_);
    watch(view_->viewport());
    editor_.finished = [this](std::optional<std::string> text) { editFinished(std::move(text)); };
    connect(view_, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* item) { userExpanded(item, true); });
    connect(view_, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* item) { userExpanded(item, false); });
}

std::unique_ptr<runtime::ControlPeer> TreeViewWidget::createPeer(runtime::Control& control) {
    auto peer = std::make_unique<WidgetPeer>(
        control, new TreeViewWidget(static_cast<runtime::TreeView&>(control)));
    peer->mirrorAll();
    return peer;
}

runtime::TreeView* TreeViewWidget::tree() const {
    return static_cast<runtime::TreeView*>(control());
}

Node* TreeViewWidget::nodeOf(const QTreeWidgetItem* item) const {
    if (!item || !control()) return nullptr;
    return tree()->Nodes.byId(item->data(0, idRole).toLongLong());
}

QTreeWidgetItem* TreeViewWidget::itemOf(const Node* node) const {
    return node ? itemOf(node->id()) : nullptr;
}

QTreeWidgetItem* TreeViewWidget::itemOf(long id) const {
    auto found = items_.find(id);
    return found == items_.end() ? nullptr : found->second;
}

void TreeViewWidget::mirror(Property property) {
    if (!control() || !view_) return;
    switch (property) {
        case Property::Items:
            applyNodes();
            applyExpansion();
            applySelection();
            applyDropHighlight();
            applyLabelEdit();
            break;
        case Property::Expansion:
            applyExpansion();
            break;
        case Property::ListIndex:
            applySelection();
            break;
        case Property::DropHighlight:
            applyDropHighlight();
            break;
        case Property::LabelEdit:
            applyLabelEdit();
            break;
        default:
            break;
    }
}

void TreeViewWidget::mirrorEntry(const runtime::EntryChange& change) {
    if (!control() || !view_) return;
    using Kind = runtime::EntryChange::Kind;
    const Node* node = tree()->Nodes.byId(change.id);
    switch (change.kind) {
        case Kind::Inserted:
            if (node) insertNode(*node, change.place);
            break;
        case Kind::Removed:
            removeNode(change.id, change.place);
            keepSelection();
            break;
        case Kind::Replaced:
            if (QTreeWidgetItem* item = itemOf(node))
                item->setText(0, QString::fromStdString(node->Text()));
            break;
        case Kind::Cleared:
            items_.clear();
            highlighted_ = 0;
            view_->clear();
            break;
        case Kind::Expanded:
            if (QTreeWidgetItem* item = itemOf(node)) item->setExpanded(node->Expanded());
            break;
    }
}

void TreeViewWidget::applyNodes() {
    items_.clear();
    highlighted_ = 0;
    view_->clear();
    QList<QTreeWidgetItem*> rows;
    for (const Node* node : tree()->Nodes.roots())
        rows.append(rowFor(*node));
    view_->addTopLevelItems(rows);
}

QTreeWidgetItem* TreeViewWidget::rowFor(const Node& node) {
    // Filled in before it joins the tree, which then takes it in one step.
    auto* item = new QTreeWidgetItem(QStringList{QString::fromStdString(node.Text())});
    item->setData(0, idRole, QVariant::fromValue<qlonglong>(node.id()));
    items_[node.id()] = item;
    for (const Node* child : node.children())
        item->addChild(rowFor(*child));
    return item;
}

void TreeViewWidget::insertNode(const Node& node, int place) {
    QTreeWidgetItem* item = rowFor(node);
    if (QTreeWidgetItem* parent = itemOf(node.Parent()))
        parent->insertChild(place, item);
    else
        view_->insertTopLevelItem(place, item);
}

void TreeViewWidget::removeNode(long id, int place) {
    QTreeWidgetItem* item = itemOf(id);
    if (!item) return;
    QTreeWidgetItem* parent = item->parent();
    QTreeWidgetItem* taken = parent ? parent->takeChild(place) : view_->takeTopLevelItem(place);
    if (!taken) return;
    std::vector<QTreeWidgetItem*> below{taken};
    while (!below.empty()) {
        QTreeWidgetItem* gone = below.back();
        below.pop_back();
        items_.erase(gone->data(0, idRole).toLongLong());
        for (int i = 0; i < gone->childCount(); ++i)
            below.push_back(gone->child(i));
    }
    if (!items_.count(highlighted_)) highlighted_ = 0;
    delete taken;
}

void TreeViewWidget::keepSelection() {
    QTreeWidgetItem* wanted = itemOf(tree()->SelectedItem());
    const QList<QTreeWidgetItem*> shown = view_->selectedItems();
    if (shown.size() == (wanted ? 1 : 0) && (!wanted || shown.front() == wanted)) return;
    view_->clearSelection();
    if (wanted) wanted->setSelected(true);
}

void TreeViewWidget::applyExpansion() {
    for (const auto& [id, item] : items_)
        if (Node* node = tree()->Nodes.byId(id); node && item->isExpanded() != node->Expanded())
            item->setExpanded(node->Expanded());
}

void TreeViewWidget::applySelection() {
    QTreeWidgetItem* item = itemOf(tree()->SelectedItem());
    view_->clearSelection();
    if (!item) return;
    view_->setCurrentItem(item);
    item->setSelected(true);
}

void TreeViewWidget::applyDropHighlight() {
    if (QTreeWidgetItem* before = items_.count(highlighted_) ? items_[highlighted_] : nullptr) {
        before->setData(0, Qt::BackgroundRole, QVariant());
        before->setData(0, Qt::ForegroundRole, QVariant());
    }
    highlighted_ = 0;
    Node* node = tree()->DropHighlight();
    QTreeWidgetItem* item = itemOf(node);
    if (!item) return;
    highlighted_ = node->id();
    item->setBackground(0, view_->palette().brush(QPalette::Highlight));
    item->setForeground(0, view_->palette().brush(QPalette::HighlightedText));
}

void TreeViewWidget::applyLabelEdit() {
    QTreeWidgetItem* item = itemOf(tree()->editingNode());
    if (!item) {
        editor_.close();
        return;
    }
    if (editor_.isOpen()) return;
    view_->scrollToItem(item);
    QRect place = view_->visualItemRect(item);
    place.setRight(view_->viewport()->width() - 1);
    editor_.open(view_->viewport(), place, item->text(0));
}

void TreeViewWidget::editFinished(std::optional<std::string> text) {
    if (!control()) return;
    tree()->endLabelEdit(std::move(text));
    // Abandoned or cancelled, the node shows its old text again.
    if (control() && view_) {
        ModelSync sync;
        applyNodes();
        applyExpansion();
        applySelection();
        applyDropHighlight();
    }
}

QPoint TreeViewWidget::inViewport(const QPointF& position) const {
    return view_->viewport()->mapFrom(this, position.toPoint());
}

long TreeViewWidget::itemAt(double x, double y) const {
    if (!control() || !view_) return 0;
    const PixelScale pixels = scale();
    const QPoint here(static_cast<int>(std::floor(x / pixels.factor())),
                      static_cast<int>(std::floor(y / pixels.factor())));
    const QPoint point = inViewport(here);
    if (!view_->viewport()->rect().contains(point)) return 0;
    Node* node = nodeOf(view_->itemAt(point));
    return node ? node->id() : 0;
}

bool TreeViewWidget::mouseInput(QMouseEvent& event) {
    const QPoint point = inViewport(event.position());
    const bool inRows = view_->viewport()->rect().contains(point);
    switch (event.type()) {
        case QEvent::MouseButtonPress: {
            if (!inRows) {
                reportMouse(event);
                return false;
            }
            editor_.cancelStart();
            // Taking the focus ends a label edit, which may rebuild the rows.
            view_->setFocus(Qt::MouseFocusReason);
            if (!control() || !view_) return true;
            if (secondPress(event)) {
                control()->fireDblClick();
                return true;
            }
            reportMouse(event);
            QTreeWidgetItem* item = view_ ? view_->itemAt(point) : nullptr;
            Node* node = nodeOf(item);
            if (!control() || !node || event.button() != Qt::LeftButton) return true;
            // Left of the node's text lies its button for opening and closing.
            if (point.x() < view_->visualItemRect(item).left()) {
                if (node->Children() > 0) {
                    if (node->Expanded())
                        tree()->fireCollapse(*node);
                    else
                        tree()->fireExpand(*node);
                }
                return true;
            }
            const bool wasSelected = tree()->SelectedItem() == node;
            tree()->fireNodeClick(*node);
            // With automatic label editing a click on the selected node starts an edit.
            if (control() && wasSelected && tree()->LabelEdit() == 0)
                editor_.startSoon([this, id = node->id()] {
                    Node* still = control() ? tree()->Nodes.byId(id) : nullptr;
                    if (still && tree()->SelectedItem() == still && tree()->LabelEdit() == 0)
                        tree()->StartLabelEdit();
                });
            return true;
        }
        case QEvent::MouseButtonRelease:
            if (!inRows) {
                reportMouse(event);
                return false;
            }
            reportMouse(event);
            if (control() && !inDoubleClick() && event.button() == Qt::LeftButton)
                control()->fireClick();
            return true;
        case QEvent::MouseButtonDblClick:
            if (inRows && lateDoubleClick(event)) control()->fireDblClick();
            return inRows;
        default:
            reportMouse(event);
            return inRows;
    }
}

void TreeViewWidget::userExpanded(QTreeWidgetItem* item, bool expanded) {
    Node* node = nodeOf(item);
    if (!node || ModelSync::active()) return;
    if (expanded)
        tree()->fireExpand(*node);
    else
        tree()->fireCollapse(*node);
}

QTreeWidgetItem* TreeViewWidget::itemTakenWithoutSelection(const QKeyEvent& event) const {
    const int roots = view_->topLevelItemCount();
    if (tree()->SelectedItem() || roots == 0 ||
        (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return nullptr;
    switch (event.key()) {
        case Qt::Key_Down:
        case Qt::Key_Up:
        case Qt::Key_Home:
        case Qt::Key_Space:
            return view_->topLevelItem(0);
        case Qt::Key_End: {
            // The last row shown: down the last branch as far as it is open.
            QTreeWidgetItem* last = view_->topLevelItem(roots - 1);
            while (last->isExpanded() && last->childCount() > 0)
                last = last->child(last->childCount() - 1);
            return last;
        }
        default:
            return nullptr;
    }
}

void TreeViewWidget::keyToWidget(QKeyEvent& event) {
    // With no node selected Qt's caret may still stand on one (the focus put it on the first),
    // and Down would pass that node by: the keys that move through a tree take its first row.
    if (Node* taken = nodeOf(view_ ? itemTakenWithoutSelection(event) : nullptr)) {
        tree()->fireNodeClick(*taken);
        if (!control() || !view_) return;
        ModelSync sync;
        applySelection();
        return;
    }
    Node* before = nodeOf(view_ ? view_->currentItem() : nullptr);
    HostWidget::keyToWidget(event);
    if (!control() || !view_) return;
    Node* after = nodeOf(view_->currentItem());
    if (after && after != before) {
        tree()->fireNodeClick(*after);
        if (!control() || !view_) return;
    }
    // Qt moved its own selection with the caret; the tree shows the model's.
    ModelSync sync;
    applyExpansion();
    applySelection();
}

}  // namespace quillo::qt
