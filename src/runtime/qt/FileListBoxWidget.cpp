#include "runtime/qt/FileListBoxWidget.h"

#include "runtime/FileListBox.h"
#include "runtime/qt/WidgetPeer.h"

namespace quillo::qt {

FileListBoxWidget::FileListBoxWidget(runtime::FileListBox& box) : EntryListWidget(box) {}

std::unique_ptr<runtime::ControlPeer> FileListBoxWidget::createPeer(runtime::Control& control) {
    auto peer = std::make_unique<WidgetPeer>(
        control, new FileListBoxWidget(static_cast<runtime::FileListBox&>(control)));
    peer->mirrorAll();
    return peer;
}

runtime::FileListBox* FileListBoxWidget::box() const {
    return static_cast<runtime::FileListBox*>(control());
}

int FileListBoxWidget::rowCount() const {
    return box()->ListCount();
}

QString FileListBoxWidget::rowText(int row) const {
    return QString::fromStdString(box()->List(row));
}

bool FileListBoxWidget::rowChosen(int row) const {
    return row == box()->ListIndex();
}

int FileListBoxWidget::currentRow() const {
    return box()->ListIndex();
}

void FileListBoxWidget::rowClicked(int row, int) {
    box()->fireEntryClick(row);
}

void FileListBoxWidget::rowDoubleClicked(int row) {
    box()->fireEntryDblClick(row);
}

}  // namespace quillo::qt
