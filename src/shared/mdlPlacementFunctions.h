#pragma once

#include <cstdint>
#include <optional>

namespace quillo::runtime {
class Control;
}

namespace quillo {

// Pixels and twips. The factor is the screen's mean twips per pixel, rounded to the nearest whole
// number with halves going to the even neighbour, and never below 1: 15 at 96 dpi, 12 at 120 dpi.
std::int32_t TwipsPerPixel();

// Pixels times the factor; a product beyond 32 bits saturates at the nearest 32-bit limit.
std::int32_t PixelsToTwips(std::int32_t Pixels);
// The same product, or nothing when it does not fit 32 bits.
std::optional<std::int32_t> CheckedPixelsToTwips(std::int32_t Pixels);

// Twips divided by the factor, rounded to the nearest whole number, halves to the even neighbour.
std::int32_t TwipsToPixels(std::int32_t Twips);

// Places a control at a rectangle given in pixels, converted at the moment of the call; a
// negative width or height keeps the control's own.
void MoveInPixels(runtime::Control& control, std::int32_t left, std::int32_t top,
                  std::int32_t width = -1, std::int32_t height = -1);

}  // namespace quillo
