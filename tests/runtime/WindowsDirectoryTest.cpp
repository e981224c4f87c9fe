#include "runtime/WindowsDirectory.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <stdexcept>

using namespace quillo::runtime;

TEST(WindowsDirectory, IsTheQuilloFolderOfTheDataHome) {
    EXPECT_EQ(WindowsDirectoryFor("/data", "/home/kid", "/opt/quillo"), "/data/quillo");
}

TEST(WindowsDirectory, FallsBackToTheHomesLocalShareWithoutADataHome) {
    EXPECT_EQ(WindowsDirectoryFor(nullptr, "/home/kid", "/opt/quillo"),
              "/home/kid/.local/share/quillo");
    EXPECT_EQ(WindowsDirectoryFor("", "/home/kid", "/opt/quillo"), "/home/kid/.local/share/quillo");
}

TEST(WindowsDirectory, IsTheProgramFolderWithoutAHome) {
    EXPECT_EQ(WindowsDirectoryFor(nullptr, nullptr, "/opt/quillo"), "/opt/quillo");
    EXPECT_EQ(WindowsDirectoryFor("", "", "/opt/quillo"), "/opt/quillo");
}

TEST(WindowsDirectory, ReadsTheEnvironment) {
    const char* saved = getenv("XDG_DATA_HOME");
    std::string restore = saved ? saved : "";
    setenv("XDG_DATA_HOME", "/somewhere", 1);
    EXPECT_EQ(DefaultWindowsDirectory("/opt/quillo"), "/somewhere/quillo");
    if (saved)
        setenv("XDG_DATA_HOME", restore.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
}

TEST(WindowsDirectory, IsPreparedWithItsFavoritesFolder) {
    std::string pattern = (std::filesystem::temp_directory_path() / "quillo-wd-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
    std::string windowsDir = pattern + "/share/quillo";
    EXPECT_TRUE(PrepareWindowsDirectory(windowsDir));
    EXPECT_TRUE(std::filesystem::is_directory(windowsDir + "/Favorites"));
    EXPECT_TRUE(PrepareWindowsDirectory(windowsDir));  // a second start finds it there
    std::filesystem::remove_all(pattern);
}

TEST(WindowsDirectory, ReportsAFolderThatCannotBeMade) {
    EXPECT_FALSE(PrepareWindowsDirectory("/proc/quillo-cannot-be-here"));
}
