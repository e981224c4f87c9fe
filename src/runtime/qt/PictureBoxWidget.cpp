#include "runtime/qt/PictureBoxWidget.h"

#include <QPainter>

#include "runtime/PictureBox.h"
#include "runtime/qt/Drawing.h"
#include "runtime/qt/PixelScale.h"
#include "runtime/qt/Pixmaps.h"
#include "runtime/qt/QtColors.h"
#include "runtime/qt/WidgetPeer.h"

namespace quillo::qt {

PictureBoxWidget::PictureBoxWidget(runtime::PictureBox& box) : ControlWidget(box) {
    setFocusPolicy(Qt::StrongFocus);  // a picture box takes the focus like any windowed control
    setAttribute(Qt::WA_OpaquePaintEvent);
}

std::unique_ptr<runtime::ControlPeer> PictureBoxWidget::createPeer(runtime::Control& control) {
    auto peer = std::make_unique<WidgetPeer>(
        control, new PictureBoxWidget(static_cast<runtime::PictureBox&>(control)));
    peer->mirrorAll();
    return peer;
}

QPoint PictureBoxWidget::clientOrigin() const {
    auto* box = static_cast<runtime::PictureBox*>(control());
    if (!box || box->BorderStyle() == 0) return {};
    return {sunkenBorderWidth, sunkenBorderWidth};
}

void PictureBoxWidget::paintEvent(QPaintEvent*) {
    auto* box = static_cast<runtime::PictureBox*>(control());
    if (!box) return;
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(box->BackColor()));
    const QPoint origin = clientOrigin();
    painter.save();
    painter.setClipRect(rect().adjusted(origin.x(), origin.y(), -origin.x(), -origin.y()));
    QPixmap picture = PixmapOf(box->getPicture());
    if (!picture.isNull()) painter.drawPixmap(origin, picture);
    PaintDrawList(painter, box->drawList(), scale(), origin);
    painter.restore();
    if (box->BorderStyle() != 0) PaintSunkenBorder(painter, rect());
}

}  // namespace quillo::qt
