#include "runtime/qt/QtPopupMenu.h"

#include <QAction>
#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

#include "runtime/Form.h"
#include "runtime/qt/ControlWidget.h"
#include "runtime/qt/PixelScale.h"
#include "runtime/qt/WidgetPeer.h"

namespace quillo::qt {

namespace {

// A plain caption, a name, rides whole on its action, so that it can be shown cut.
constexpr const char* kWholeName = "quilloWholeName";
// A name is never cut shorter than about this many characters.
constexpr int kLeastNameCharacters = 12;

// A plain caption as Qt shows it: with its "&" doubled, so that Qt shows them rather than taking
// them for mnemonics.
QString PlainText(QString caption) {
    return caption.replace('&', QStringLiteral("&&"));
}

QString captionOf(const runtime::MenuEntry& entry) {
    const QString caption = QString::fromStdString(entry.caption);
    return entry.plain ? PlainText(caption) : caption;
}

void keepWholeName(QAction& action, const runtime::MenuEntry& entry) {
    if (entry.plain) action.setProperty(kWholeName, QString::fromStdString(entry.caption));
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
            keepWholeName(*submenu->menuAction(), entry);
            addEntries(*submenu, entry.children);
        } else {
            QAction* action = menu.addAction(caption);
            keepWholeName(*action, entry);
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

// The width from the point to the right edge of its screen's work area.
int roomRightOf(QPoint point) {
    QScreen* screen = QGuiApplication::screenAt(point);
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return std::numeric_limits<int>::max();
    return screen->availableGeometry().right() + 1 - point.x();
}

// Cuts the names in the menu with "…" to the widest that keeps it within room pixels (never to
// fewer than a few characters), so that a long name does not push the menu off its place; each
// submenu the same.
void fitNames(QMenu& menu, int room) {
    menu.ensurePolished();
    const QFontMetrics metrics(menu.font());
    std::vector<std::pair<QAction*, QString>> names;
    int widest = 0;
    for (QAction* action : menu.actions()) {
        if (QMenu* submenu = action->menu()) fitNames(*submenu, room);
        const QVariant name = action->property(kWholeName);
        if (!name.isValid()) continue;
        names.emplace_back(action, name.toString());
        widest = std::max(widest, metrics.horizontalAdvance(names.back().second));
    }
    if (names.empty() || menu.sizeHint().width() <= room) return;
    const auto cutTo = [&](int width) {
        for (const auto& [action, name] : names)
            action->setText(PlainText(metrics.elidedText(name, Qt::ElideRight, width)));
    };
    // The widest names that fit, found by halving.
    int low = metrics.averageCharWidth() * kLeastNameCharacters;
    int high = widest;
    while (low < high) {
        const int middle = low + (high - low + 1) / 2;
        cutTo(middle);
        if (menu.sizeHint().width() <= room)
            low = middle;
        else
            high = middle - 1;
    }
    cutTo(low);
}

}  // namespace

long ShowPopupMenu(const runtime::MenuRequest& request) {
    QMenu menu;
    addEntries(menu, request.entries);
    const QPoint at = position(request);
    fitNames(menu, roomRightOf(at));
    QAction* chosen = menu.exec(at);
    // The press that opened the menu is done with, however the menu closed.
    ControlWidget::forgetPresses();
    return chosen ? static_cast<long>(chosen->data().toLongLong()) : 0;
}

}  // namespace quillo::qt
