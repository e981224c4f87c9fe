#pragma once

#include <QPoint>
#include <QRect>

namespace quillo::runtime {
class Control;
struct Screen;
}  // namespace quillo::runtime

namespace quillo::qt {

// Twips and pixels with the runtime's one whole factor: the mean of the screen's twips per pixel
// on both axes, rounded to the nearest whole number with halves to the even neighbour.
class PixelScale {
  public:
    explicit PixelScale(const runtime::Screen& screen);
    // The scale of the application that owns the control.
    static PixelScale of(const runtime::Control& control);

    int factor() const { return factor_; }
    int toPixels(double twips) const;
    double toTwips(int pixels) const { return static_cast<double>(pixels) * factor_; }
    // A rectangle given in twips, in pixels; the far edges are rounded on their own so that
    // neighbouring controls meet without gaps.
    QRect toPixels(double left, double top, double width, double height) const;

  private:
    int factor_;
};

}  // namespace quillo::qt
