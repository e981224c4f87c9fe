#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "runtime/PathResolver.h"
#include "runtime/headless/Harness.h"

using namespace quillo::runtime;
using quillo::headless::Harness;

TEST(PathResolver, TakesTheExactNameFirstEvenWhenOthersDifferOnlyInCase) {
    Harness harness;
    harness.writeFile("RN418.ini", "upper");
    harness.writeFile("rn418.ini", "lower");
    EXPECT_EQ(ResolvePath(harness.path("rn418.ini")), harness.path("rn418.ini"));
    EXPECT_EQ(ResolvePath(harness.path("RN418.ini")), harness.path("RN418.ini"));
}

TEST(PathResolver, FindsTheOneEntryThatMatchesWithoutRegardToCaseInEveryFolder) {
    Harness harness;
    harness.writeFile("Skins/sea/Sea.TZ3", "x");
    EXPECT_EQ(ResolvePath(harness.path("skins/Sea/sea.tz3")), harness.path("Skins/sea/Sea.TZ3"));
}

TEST(PathResolver, GivesNewFilesTheSpellingOfTheFoldersThatExist) {
    Harness harness;
    harness.writeFile("Skins/Sea/Sea.tz3", "x");
    EXPECT_EQ(ResolvePath(harness.path("skins/sea/New/new.tz3")),
              harness.path("Skins/Sea/New/new.tz3"));
    EXPECT_EQ(ResolvePath(harness.path("SKINS/fresh.txt")), harness.path("Skins/fresh.txt"));
}

TEST(PathResolver, TakesABackslashAsPartOfAName) {
    Harness harness;
    harness.writeFile("Blank Buttons/B-PictureIcon", "x");
    harness.writeFile("x\\..\\Blank Buttons", "a file of that name");
    // No entry of the folder above is reached, whatever the name holds.
    EXPECT_EQ(ResolvePath(harness.programFolder() + "\\blank buttons\\b-pictureicon"),
              harness.programFolder() + "\\blank buttons\\b-pictureicon");
    EXPECT_EQ(ResolvePath(harness.path("X\\..\\blank buttons")),
              harness.path("x\\..\\Blank Buttons"));
    EXPECT_EQ(ResolvePath(harness.path("a\\..\\..\\canary")), harness.path("a\\..\\..\\canary"));
}

TEST(PathResolver, LeavesPathsThatMatchNothingAsWritten) {
    Harness harness;
    EXPECT_EQ(ResolvePath(harness.path("nowhere/at/all")), harness.path("nowhere/at/all"));
    EXPECT_EQ(ResolvePath(""), "");
}
