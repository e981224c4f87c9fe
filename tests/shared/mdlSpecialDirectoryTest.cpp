#include "shared/mdlSpecialDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "runtime/headless/Harness.h"

using quillo::headless::Harness;
namespace fs = std::filesystem;

TEST(GetFavoritesDirectory, IsTheFavoritesFolderOfTheDataFolder) {
    Harness harness;
    EXPECT_EQ(quillo::GetFavoritesDirectory(), harness.windowsDir() + "/Favorites");
    harness.application().App().WindowsDir = harness.windowsDir() + "/";
    EXPECT_EQ(quillo::GetFavoritesDirectory(), harness.windowsDir() + "/Favorites");
}

TEST(GetFavoritesDirectory, KeepsTheSpellingOfAnExistingFolder) {
    Harness harness;
    fs::rename(harness.windowsDir() + "/Favorites", harness.windowsDir() + "/favorites");
    EXPECT_EQ(quillo::GetFavoritesDirectory(), harness.windowsDir() + "/favorites");
}

TEST(GetFavoritesDirectory, IsEmptyWhenThereIsNoSuchFolder) {
    Harness harness;
    fs::remove(harness.windowsDir() + "/Favorites");
    EXPECT_EQ(quillo::GetFavoritesDirectory(), "");
    std::ofstream(harness.windowsDir() + "/Favorites") << "not a folder";
    EXPECT_EQ(quillo::GetFavoritesDirectory(), "");
    harness.application().App().WindowsDir = "";
    EXPECT_EQ(quillo::GetFavoritesDirectory(), "");
}
