#include "runtime/qt/LabelWidget.h"

#include <QPainter>

#include "runtime/Label.h"
#include "runtime/qt/Drawing.h"
#include "runtime/qt/QtColors.h"
#include "runtime/qt/QtFonts.h"
#include "runtime/qt/WidgetPeer.h"

namespace quillo::qt {

LabelWidget::LabelWidget(runtime::Label& label) : ControlWidget(label) {}

std::unique_ptr<runtime::ControlPeer> LabelWidget::createPeer(runtime::Control& control) {
    auto peer = std::make_unique<WidgetPeer>(
        control, new LabelWidget(static_cast<runtime::Label&>(control)));
    peer->mirrorAll();
    return peer;
}

void LabelWidget::paintEvent(QPaintEvent*) {
    auto* label = static_cast<runtime::Label*>(control());
    if (!label) return;
    QPainter painter(this);
    if (label->BackStyle() != 0) painter.fillRect(rect(), ToQColor(label->BackColor()));
    QRect textArea = rect();
    if (label->BorderStyle() != 0) {
        PaintSunkenBorder(painter, rect());
        textArea.adjust(sunkenBorderWidth, sunkenBorderWidth, -sunkenBorderWidth,
                        -sunkenBorderWidth);
    }
    painter.setFont(ToQFont(label->getFont()));
    painter.setPen(isEnabled() ? ToQColor(label->ForeColor())
                               : palette().color(QPalette::Disabled, QPalette::WindowText));
    // A label wraps its caption at its width whatever WordWrap says; WordWrap only decides how
    // an automatic size grows.
    painter.drawText(textArea, LabelTextFlags(label->Alignment(), true),
                     ToDisplayText(label->Caption()));
}

}  // namespace quillo::qt
