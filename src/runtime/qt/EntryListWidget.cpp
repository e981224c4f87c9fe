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

void EntryListWidget::applyRows() {
    list_->clear();
    for (int row = 0; row < rowCount(); ++row)
        list_->addItem(rowText(row));
}

void EntryListWidget::applyChoice() {
    const int rows = list_->count();
    for (int row = 0; row < rows; ++row)
        list_->item(row)->setSelected(rowChosen(row));
    const int current = currentRow();
    if (current >= 0 && current < rows) {
        list_->setCurrentRow(current, QItemSelectionModel::NoUpdate);
        list_->scrollToItem(list_->item(current));
    }
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
