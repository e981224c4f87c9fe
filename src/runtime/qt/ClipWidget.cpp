#include "runtime/qt/ClipWidget.h"

#include <QPainter>
#include <QVideoFrame>
#include <QVideoSink>

namespace quillo::qt {

ClipWidget::ClipWidget(QWidget* parent) : QWidget(parent), sink_(new QVideoSink(this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(sink_, &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame& frame) {
        QImage image = frame.toImage();
        if (image.isNull()) return;
        frame_ = std::move(image);
        ++framesShown_;
        update();
    });
}

void ClipWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (frame_.isNull()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), frame_);
}

}  // namespace quillo::qt
