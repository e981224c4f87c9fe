#include "runtime/qt/FrameWidget.h"

#include <QPainter>

#include "runtime/PictureBox.h"
#include "runtime/qt/Drawing.h"
#include "runtime/qt/QtColors.h"
#include "runtime/qt/WidgetPeer.h"

namespace quillo::qt {

FrameWidget::FrameWidget(runtime::Frame& frame) : ControlWidget(frame) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

std::unique_ptr<runtime::ControlPeer> FrameWidget::createPeer(runtime::Control& control) {
    auto peer = std::make_unique<WidgetPeer>(
        control, new FrameWidget(static_cast<runtime::Frame&>(control)));
    peer->mirrorAll();
    return peer;
}

void FrameWidget::paintEvent(QPaintEvent*) {
    auto* frame = static_cast<runtime::Frame*>(control());
    if (!frame) return;
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(frame->BackColor()));
    if (frame->BorderStyle() == 0) return;
    const QString caption = ToDisplayText(frame->Caption());
    const QFontMetrics metrics = painter.fontMetrics();
    QRect outline = rect().adjusted(0, metrics.height() / 2, -1, -1);
    // Etched: a dark line with a light one just below and to the right.
    painter.setPen(QColor(255, 255, 255));
    painter.drawRect(outline.translated(1, 1).adjusted(0, 0, -1, -1));
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(outline.adjusted(0, 0, -1, -1));
    if (caption.isEmpty()) return;
    QRect text(6, 0, metrics.horizontalAdvance(caption) + 4, metrics.height());
    painter.fillRect(text, ToQColor(frame->BackColor()));
    painter.setPen(isEnabled() ? palette().color(QPalette::WindowText)
                               : palette().color(QPalette::Disabled, QPalette::WindowText));
    painter.drawText(text, Qt::AlignCenter | Qt::TextShowMnemonic, caption);
}

}  // namespace quillo::qt
