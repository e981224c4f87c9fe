#pragma once

#include <Qt>

#include "runtime/Services.h"

namespace quillo::qt {

// Window functions on Qt: the window system's own move and size loops where it offers them
// (X11, for the left button), a loop of our own that follows the mouse where it does not
// (offscreen, the other buttons).
class QtWindowServices : public runtime::WindowServices {
  public:
    void setTopmost(runtime::Form& form, bool topmost) override;
    void startSystemMove(runtime::Form& form) override;
    void startSystemResize(runtime::Form& form, int hitCode) override;
    void releaseCapture() override;
    void setWindowRegion(runtime::Form& form,
                         const std::vector<runtime::PointPx>& polygon) override;
    runtime::PointPx cursorPos() override;
    runtime::RectPx workArea() override;
    runtime::RectPx workAreaAt(runtime::PointPx point) override;

    // The edges of a border hit-test code (10 left ... 17 bottom-right); none for other codes.
    static Qt::Edges EdgesOf(int hitCode);
};

}  // namespace quillo::qt
