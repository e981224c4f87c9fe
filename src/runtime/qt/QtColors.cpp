#include "runtime/qt/QtColors.h"

#include <QGuiApplication>
#include <QPalette>

namespace quillo::qt {

namespace {

QColor systemColor(int index) {
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
        case 0:
            return palette.color(QPalette::Mid);  // scroll bar
        case 1:
            return QColor(0, 128, 128);  // desktop
        case 2:
            return palette.color(QPalette::Highlight);  // active caption
        case 3:
            return palette.color(QPalette::Mid);  // inactive caption
        case 4:
            return palette.color(QPalette::Window);  // menu bar
        case 5:
            return palette.color(QPalette::Base);  // window background
        case 6:
            return palette.color(QPalette::Shadow);  // window frame
        case 7:
            return palette.color(QPalette::WindowText);  // menu text
        case 8:
            return palette.color(QPalette::Text);  // window text
        case 9:
            return palette.color(QPalette::HighlightedText);  // caption text
        case 10:                                              // active border
        case 11:
            return palette.color(QPalette::Button);  // inactive border
        case 12:
            return palette.color(QPalette::Dark);  // application workspace
        case 13:
            return palette.color(QPalette::Highlight);
        case 14:
            return palette.color(QPalette::HighlightedText);
        case 15:
            return palette.color(QPalette::Button);  // button face
        case 16:
            return palette.color(QPalette::Dark);  // button shadow
        case 17:
            return palette.color(QPalette::Disabled, QPalette::Text);  // grey text
        case 18:
            return palette.color(QPalette::ButtonText);
        case 19:
            return palette.color(QPalette::Disabled, QPalette::WindowText);
        case 20:
            return palette.color(QPalette::Light);  // 3D highlight
        case 21:
            return palette.color(QPalette::Shadow);  // 3D dark shadow
        case 22:
            return palette.color(QPalette::Midlight);  // 3D light
        case 23:
            return palette.color(QPalette::ToolTipText);
        case 24:
            return palette.color(QPalette::ToolTipBase);
        default:
            return palette.color(QPalette::Button);
    }
}

}  // namespace

QColor ToQColor(runtime::Color color) {
    if (color & 0x80000000u) return systemColor(static_cast<int>(color & 0xFF));
    return QColor(runtime::RedOf(color), runtime::GreenOf(color), runtime::BlueOf(color));
}

runtime::Color FromQColor(const QColor& color) {
    return runtime::RGB(color.red(), color.green(), color.blue());
}

}  // namespace quillo::qt
