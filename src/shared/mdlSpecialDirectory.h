#pragma once

#include <string>

namespace quillo {

// The current user's Favorites folder, the root of the favorites menu: the Favorites folder of
// the per-user data folder. The empty text when there is none.
std::string GetFavoritesDirectory(long windowHandle = 0);

}  // namespace quillo
