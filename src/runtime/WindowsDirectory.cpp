#include "runtime/WindowsDirectory.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace quillo::runtime {

std::string WindowsDirectoryFor(const char* xdgDataHome, const char* home,
                                const std::string& programFolder) {
    if (xdgDataHome && *xdgDataHome) return std::string(xdgDataHome) + "/quillo";
    if (home && *home) return std::string(home) + "/.local/share/quillo";
    return programFolder;
}

std::string DefaultWindowsDirectory(const std::string& programFolder) {
    return WindowsDirectoryFor(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"), programFolder);
}

bool PrepareWindowsDirectory(const std::string& windowsDir) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(windowsDir) / "Favorites", error);
    return std::filesystem::is_directory(std::filesystem::path(windowsDir) / "Favorites", error);
}

}  // namespace quillo::runtime
