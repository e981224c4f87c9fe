#include "runtime/qt/QtPopupMenu.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

#include "runtime/Form.h"
#include "runtime/qt/ControlWidget.h"
#include "runtime/qt/PixelScale.h"
#include "runtime/qt/WidgetPeer.h"

namespace quillo::qt {

namespace {

// The text of an entry as Qt shows it: a plain caption with its "&" doubled, so that Qt shows
// them rather than taking them for mnemonics.
QString captionOf(const runtime::MenuEntry& entry) {
    QString caption = QString::fromStdString(entry.caption);
    if (entry.plain) caption.replace('&', QStringLiteral("&&"));
    return caption;
}

void addEntries(QMenu& menu, const std::vector<runtime::MenuEntry>& entries) {
    for (const runtime::MenuEntry& entry : entries) {
        const QString caption = captionOf(entry);
        // A plain caption is neither a separator nor a heading, whatever it begins with.
        if (!entry.plain && caption == "-") {
            menu.addSeparator();
        } else if (!entry.plain && caption.startsWith('-')) {
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
    // The press that opened the menu is done with, however the menu closed.
    ControlWidget::forgetPresses();
    return chosen ? static_cast<long>(chosen->data().toLongLong()) : 0;
}

}  // namespace quillo::qt
