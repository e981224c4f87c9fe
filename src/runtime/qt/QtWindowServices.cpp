#include "runtime/qt/QtWindowServices.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPolygon>
#include <QRegion>
#include <QScreen>
#include <algorithm>

#include "runtime/Form.h"
#include "runtime/qt/ControlWidget.h"
#include "runtime/qt/FormPeer.h"
#include "runtime/qt/WindowDrag.h"

namespace quillo::qt {

namespace {
runtime::RectPx RectOf(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}
}  // namespace

Qt::Edges QtWindowServices::EdgesOf(int hitCode) {
    switch (hitCode) {
        case 10:
            return Qt::LeftEdge;
        case 11:
            return Qt::RightEdge;
        case 12:
            return Qt::TopEdge;
        case 13:
            return Qt::TopEdge | Qt::LeftEdge;
        case 14:
            return Qt::TopEdge | Qt::RightEdge;
        case 15:
            return Qt::BottomEdge;
        case 16:
            return Qt::BottomEdge | Qt::LeftEdge;
        case 17:
            return Qt::BottomEdge | Qt::RightEdge;
        default:
            return {};
    }
}

void QtWindowServices::setTopmost(runtime::Form& form, bool topmost) {
    if (FormPeer* peer = FormPeer::of(form)) peer->setTopmost(topmost);
}

void QtWindowServices::startSystemMove(runtime::Form& form) {
    if (QWidget* window = WidgetPeer::widgetOf(form))
        WindowDrag::start(window, {}, ControlWidget::lastPressPosition(),
                          ControlWidget::lastPressButton());
}

void QtWindowServices::startSystemResize(runtime::Form& form, int hitCode) {
    QWidget* window = WidgetPeer::widgetOf(form);
    Qt::Edges edges = EdgesOf(hitCode);
    if (window && edges)
        WindowDrag::start(window, edges, ControlWidget::lastPressPosition(),
                          ControlWidget::lastPressButton());
}

void QtWindowServices::releaseCapture() {
    ControlWidget::releaseCapture();
}

void QtWindowServices::setWindowRegion(runtime::Form& form,
                                       const std::vector<runtime::PointPx>& polygon) {
    QWidget* window = WidgetPeer::widgetOf(form);
    if (!window) return;
    if (polygon.empty()) {
        window->clearMask();
        return;
    }
    QPolygon outline;
    for (const runtime::PointPx& point : polygon)
        outline << QPoint(point.x, point.y);
    window->setMask(QRegion(outline, Qt::OddEvenFill));
}

runtime::PointPx QtWindowServices::cursorPos() {
    QPoint at = QCursor::pos();
    return {at.x(), at.y()};
}

runtime::RectPx QtWindowServices::workArea() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? RectOf(screen->availableGeometry()) : runtime::RectPx{};
}

runtime::RectPx QtWindowServices::workAreaAt(runtime::PointPx point) {
    const QPoint at(point.x, point.y);
    // How far the point lies outside the screen: 0 for the screen that holds it.
    const auto distance = [&](const QScreen* screen) {
        const QRect bounds = screen->geometry();
        const QPoint inside(std::clamp(at.x(), bounds.left(), bounds.right()),
                            std::clamp(at.y(), bounds.top(), bounds.bottom()));
        return (inside - at).manhattanLength();
    };
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.isEmpty()) return {};
    const QScreen* nearest = *std::min_element(
        screens.begin(), screens.end(),
        [&](const QScreen* one, const QScreen* other) { return distance(one) < distance(other); });
    return RectOf(nearest->availableGeometry());
}

}  // namespace quillo::qt
