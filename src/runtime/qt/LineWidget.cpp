#include "runtime/qt/LineWidget.h"

#include <QPainter>
#include <algorithm>

#include "runtime/Line.h"
#include "runtime/qt/PenStyles.h"
#include "runtime/qt/PixelScale.h"
#include "runtime/qt/WidgetPeer.h"

namespace quillo::qt {

LineWidget::LineWidget(runtime::Line& line) : ControlWidget(line) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

std::unique_ptr<runtime::ControlPeer> LineWidget::createPeer(runtime::Control& control) {
    auto peer =
        std::make_unique<WidgetPeer>(control, new LineWidget(static_cast<runtime::Line&>(control)));
    peer->mirrorAll();
    return peer;
}

QPoint LineWidget::start() const {
    auto* line = static_cast<runtime::Line*>(control());
    const PixelScale pixels = scale();
    return {pixels.toPixels(line->X1()), pixels.toPixels(line->Y1())};
}

QPoint LineWidget::end() const {
    auto* line = static_cast<runtime::Line*>(control());
    const PixelScale pixels = scale();
    return {pixels.toPixels(line->X2()), pixels.toPixels(line->Y2())};
}

int LineWidget::margin() const {
    return std::max(1, static_cast<runtime::Line*>(control())->BorderWidth());
}

QRect LineWidget::placement(const QRect& place) const {
    const int pad = margin();
    return place.adjusted(-pad, -pad, pad, pad);
}

void LineWidget::paintEvent(QPaintEvent*) {
    auto* line = static_cast<runtime::Line*>(control());
    if (!line || line->BorderStyle() == 0) return;
    // The widget's corner is the box's corner less the margin.
    const QPoint corner = QRect(start(), end()).normalized().topLeft() - QPoint(margin(), margin());
    QPainter painter(this);
    painter.setPen(BorderPen(line->BorderColor(), line->BorderStyle(), line->BorderWidth()));
    painter.drawLine(start() - corner, end() - corner);
}

}  // namespace quillo::qt
