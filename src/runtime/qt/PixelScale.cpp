#include "runtime/qt/PixelScale.h"

#include <cmath>

#include "runtime/Application.h"

namespace quillo::qt {

PixelScale::PixelScale(const runtime::Screen& screen) {
    // nearbyint rounds halves to the even neighbour in the default rounding mode.
    double mean = std::nearbyint((screen.TwipsPerPixelX + screen.TwipsPerPixelY) / 2);
    factor_ = mean >= 1 ? static_cast<int>(mean) : 1;
}

PixelScale PixelScale::of(const runtime::Control& control) {
    return PixelScale(control.form().application().screen());
}

int PixelScale::toPixels(double twips) const {
    return static_cast<int>(std::nearbyint(twips / factor_));
}

QRect PixelScale::toPixels(double left, double top, double width, double height) const {
    int x = toPixels(left);
    int y = toPixels(top);
    int right = toPixels(left + width);
    int bottom = toPixels(top + height);
    return QRect(x, y, right - x, bottom - y);
}

}  // namespace quillo::qt
