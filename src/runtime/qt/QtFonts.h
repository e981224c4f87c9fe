#pragma once

#include <QFont>
#include <QString>
#include <string>

#include "runtime/Types.h"

namespace quillo::qt {

// The font the screen shows for a font of the program. The program names Windows faces that
// Linux lacks; each stands for an installed face of the same kind (a Japanese Gothic for a
// CJK-capable sans, "MS Sans Serif" for DejaVu Sans). A face that is installed is kept.
QFont ToQFont(const runtime::Font& font);
// The installed family that stands for a face name and character set (128 asks for Japanese).
QString InstalledFamilyFor(const std::string& name, int charset);

}  // namespace quillo::qt
