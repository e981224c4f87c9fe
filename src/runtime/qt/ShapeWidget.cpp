#include "runtime/qt/ShapeWidget.h"

#include <QPainter>
#include <algorithm>

#include "runtime/Shape.h"
#include "runtime/qt/PenStyles.h"
#include "runtime/qt/QtColors.h"
#include "runtime/qt/WidgetPeer.h"

namespace quillo::qt {

ShapeWidget::ShapeWidget(runtime::Shape& shape) : ControlWidget(shape) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

std::unique_ptr<runtime::ControlPeer> ShapeWidget::createPeer(runtime::Control& control) {
    auto peer = std::make_unique<WidgetPeer>(
        control, new ShapeWidget(static_cast<runtime::Shape&>(control)));
    peer->mirrorAll();
    return peer;
}

void ShapeWidget::paintEvent(QPaintEvent*) {
    auto* shape = static_cast<runtime::Shape*>(control());
    if (!shape) return;
    const int kind = shape->getShape();
    // Squares and circles take the shorter side, centred in the control.
    QRectF area = rect();
    if (kind == 1 || kind == 3 || kind == 5) {
        const qreal side = std::min(area.width(), area.height());
        area = QRectF(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    }
    const QPen pen = BorderPen(shape->BorderColor(), shape->BorderStyle(), shape->BorderWidth());
    // The border lies inside the control.
    const qreal inset = pen.style() == Qt::NoPen ? 0 : pen.widthF() / 2;
    const QRectF outline = area.adjusted(inset, inset, -inset, -inset);
    const qreal radius = std::min(area.width(), area.height()) / 6;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, kind == 2 || kind == 3);
    auto draw = [&] {
        if (kind == 2 || kind == 3)
            painter.drawEllipse(outline);
        else if (kind == 4 || kind == 5)
            painter.drawRoundedRect(outline, radius, radius);
        else
            painter.drawRect(outline);
    };
    painter.setPen(Qt::NoPen);
    if (shape->BackStyle() != 0) {
        painter.setBrush(ToQColor(shape->BackColor()));
        draw();
    }
    painter.setBrush(FillBrush(shape->FillColor(), shape->FillStyle()));
    painter.setPen(pen);
    draw();
}

}  // namespace quillo::qt
