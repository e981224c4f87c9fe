#include "runtime/qt/ListViewWidget.h"

#include <cmath>

#include "runtime/ListView.h"
#include "runtime/qt/ModelSync.h"
#include "runtime/qt/PixelScale.h"
#include "runtime/qt/WidgetPeer.h"

namespace quillo::qt {

using runtime::ListItem;
using runtime::Property;

ListViewWidget::ListViewWidget(runtime::ListView& view) : EntryListWidget(view) {
    editor_.finished = [this](std::optional<std::string> text) { editFinished(std::move(text)); };
    list()->setMovement(QListView::Static);
    list()->setResizeMode(QListView::Adjust);
}

std::unique_ptr<runtime::ControlPeer> ListViewWidget::createPeer(runtime::Control& control) {
    auto peer = std::make_unique<WidgetPeer>(
        control, new ListViewWidget(static_cast<runtime::ListView&>(control)));
    peer->mirrorAll();
    return peer;
}

runtime::ListView* ListViewWidget::view() const {
    return static_cast<runtime::ListView*>(control());
}

ListItem* ListViewWidget::itemAtRow(int row) const {
    return view()->ListItems.Item(row + 1);
}

int ListViewWidget::rowCount() const {
    return view()->ListItems.Count();
}

QString ListViewWidget::rowText(int row) const {
    return QString::fromStdString(itemAtRow(row)->Text());
}

bool ListViewWidget::rowChosen(int row) const {
    return itemAtRow(row)->Selected();
}

int ListViewWidget::currentRow() const {
    ListItem* item = view()->SelectedItem();
    return item ? item->Index() - 1 : -1;
}

QAbstractItemView::SelectionMode ListViewWidget::selectionMode() const {
    return view()->MultiSelect() ? QAbstractItemView::ExtendedSelection
                                 : QAbstractItemView::SingleSelection;
}

void ListViewWidget::rowClicked(int row, int shift) {
    editor_.cancelStart();
    ListItem* item = itemAtRow(row);
    if (!item) return;
    const bool wasSelected = view()->SelectedItem() == item && item->Selected();
    view()->fireItemClick(*item, shift);
    // With automatic label editing a plain click on the selected item starts an edit.
    if (control() && wasSelected && shift == 0 && view()->LabelEdit() == 0)
        editor_.startSoon([this, id = item->id()] {
            ListItem* still = control() ? view()->ListItems.byId(id) : nullptr;
            if (still && view()->SelectedItem() == still && view()->LabelEdit() == 0)
                view()->StartLabelEdit();
        });
}

void ListViewWidget::rowDoubleClicked(int) {
    editor_.cancelStart();
    editor_.close();
    control()->fireDblClick();
}

void ListViewWidget::mirror(Property property) {
    if (!control() || !list()) return;
    EntryListWidget::mirror(property);
    switch (property) {
        case Property::Items:
            applyDropHighlight();
            applyLabelEdit();
            break;
        case Property::Style:
            applyViewMode();
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

void ListViewWidget::applyViewMode() {
    // Icons flow across in rows; small icons, list and report run down in one column.
    const bool icons = view()->View() == 0;
    list()->setViewMode(icons ? QListView::IconMode : QListView::ListMode);
    list()->setFlow(icons ? QListView::LeftToRight : QListView::TopToBottom);
    list()->setWrapping(icons);
}

void ListViewWidget::applyDropHighlight() {
    if (QListWidgetItem* before =
            highlighted_.isValid() ? list()->item(highlighted_.row()) : nullptr) {
        before->setData(Qt::BackgroundRole, QVariant());
        before->setData(Qt::ForegroundRole, QVariant());
    }
    highlighted_ = QPersistentModelIndex();
    ListItem* item = view()->DropHighlight();
    const int row = item ? item->Index() - 1 : -1;
    QListWidgetItem* shown = list()->item(row);
    if (!shown) return;
    highlighted_ = QPersistentModelIndex(list()->model()->index(row, 0));
    shown->setBackground(list()->palette().brush(QPalette::Highlight));
    shown->setForeground(list()->palette().brush(QPalette::HighlightedText));
}

void ListViewWidget::applyLabelEdit() {
    ListItem* editing = view()->editingItem();
    QListWidgetItem* shown = editing ? list()->item(editing->Index() - 1) : nullptr;
    if (!shown) {
        editor_.close();
        return;
    }
    if (editor_.isOpen()) return;
    list()->scrollToItem(shown);
    editor_.open(list()->viewport(), list()->visualItemRect(shown), shown->text());
}

void ListViewWidget::editFinished(std::optional<std::string> text) {
    if (!control()) return;
    view()->endLabelEdit(std::move(text));
    // Abandoned or cancelled, the item shows its old text again.
    if (control() && list()) {
        ModelSync sync;
        mirror(Property::Items);
    }
}

long ListViewWidget::itemAt(double x, double y) const {
    if (!control() || !list()) return 0;
    const int factor = scale().factor();
    const QPoint here(static_cast<int>(std::floor(x / factor)),
                      static_cast<int>(std::floor(y / factor)));
    const QPoint point = list()->viewport()->mapFrom(this, here);
    if (!list()->viewport()->rect().contains(point)) return 0;
    const QModelIndex index = list()->indexAt(point);
    ListItem* item = index.isValid() ? itemAtRow(index.row()) : nullptr;
    return item ? item->id() : 0;
}

}  // namespace quillo::qt
