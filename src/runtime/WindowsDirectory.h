#pragma once

#include <string>

namespace quillo::runtime {

// The Windows directory of the program: the per-user data folder $XDG_DATA_HOME/quillo, else
// $HOME/.local/share/quillo, else the program folder. Empty variables count as unset.
std::string DefaultWindowsDirectory(const std::string& programFolder);
// The same rule with the two variables given (nullptr for unset).
std::string WindowsDirectoryFor(const char* xdgDataHome, const char* home,
                                const std::string& programFolder);

// Creates the Windows directory and its Favorites folder where they are missing; false when
// either cannot be made.
bool PrepareWindowsDirectory(const std::string& windowsDir);

}  // namespace quillo::runtime
