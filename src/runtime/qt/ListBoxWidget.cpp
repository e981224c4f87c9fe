#include "runtime/qt/ListBoxWidget.h"

#include <QListWidget>

#include "runtime/ListBox.h"
#include "runtime/qt/QtColors.h"
#include "runtime/qt/QtFonts.h"
#include "runtime/qt/WidgetPeer.h"

namespace quillo::qt {

ListBoxWidget::ListBoxWidget(runtime::ListBox& box) : EntryListWidget(box) {}

std::unique_ptr<runtime::ControlPeer> ListBoxWidget::createPeer(runtime::Control& control) {
    auto peer = std::make_unique<WidgetPeer>(
        control, new ListBoxWidget(static_cast<runtime::ListBox&>(control)));
    peer->mirrorAll();
    return peer;
}

runtime::ListBox* ListBoxWidget::box() const {
    return static_cast<runtime::ListBox*>(control());
}

int ListBoxWidget::rowCount() const {
    return box()->ListCount();
}

QString ListBoxWidget::rowText(int row) const {
    return QString::fromStdString(box()->List(row));
}

bool ListBoxWidget::rowChosen(int row) const {
    return box()->Selected(row);
}

int ListBoxWidget::currentRow() const {
    return box()->ListIndex();
}

QAbstractItemView::SelectionMode ListBoxWidget::selectionMode() const {
    switch (box()->MultiSelect()) {
        case 1:
            return QAbstractItemView::MultiSelection;
        case 2:
            return QAbstractItemView::ExtendedSelection;
        default:
            return QAbstractItemView::SingleSelection;
    }
}

void ListBoxWidget::rowClicked(int row, int shift) {
    box()->fireEntryClick(row, shift);
}

void ListBoxWidget::rowDoubleClicked(int row) {
    box()->fireEntryDblClick(row);
}

void ListBoxWidget::applyLook() {
    QPalette colors = list()->palette();
    colors.setColor(QPalette::Base, ToQColor(box()->BackColor()));
    colors.setColor(QPalette::Text, ToQColor(box()->ForeColor()));
    list()->setPalette(colors);
    list()->setFont(ToQFont(box()->getFont()));
}

}  // namespace quillo::qt
