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

// Only a drag from another program brings files from the shell. One that began in the program
// itself (a picture or a link dragged out of a page, which the engine offers as a file of its
// own) is none, whatever it holds.
bool fromShell(const QDropEvent& event) {
    return event.source() == nullptr;
}

}  // namespace

void ClaimShellDrag(const runtime::Control* control, QDragEnterEvent& event) {
    TakeOrRefuseShellDrop(control, event);
    // Entered even when refused: the moves that follow say no, with the refusing pointer.
    event.accept();
}

bool TakeOrRefuseShellDrop(const runtime::Control* control, QDropEvent& event) {
    if (!takesFiles(control) || !fromShell(event)) {
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
