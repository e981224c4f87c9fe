#include "shared/mdlPlacementFunctions.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "runtime/Application.h"
#include "runtime/Control.h"

namespace quillo {

namespace {

constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();

}  // namespace

std::int32_t TwipsPerPixel() {
    const runtime::Screen& screen = runtime::app().screen();
    // nearbyint rounds halves to even in the default rounding mode.
    double mean = std::nearbyint((screen.TwipsPerPixelX + screen.TwipsPerPixelY) / 2);
    // A screen finer than two pixels per twip would give 0, and every division by it would fail.
    if (!(mean >= 1)) return 1;
    return mean >= static_cast<double>(kMax) ? static_cast<std::int32_t>(kMax)
                                             : static_cast<std::int32_t>(mean);
}

std::optional<std::int32_t> CheckedPixelsToTwips(std::int32_t Pixels) {
    std::int64_t twips = static_cast<std::int64_t>(Pixels) * TwipsPerPixel();
    if (twips < kMin || twips > kMax) return std::nullopt;
    return static_cast<std::int32_t>(twips);
}

std::int32_t PixelsToTwips(std::int32_t Pixels) {
    if (std::optional<std::int32_t> twips = CheckedPixelsToTwips(Pixels)) return *twips;
    return static_cast<std::int32_t>(Pixels < 0 ? kMin : kMax);
}

std::int32_t TwipsToPixels(std::int32_t Twips) {
    std::int64_t factor = TwipsPerPixel();
    std::int64_t quotient = Twips / factor;
    std::int64_t twiceRemainder = 2 * std::abs(Twips % factor);
    bool awayFromZero = twiceRemainder > factor || (twiceRemainder == factor && quotient % 2 != 0);
    if (awayFromZero) quotient += Twips < 0 ? -1 : 1;
    return static_cast<std::int32_t>(quotient);
}

void MoveInPixels(runtime::Control& control, std::int32_t left, std::int32_t top,
                  std::int32_t width, std::int32_t height) {
    control.Move(PixelsToTwips(left), PixelsToTwips(top), width < 0 ? -1 : PixelsToTwips(width),
                 height < 0 ? -1 : PixelsToTwips(height));
}

}  // namespace quillo
