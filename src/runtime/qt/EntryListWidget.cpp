#include "runtime/qt/EntryListWidget.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>

#include "runtime/Control.h"
#include "runtime/qt/InputCodes.h"
#include "runtime/qt/ModelSync.h"

namespace quillo::qt {

using runtime::Property;

EntryListWidget::EntryListWidget(runtime::Control& control) : HostWidget(control) {
    list_ = new QListWidget;
    list_->setFocusPolicy(Qt::StrongFocus);
    setInner(list_);
    watch(list_->viewport());
}

void EntryListWidget::mirror(Property property) {
    if (!control() || !list_) return;
    switch (property) {
        case Property::Items:
            applyRows();
            applyChoice();
            break;
        case Property::ListIndex:
            applyChoice();
            break;
        case Property::Style:
            list_->setSelectionMode(selectionMode());
            applyChoice();
            break;
        case Property::Colors:
        case Property::Font:
            applyLook();
            break;
        default:
            break;
    }
}

void EntryListWidget::mirrorEntry(const runtime::EntryChange& change) {
    if (!control() || !list_) return;
    using Kind = runtime::EntryChange::Kind;
    switch (change.kind) {
        case Kind::Inserted:
            list_->insertItem(change.place, rowText(change.place));
            break;
        case Kind::Removed:
            delete list_->takeItem(change.place);
            keepChoice();
            break;
        case Kind::Replaced:
            if (QListWidgetItem* row = list_->item(change.place))
                row->setText(rowText(change.place));
            break;
        case Kind::Cleared:
            list_->clear();
            break;
        case Kind::Expanded:
            break;
    }
}

void EntryListWidget::applyRows() {
    QStringList rows;
    const int count = rowCount();
    rows.reserve(count);
    for (int row = 0; row < count; ++row)
        rows.append(rowText(row));
    list_->clear();
    list_->addItems(rows);
}

QItemSelection EntryListWidget::chosenRows() const {
    QItemSelection chosen;
    QAbstractItemModel* rows = list_->model();
    const int count = list_->count();
    auto choose = [&](int first, int last) {
        chosen.select(rows->index(first, 0), rows->index(last, 0));
    };
    if (list_->selectionMode() == QAbstractItemView::SingleSelection) {
        // One row at most, the one with the caret.
        const int current = currentRow();
        if (current >= 0 && current < count && rowChosen(current)) choose(current, current);
        return chosen;
    }
    for (int row = 0; row < count; ++row) {
        if (!rowChosen(row)) continue;
        const int first = row;
        while (row + 1 < count && rowChosen(row + 1))
            ++row;
        choose(first, row);
    }
    return chosen;
}

void EntryListWidget::applyChoice() {
    list_->selectionModel()->select(chosenRows(), QItemSelectionModel::ClearAndSelect);
    const int current = currentRow();
    if (current >= 0 && current < list_->count()) {
        list_->setCurrentRow(current, QItemSelectionModel::NoUpdate);
        list_->scrollToItem(list_->item(current));
    }
}

void EntryListWidget::keepChoice() {
    if (list_->selectionMode() != QAbstractItemView::SingleSelection) return;
    const QItemSelection chosen = chosenRows();
    QItemSelectionModel* shown = list_->selectionModel();
    if (shown->selection() != chosen) shown->select(chosen, QItemSelectionModel::ClearAndSelect);
}

int EntryListWidget::rowAt(const QPointF& position, bool& inRows) const {
    const QPoint inViewport = list_->viewport()->mapFrom(this, position.toPoint());
    inRows = list_->viewport()->rect().contains(inViewport);
    if (!inRows) return -1;
    const QModelIndex index = list_->indexAt(inViewport);
    return index.isValid() ? index.row() : -1;
}

bool EntryListWidget::mouseInput(QMouseEvent& event) {
    bool inRows = false;
    const int row = rowAt(event.position(), inRows);
    const bool left = event.button() == Qt::LeftButton;
    switch (event.type()) {
        case QEvent::MouseButtonPress:
            if (secondPress(event) && inRows) {
                if (row >= 0) rowDoubleClicked(row);
                return true;
            }
            reportMouse(event);
            if (!inRows || !control() || !list_) return false;
            list_->setFocus(Qt::MouseFocusReason);
            if (left && row >= 0 && control()) rowClicked(row, ShiftBits(event.modifiers()));
            return true;
        case QEvent::MouseButtonDblClick:
            // Usually the press before it was already seen as the second click.
            if (inRows && row >= 0 && lateDoubleClick(event)) rowDoubleClicked(row);
            return inRows;
        default:
            reportMouse(event);
            // The scroll bars work as Qt's; the rows answer only through the model.
            return inRows;
    }
}

int EntryListWidget::rowTakenWithoutCurrent(const QKeyEvent& event) const {
    if (currentRow() >= 0 || rowCount() == 0 ||
        (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return -1;
    switch (event.key()) {
        case Qt::Key_Down:
        case Qt::Key_Up:
        case Qt::Key_Home:
        case Qt::Key_Space:
            return 0;
        case Qt::Key_End:
            return rowCount() - 1;
        default:
            return -1;
    }
}

void EntryListWidget::keyToWidget(QKeyEvent& event) {
    // With no row chosen Qt's caret may still stand on one (the focus put it on the first), and
    // Down would pass that row by: the keys that move through a list take its first row then.
    if (const int row = rowTakenWithoutCurrent(event); row >= 0) {
        rowClicked(row, ShiftBits(event.modifiers()));
        if (!control() || !list_) return;
        ModelSync sync;
        applyChoice();
        return;
    }
    const int before = list_ ? list_->currentRow() : -1;
    HostWidget::keyToWidget(event);
    if (!control() || !list_) return;
    const int after = list_->currentRow();
    if (after != before && after >= 0) {
        rowClicked(after, ShiftBits(event.modifiers()));
        if (!control() || !list_) return;
    }
    // Qt moved its own selection with the caret; the list shows the model's.
    ModelSync sync;
    applyChoice();
}

}  // namespace quillo::qt
