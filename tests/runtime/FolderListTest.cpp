#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/Application.h"
#include "runtime/DirListBox.h"
#include "runtime/FileListBox.h"
#include "runtime/FolderListing.h"
#include "runtime/headless/Harness.h"
#include "runtime/headless/User.h"

using namespace quillo::runtime;
using quillo::headless::Harness;
using quillo::headless::User;

namespace {

class Browsing : public Form {
  public:
    Browsing() : Form("Browsing") {
        DirMain.Change = [this] { ++dirChanges; };
        flbFavorite.PathChange = [this] { ++pathChanges; };
    }
    DirListBox& DirMain = add<DirListBox>("DirMain");
    FileListBox& flbFavorite = add<FileListBox>("flbFavorite");
    int dirChanges = 0;
    int pathChanges = 0;
};

using Names = std::vector<std::string>;

Names listed(const FileListBox& list) {
    Names names;
    for (int i = 0; i < list.ListCount(); ++i)
        names.push_back(list.List(i));
    return names;
}

// A favorites folder with files, sub-folders and hidden entries.
void layFavorites(const Harness& harness) {
    for (std::string file : {"Fav/zebra.url", "Fav/Apple.URL", "Fav/news.site.url", "Fav/b.BMP",
                             "Fav/c.gif", "Fav/d.jpg", "Fav/.hidden", "Fav/Shops/toys.url",
                             "Fav/archive/old.url", "Fav/.cache/x", "Fav/Zoo/z.url"})
        harness.writeFile(file, "x");
}

}  // namespace

TEST(FileListBoxes, ListTheFilesOfAFolderInThePlatformsOrder) {
    Harness harness;
    layFavorites(harness);
    auto& list = app().form<Browsing>().flbFavorite;
    EXPECT_TRUE(list.setPath(harness.programFolder() + "/fav/"));
    EXPECT_EQ(listed(list),
              (Names{"Apple.URL", "b.BMP", "c.gif", "d.jpg", "news.site.url", "zebra.url"}));
    EXPECT_EQ(list.Path(), harness.programFolder() + "/fav");
}

TEST(FileListBoxes, ListOnlyFilesThatMatchOneOfTheirPatterns) {
    struct Case {
        std::string pattern;
        Names names;
    };
    for (const Case& c :
         {Case{"*.bmp;*.gif", {"b.BMP", "c.gif"}},
          Case{"*.url", {"Apple.URL", "news.site.url", "zebra.url"}},
          Case{"?.*", {"b.BMP", "c.gif", "d.jpg"}},
          Case{"*.*", {"Apple.URL", "b.BMP", "c.gif", "d.jpg", "news.site.url", "zebra.url"}},
          Case{"*.png", {}}}) {
        Harness harness;
        layFavorites(harness);
        auto& list = app().form<Browsing>().flbFavorite;
        list.setPath(harness.path("Fav"));
        list.setPattern(c.pattern);
        EXPECT_EQ(listed(list), c.names) << c.pattern;
    }
}

TEST(FileListBoxes, ChooseFilesAndSeeNewOnesAfterRefresh) {
    Harness harness;
    layFavorites(harness);
    auto& form = app().form<Browsing>();
    auto& list = form.flbFavorite;
    list.setPath(harness.path("Fav"));
    EXPECT_EQ(form.pathChanges, 1);
    EXPECT_EQ(list.FileName(), "");
    User::clickEntry(list, 2);
    EXPECT_EQ(list.FileName(), "c.gif");
    EXPECT_TRUE(list.setFileName("ZEBRA.URL"));
    EXPECT_EQ(list.ListIndex(), 5);
    harness.writeFile("Fav/aaa.url", "x");
    EXPECT_EQ(list.ListCount(), 6);
    list.Refresh();
    EXPECT_EQ(list.List(0), "aaa.url");
    EXPECT_EQ(list.ListIndex(), -1);
}

TEST(FileListBoxes, ComeOutEmptyForAFolderThatCannotBeRead) {
    Harness harness;
    layFavorites(harness);
    auto& list = app().form<Browsing>().flbFavorite;
    list.setPath(harness.path("Fav"));
    EXPECT_FALSE(list.setPath(harness.path("Gone")));
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_EQ(list.Path(), harness.path("Gone"));
}

TEST(DirListBoxes, ListSubFoldersAsFullPathsEndingInTheirNames) {
    Harness harness;
    layFavorites(harness);
    auto& form = app().form<Browsing>();
    auto& dirs = form.DirMain;
    std::string root = harness.programFolder() + "/FAV";
    EXPECT_TRUE(dirs.setPath(root));
    EXPECT_EQ(form.dirChanges, 1);
    ASSERT_EQ(dirs.ListCount(), 3);
    EXPECT_EQ(dirs.List(0), root + "/archive");
    EXPECT_EQ(dirs.List(1), root + "/Shops");
    EXPECT_EQ(dirs.List(2), root + "/Zoo");
    EXPECT_EQ(dirs.List(3), "");
    EXPECT_EQ(dirs.List(-1), root);
    EXPECT_EQ(dirs.List(-2), harness.programFolder());
    dirs.setPath(root);
    EXPECT_EQ(form.dirChanges, 1);
    EXPECT_TRUE(dirs.setPath(dirs.List(1)));
    EXPECT_EQ(dirs.ListCount(), 0);
    EXPECT_EQ(form.dirChanges, 2);
}

TEST(DirListBoxes, OpenADoubleClickedFolder) {
    Harness harness;
    layFavorites(harness);
    auto& dirs = app().form<Browsing>().DirMain;
    dirs.setPath(harness.path("Fav"));
    dirs.fireEntryDblClick(1);
    EXPECT_EQ(dirs.Path(), harness.path("Fav") + "/Shops");
}

TEST(FolderListing, MatchesWildcardsWithoutRegardToCase) {
    struct Case {
        const char* name;
        const char* pattern;
        bool matches;
    };
    for (Case c : {Case{"Photo.JPG", "*.jpg", true}, Case{"photo.jpeg", "*.jpg", false},
                   Case{"a.b.c", "*.c", true}, Case{"abc", "a?c", true}, Case{"ac", "a?c", false},
                   Case{"über.gif", "?ber.*", true}, Case{"x", "", false}, Case{"", "*", true}})
        EXPECT_EQ(FolderListing::matches(c.name, c.pattern), c.matches)
            << c.name << " " << c.pattern;
}
