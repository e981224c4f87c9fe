#pragma once

#include <string>

namespace quillo {

// The per-user data folder that stands for the Windows directory: the favorites folder and the
// design cache live under it. Fetched once when the main window is first created.
extern std::string WindowsDir;

// The designed-page switch: on at start-up, toggled by the program menu; a page may open a
// design window only while it is on.
extern bool MorphingEnabled;

}  // namespace quillo
