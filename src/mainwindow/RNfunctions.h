#pragma once

#include <cstdint>

namespace quillo {

// Layout metrics of the main window in twips, set once at start-up by the language pack from
// fixed pixel values and read by the layout routines. 32 bits wide: a 16-bit twip value
// overflows on screens wider than about 2184 pixels.
extern std::int32_t BorderWidth;        // 1 px: the border label's inset
extern std::int32_t BrowserInsetWidth;  // 8 px: allowance beside the panes with the side pane
extern std::int32_t MarginRight;        // 4 px: right margin of the title frame and the panes
extern std::int32_t TitleBarTop;        // 4 px: top of the title frame
extern std::int32_t MarginLeft;         // 4 px: left of the title frame, base of the panes
extern std::int32_t TitleButtonPitch;   // 17 px: spacing of the title buttons from the right
extern std::int32_t BrowserTopGap;      // 2 px: between the title frame and the panes
extern std::int32_t BrowserBottomGap;   // 5 px: between the panes and the dashboard frame
extern std::int32_t BrowserLeftInset;   // 7 px: the panes start this far right of MarginLeft
extern std::int32_t SidePaneAllowance;  // 190 px: taken from the main pane for the side pane

}  // namespace quillo
