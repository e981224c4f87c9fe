#pragma once

#include <QBrush>
#include <QPen>

#include "runtime/Types.h"

namespace quillo::qt {

// The pen of a shape's or line's border: style 0 none, 1 solid, 2 dash, 3 dot, 4 dash-dot,
// 5 dash-dot-dot, 6 inside solid; a width in pixels.
QPen BorderPen(runtime::Color color, int style, int width);
// The brush of a shape's FillStyle: 0 solid, 1 transparent, 2 horizontal, 3 vertical, 4 upward
// diagonal, 5 downward diagonal, 6 cross, 7 diagonal cross lines.
QBrush FillBrush(runtime::Color color, int style);

}  // namespace quillo::qt
