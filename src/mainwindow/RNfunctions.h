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

namespace runtime {
class DataObject;
class Form;
class Image;
class PictureBox;
}  // namespace runtime

// Endpoints of the maker's web site, written without a scheme as the browser takes them.
inline constexpr std::string_view DefaultHomePage = "www.quillo.example";
inline constexpr std::string_view HitCounterPage = "www.quillo.example/hit/left2jp.html";

// 1 while the main window is maximized to the work area, else 0.
extern int WindowMaximized;
// The window's place and size in twips before it was maximized; 32 bits, like the metrics.
extern std::int32_t RestoreTop;
extern std::int32_t RestoreLeft;
extern std::int32_t RestoreWidth;
extern std::int32_t RestoreHeight;

// Places the main window's controls for its current size: hides the program menu, keeps the
// window at least 432 x 156 px, replays the corner clip, then lays out the border, the title
// bar, the dashboard and the browser panes. A minimized window only loses its menu.
void ArrangeMainWindow(form1& frm);
// The two browser panes between the title bar and the dashboard; the side pane, while visible,
// stands at the left and the main pane beside it.
void ArrangeBrowserPanes(form1& frm);

// The zone of the window's edge band (4 px) under the mouse at X, Y (twips): sets the zone's
// name ("TOPRIGHT" ... "CENTER") and the window's mouse pointer. Corners win over edges.
void GetEdgeZone(runtime::Form& frm, double X, double Y, std::string& zone);
// The border code that a press in the zone hands to the window system (10 to 17), 0 for
// "CENTER" and anything else.
int EdgeHitCode(const std::string& zone);
// Hands the press to the window system's size loop for an edge zone; "CENTER" does nothing.
void ResizeFromEdge(runtime::Form& frm, const std::string& zone);
// Lays the window over the work area, saving its place and size, or puts it back. The work area
// is read first: when the window system gives none, nothing changes.
void ToggleMaximized(form1& frm);
void MinimizeWindow(runtime::Form& frm);

// The pressed look of a picture button: 2 px further right and down, 4 px smaller, and back.
// Whether the button is pressed is kept beside its Tag, which keeps the picture's path: a
// second press does nothing, and neither does a release of a button that was not pressed.
void IndentButtonImage(form1& frm, runtime::Image& img);
void UnindentButtonImage(form1& frm, runtime::Image& img);

// Drag and drop onto the main window's picture buttons and bottom strips. A control's Tag then
// names the file it shows, which a saved skin copies. "A clip" is a path ending in ".avi" in
// any letter case.
//
// A picture box (the skin editor's preview) dropped on a button: the button takes the source's
// Tag and the picture it names; an empty Tag clears the button; a clip is refused. A file that
// does not load still gives its path to the Tag and leaves the button's picture as it was.
void DropOnButton(runtime::Image& Target, const runtime::PictureBox& Source);
// Dresses a bottom strip of the main window from the Tag of a picture box. The Source may be the
// Target itself, which redraws the strip from its own Tag. What it does, by the source's Tag:
// - a clip: only on PictureBottomLeft (elsewhere nothing). The strip's Tag becomes the clip's
//   path; "Close all" stops every media device (the corner animation, the strip's clip, the
//   editor's preview); the clip plays once from its start inside the strip under the main
//   window's alias; then the editor's preview, when it shows a clip, loops again.
// - a picture path: the strip's Tag becomes the path; when the picture loads, the strip's
//   picture and drawing go and the picture is painted stretched over the whole strip. When it
//   does not load, the strip keeps what it showed.
// - empty: nothing changes.
// Colours, place and size stay; no layout of the main window follows.
void DropOnStrip(runtime::PictureBox& Target, const runtime::PictureBox& Source);
// Files dropped from another program on a button: the first file is taken when its lower-cased
// path holds ".bmp", ".gif", ".jpg", ".ico" or ".wmf" anywhere. The Tag takes the path as dropped
// and the button its picture (kept as it was when the file does not load); the main window is
// laid out again. A drop without files changes nothing.
void OleDropOnButton(const runtime::DataObject& Data, runtime::Image& Target);
// Files dropped on a strip: the kinds of a button and ".avi". A clip plays in PictureBottomLeft
// as DropOnStrip plays it, without restarting the preview and without layout, and is ignored on
// the other strips. A picture becomes the strip's Tag and is painted stretched over it (a file
// that does not load leaves the strip blank); the main window is laid out again.
void OleDropOnStrip(const runtime::DataObject& Data, runtime::PictureBox& Target);

// Adds an address at the end of an address box's list, without its commas, unless an entry
// reads it exactly already. An address holding ">" stays out: the history file would cut it.
void AddUrlToHistory(runtime::ComboBox& box, std::string address);

// The address without its leading lower-case "http://" when its first seven characters read
// "http://" in any letter case; the empty text for every other address.
std::string StripHttpPrefix(const std::string& address);

// The first list entry (in list order) that is longer than the prefix and begins with it
// exactly: its index, or -1. Prefixes shorter than four characters find nothing.
int FindUrlListMatch(const runtime::ComboBox& box, const std::string& prefix);
// Completes the box's text to the entry FindUrlListMatch finds; false when there is none.
bool AutoCompleteCombo(runtime::ComboBox& box, const std::string& prefix);

// Starts a further copy of the program, with no address (it opens its home page) or with the
// address as its one argument "<address>"; never through a shell. False when it did not start.
bool StartProgramCopy();
bool StartProgramCopy(const std::string& address);

}  // namespace quillo
