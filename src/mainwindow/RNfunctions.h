#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/ComboBox.h"

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

class form1;

// Endpoints of the maker's web site, written without a scheme as the browser takes them.
inline constexpr std::string_view DefaultHomePage = "www.quillo.example";
inline constexpr std::string_view HitCounterPage = "www.quillo.example/hit/left2jp.html";

// 1 while the main window is maximized to the work area, else 0.
extern int WindowMaximized;

// Places the main window's controls for its current size. For now it gives the two browser
// panes a plain geometry between the title row and the dashboard, so that pages show.
void ArrangeMainWindow(form1& frm);

// Adds an address at the end of an address box's list, without its commas, unless an entry
// reads it exactly already. An address holding ">" stays out: the history file would cut it.
void AddUrlToHistory(runtime::ComboBox& box, std::string address);

// The address without its leading lower-case "http://" when its first seven characters read
// "http://" in any letter case; the empty text for every other address.
std::string StripHttpPrefix(const std::string& address);

// Completes the box's text to the first list entry (in list order) that is longer than the
// prefix and begins with it exactly; prefixes shorter than four characters never complete.
bool AutoCompleteCombo(runtime::ComboBox& box, const std::string& prefix);

// Starts a further copy of the program, with no address (it opens its home page) or with the
// address as its one argument "<address>"; never through a shell. False when it did not start.
bool StartProgramCopy();
bool StartProgramCopy(const std::string& address);

}  // namespace quillo
