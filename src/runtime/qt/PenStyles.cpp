#include "runtime/qt/PenStyles.h"

#include <algorithm>

#include "runtime/qt/QtColors.h"

namespace quillo::qt {

QPen BorderPen(runtime::Color color, int style, int width) {
    static constexpr Qt::PenStyle styles[] = {Qt::NoPen,    Qt::SolidLine,   Qt::DashLine,
                                              Qt::DotLine,  Qt::DashDotLine, Qt::DashDotDotLine,
                                              Qt::SolidLine};
    const Qt::PenStyle penStyle = style >= 0 && style <= 6 ? styles[style] : Qt::SolidLine;
    QPen pen(ToQColor(color), std::max(1, width), penStyle);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

QBrush FillBrush(runtime::Color color, int style) {
    static constexpr Qt::BrushStyle styles[] = {
        Qt::SolidPattern, Qt::NoBrush,      Qt::HorPattern,   Qt::VerPattern,
        Qt::BDiagPattern, Qt::FDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    const Qt::BrushStyle brushStyle = style >= 0 && style <= 7 ? styles[style] : Qt::NoBrush;
    return QBrush(ToQColor(color), brushStyle);
}

}  // namespace quillo::qt
