#pragma once

#include <QRect>
#include <QString>
#include <string>

class QPainter;

namespace quillo::qt {

// A caption as the screen shows it: CR LF, CR and LF each break the line.
QString ToDisplayText(const std::string& text);
// Text flags of a label's caption: wrapped at its width, "&" underlining the next character
// ("&&" shows one "&"), aligned 0 left, 1 right, 2 centre.
int LabelTextFlags(int alignment, bool wrap);
// The platform's sunken 3D border, two pixels wide, just inside the rectangle.
void PaintSunkenBorder(QPainter& painter, const QRect& rect);
// Width of the border that PaintSunkenBorder paints.
constexpr int sunkenBorderWidth = 2;

}  // namespace quillo::qt
