#include "shared/mdlSpecialDirectory.h"

#include <filesystem>
#include <system_error>

#include "runtime/Application.h"
#include "runtime/PathResolver.h"

namespace quillo {

std::string GetFavoritesDirectory(long) {
    std::string dataFolder = runtime::app().App().WindowsDir;
    while (dataFolder.size() > 1 && (dataFolder.back() == '/' || dataFolder.back() == '\\'))
        dataFolder.pop_back();
    if (dataFolder.empty()) return "";
    std::string favorites = runtime::ResolvePath(dataFolder + "/Favorites");
    std::error_code error;
    return std::filesystem::is_directory(favorites, error) ? favorites : "";
}

}  // namespace quillo
