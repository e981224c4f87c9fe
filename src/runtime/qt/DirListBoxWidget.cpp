#include "runtime/qt/DirListBoxWidget.h"

#include "runtime/Application.h"
#include "runtime/DirListBox.h"
#include "runtime/Form.h"
#include "runtime/qt/WidgetPeer.h"

namespace quillo::qt {

namespace {

// Deep enough for any folder; guards against a path that never reaches its top.
constexpr int deepest = 64;

QString LastName(const std::string& path) {
    const std::size_t cut = path.find_last_of('/');
    if (cut == std::string::npos || cut + 1 == path.size()) return QString::fromStdString(path);
    return QString::fromStdString(path.substr(cut + 1));
}

}  // namespace

DirListBoxWidget::DirListBoxWidget(runtime::DirListBox& box) : EntryListWidget(box) {}

std::unique_ptr<runtime::ControlPeer> DirListBoxWidget::createPeer(runtime::Control& control) {
    auto peer = std::make_unique<WidgetPeer>(
        control, new DirListBoxWidget(static_cast<runtime::DirListBox&>(control)));
    peer->mirrorAll();
    return peer;
}

runtime::DirListBox* DirListBoxWidget::box() const {
    return static_cast<runtime::DirListBox*>(control());
}

int DirListBoxWidget::levels() const {
    int count = 1;
    while (count < deepest && box()->List(-count - 1) != box()->List(-count))
        ++count;
    return count;
}

int DirListBoxWidget::rowCount() const {
    return levels() + box()->ListCount();
}

QString DirListBoxWidget::rowText(int row) const {
    const int index = indexOf(row);
    const int depth = index < 0 ? row : levels();
    return QString(depth * 2, QLatin1Char(' ')) + LastName(box()->List(index));
}

bool DirListBoxWidget::rowChosen(int row) const {
    return indexOf(row) == box()->ListIndex();
}

int DirListBoxWidget::currentRow() const {
    return levels() + box()->ListIndex();
}

void DirListBoxWidget::rowClicked(int row, int) {
    if (indexOf(row) >= 0) box()->fireEntryClick(indexOf(row));
}

void DirListBoxWidget::rowDoubleClicked(int row) {
    const int index = indexOf(row);
    if (index >= 0) {
        box()->fireEntryDblClick(index);
        return;
    }
    // A folder above the current one opens as the platform's list opens it.
    if (index == -1) return;
    runtime::DirListBox* model = box();
    const std::string folder = model->List(index);
    model->form().application().dispatch([model, folder] { model->setPath(folder); });
}

}  // namespace quillo::qt
