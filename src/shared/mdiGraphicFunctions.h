#pragma once

#include <string>

namespace quillo::runtime {
class Control;
}

namespace quillo {

// DrawPicture's modes; any other value draws nothing.
constexpr int kDrawStretch = 1;
constexpr int kDrawCentre = 2;
constexpr int kDrawTile = 3;

// The object is a window.
bool IsForm(const runtime::Control& object);
// The object is a picture box.
bool IsPictureBox(const runtime::Control& object);
// The object has a drawing area of its own (ScaleWidth and ScaleHeight).
bool HasScaleProperties(const runtime::Control& object);
// The file holds a picture that loads; the picture itself is thrown away.
bool CanLoadPicture(const std::string& fileName);

// Paints a picture file onto a form or picture box: stretched over its drawing area (ScaleWidth x
// ScaleHeight with UseScale, else Width x Height), centred at its own size, or tiled with
// neighbours overlapping by one pixel. True when it ran to its end, also for a mode that draws
// nothing; False for any other target, a file that is no picture or a failure while drawing, each
// with its message box when ShowErrors is set.
bool DrawPicture(runtime::Control& Target, const std::string& FileName, int Mode,
                 bool UseScale = false, bool ShowErrors = false);

}  // namespace quillo
