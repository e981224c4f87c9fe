#include "runtime/qt/ShellDrop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QStringList>
#include <QUrl>
#include <QtEndian>
#include <cstring>

#include "runtime/Control.h"
#include "runtime/qt/FrameScript.h"

namespace quillo::qt {

namespace {

bool takesFiles(const runtime::Control* control) {
    return control && control->OLEDropMode() == 1;
}

// The types of a page drag's own data, as the web engine carries them in one record: the size
// of what follows, the number of entries, then per entry its type and its data, each a count of
// UTF-16 units, the units and padding to a multiple of four bytes; numbers are 32-bit, low byte
// first. A record cut short gives the types read up to there.
QStringList pageDataTypes(const QByteArray& record) {
    QStringList types;
    qsizetype at = 4;
    auto number = [&](quint32& value) {
        if (record.size() - at < 4) return false;
        value = qFromLittleEndian<quint32>(record.constData() + at);
        at += 4;
        return true;
    };
    auto text = [&](QString& value) {
        quint32 units = 0;
        if (!number(units) || units > (record.size() - at) / 2) return false;
        value.resize(static_cast<qsizetype>(units));
        std::memcpy(value.data(), record.constData() + at, units * 2);
        at += (static_cast<qsizetype>(units) * 2 + 3) / 4 * 4;
        return true;
    };
    quint32 count = 0;
    if (!number(count)) return types;
    QString type, data;
    while (count-- > 0 && text(type) && text(data))
        types << type;
    return types;
}

// A picture or a link dragged out of a page view of any copy of the program, which the engine
// offers as a file of its own: the frame script marks every such drag.
bool fromAPage(const QDropEvent& event) {
    const QMimeData* data = event.mimeData();
    static const QString record = QStringLiteral("chromium/x-web-custom-data");
    return data && data->hasFormat(record) &&
           pageDataTypes(data->data(record)).contains(QLatin1String(kPageDragType));
}

// Only a drag from another program brings files from the shell. One that began in the program
// itself, or in a page of another copy of it, is none, whatever it holds.
bool fromShell(const QDropEvent& event) {
    return event.source() == nullptr && !fromAPage(event);
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
