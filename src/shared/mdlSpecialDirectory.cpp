#include "shared/mdlSpecialDirectory.h"

#include <filesystem>
#include <system_error>

#include "runtime/Application.h"
#include "runtime/PathResolver.h"

namespace quillo {

std::string GetFavoritesDirectory(long) {
    const std::string& dataFolder = runtime::app().App().WindowsDir;
    if (dataFolder.empty()) return "";
    std::string favorites = runtime::ResolvePath(dataFolder + "/Favorites");
    std::error_code error;
    return std::filesystem::is_directory(favorites, error) ? favorites : "";
}

}  // namespace quillo
