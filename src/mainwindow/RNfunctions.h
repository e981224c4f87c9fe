#pragma once

#include <string>
#include <string_view>

#include "runtime/ComboBox.h"

namespace quillo {

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
