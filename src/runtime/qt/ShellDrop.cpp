#include "runtime/qt/ShellDrop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "runtime/Control.h"

namespace quillo::qt {

namespace {

bool takesFiles(const runtime::Control* control) {
    return control && control->OLEDropMode() == 1;
}

}  // namespace

void ClaimShellDrag(const runtime::Control* control, QDragEnterEvent& event) {
    TakeOrRefuseShellDrop(control, event);
    // Entered even when refused: the moves that follow say no, with the refusing pointer.
    event.accept();
}

bool TakeOrRefuseShellDrop(const runtime::Control* control, QDropEvent& event) {
    if (!takesFiles(control)) {
        event.setDropAction(Qt::IgnoreAction);
        event.ignore();
        return false;
    }
    // The program keeps the path and never moves the file: a copy where the source allows it.
    event.setDropAction((event.possibleActions() & Qt::CopyAction) ? Qt::CopyAction
                                                                   : event.proposedAction());
    event.accept();
    return true;
}

std::vector<std::string> ShellDropFiles(const QDropEvent& event) {
    std::vector<std::string> files;
    const QMimeData* data = event.mimeData();
    if (!data || !data->hasUrls()) return files;
    for (const QUrl& address : data->urls())
        if (address.isLocalFile()) files.push_back(address.toLocalFile().toStdString());
    return files;
}

}  // namespace quillo::qt
