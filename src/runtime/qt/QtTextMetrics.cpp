#include "runtime/qt/QtTextMetrics.h"

#include <QFontMetrics>
#include <algorithm>

#include "runtime/qt/Drawing.h"
#include "runtime/qt/QtFonts.h"

namespace quillo::qt {

runtime::SizePx QtTextMetrics::measure(const std::string& text, const runtime::Font& font,
                                       int wrapWidthPx) {
    const QFontMetrics metrics(ToQFont(font));
    constexpr int unbounded = 1 << 24;
    const bool wrap = wrapWidthPx > 0;
    QRect area(0, 0, wrap ? wrapWidthPx : unbounded, unbounded);
    QRect bounds = metrics.boundingRect(area, LabelTextFlags(0, wrap), ToDisplayText(text));
    // An empty caption still takes one line.
    return {bounds.width(), std::max(bounds.height(), metrics.height())};
}

}  // namespace quillo::qt
