#pragma once

#include <QColor>

#include "runtime/Types.h"

namespace quillo::qt {

// A colour of the program (0x00BBGGRR, or 0x800000nn for the system colour nn) on the screen.
// System colours come from the application's palette.
QColor ToQColor(runtime::Color color);
runtime::Color FromQColor(const QColor& color);

}  // namespace quillo::qt
