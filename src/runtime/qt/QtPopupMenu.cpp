#include "runtime/qt/QtPopupMenu.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

#include "runtime/Form.h"
#include "runtime/qt/PixelScale.h"
#include "runtime/qt/WidgetPeer.h"

namespace quillo::qt {

namespace {

void addEntries(QMenu& menu, const std::vector<runtime::MenuEntry>& entries) {
    for (const runtime::MenuEntry& entry : entries) {
        QString caption = QString::fromStdString(entry.caption);
        if (caption == "-") {
            menu.addSeparator();
        } else if (caption.startsWith('-')) {
            menu.addSection(caption.mid(1));
        } else if (!entry.children.empty()) {
            QMenu* submenu = menu.addMenu(caption);
            submenu->setEnabled(entry.enabled);
            addEntries(*submenu, entry.children);
        } else {
            QAction* action = menu.addAction(caption);
            action->setEnabled(entry.enabled);
            action->setCheckable(entry.checked);
            action->setChecked(entry.checked);
            action->setData(QVariant::fromValue<qlonglong>(entry.id));
        }
    }
}

// Where the menu opens: the requested point of the owner's inner area, else the mouse pointer.
QPoint position(const runtime::MenuRequest& request) {
    if (!request.at || !request.owner) return QCursor::pos();
    QWidget* window = WidgetPeer::widgetOf(*request.owner);
    if (!window) return QCursor::pos();
    PixelScale scale = PixelScale::of(*request.owner);
    return window->mapToGlobal(
        QPoint(scale.toPixels(request.at->x), scale.toPixels(request.at->y)));
}

}  // namespace

long ShowPopupMenu(const runtime::MenuRequest& request) {
    QMenu menu;
    addEntries(menu, request.entries);
    QAction* chosen = menu.exec(position(request));
    return chosen ? static_cast<long>(chosen->data().toLongLong()) : 0;
}

}  // namespace quillo::qt
