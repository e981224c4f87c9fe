#include "runtime/qt/ImageWidget.h"

#include <QPainter>

#include "runtime/Image.h"
#include "runtime/qt/Drawing.h"
#include "runtime/qt/Pixmaps.h"
#include "runtime/qt/WidgetPeer.h"

namespace quillo::qt {

ImageWidget::ImageWidget(runtime::Image& image) : ControlWidget(image) {}

std::unique_ptr<runtime::ControlPeer> ImageWidget::createPeer(runtime::Control& control) {
    auto peer = std::make_unique<WidgetPeer>(
        control, new ImageWidget(static_cast<runtime::Image&>(control)));
    peer->mirrorAll();
    return peer;
}

void ImageWidget::paintEvent(QPaintEvent*) {
    auto* image = static_cast<runtime::Image*>(control());
    if (!image) return;
    QPainter painter(this);
    QPixmap picture = PixmapOf(image->getPicture());
    if (!picture.isNull()) {
        if (image->Stretch())
            painter.drawPixmap(rect(), picture);
        else
            painter.drawPixmap(0, 0, picture);
    }
    if (image->BorderStyle() != 0) PaintSunkenBorder(painter, rect());
}

}  // namespace quillo::qt
