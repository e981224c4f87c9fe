#include "shared/ModuleFucns.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "runtime/headless/FileFaults.h"
#include "runtime/headless/FullDisk.h"
#include "runtime/headless/Harness.h"

using quillo::headless::FileFaults;
using quillo::headless::FullDisk;
using quillo::headless::Harness;
namespace fs = std::filesystem;

namespace {

std::size_t openDescriptors() {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator("/proc/self/fd"), {}));
}

using Entries = std::vector<std::string>;

}  // namespace

TEST(FileIO, WritesAppendsAndReadsBackEveryByteWhateverTheLetterCase) {
    Harness harness;
    std::string contents("a\0b\xff\xe3\x81\x82", 7);
    EXPECT_TRUE(quillo::FileIO("Write", harness.path("RN418.ini"), contents));
    EXPECT_EQ(harness.readFile("RN418.ini"), contents + "\r\n");
    std::string appended = "d";
    EXPECT_TRUE(quillo::FileIO("Append", harness.path("rn418.INI"), appended));
    EXPECT_EQ(harness.readFile("RN418.ini"), contents + "\r\nd\r\n");
    EXPECT_FALSE(harness.fileExists("rn418.INI"));
    for (const char* action : {"GetBinary", "GetContents"}) {
        std::string read;
        EXPECT_TRUE(quillo::FileIO(action, harness.path("rn418.ini"), read));
        EXPECT_EQ(read, contents + "\r\nd\r\n") << action;
    }
}

TEST(FileIO, ReportsEveryFailedReadOrWriteAndLeavesContentsAlone) {
    Harness harness;
    harness.writeFile("folder/file.txt", "x");
    struct Case {
        const char* action;
        std::string file;
    };
    const Case cases[] = {{"GetBinary", "missing.txt"},
                          {"GetContents", "missing.txt"},
                          {"GetBinary", "folder"},
                          {"GetContents", "folder"},
                          {"GetBinary", ""},
                          {"Write", "nowhere/file.txt"},
                          {"Write", "folder"},
                          {"Append", "nowhere/file.txt"},
                          {"Append", "folder"},
                          {"Write", ""}};
    std::size_t before = openDescriptors();
    for (const Case& c : cases) {
        std::string contents = "kept";
        std::string name = c.file.empty() ? "" : harness.path(c.file);
        EXPECT_FALSE(quillo::FileIO(c.action, name, contents)) << c.action << " " << c.file;
        EXPECT_EQ(contents, "kept") << c.action << " " << c.file;
    }
    EXPECT_EQ(openDescriptors(), before);
    EXPECT_FALSE(harness.fileExists("nowhere"));
}

TEST(FileIO, AWriteThatFailsOnAFullDiskKeepsTheOldFileWhole) {
    Harness harness;
    for (const char* action : {"Write", "Append"}) {
        harness.writeFile("combourl.ini", "<a.test>\r\n");
        std::string contents = "<c.test>";
        bool written = true;
        {
            FullDisk full;
            written = quillo::FileIO(action, harness.path("combourl.ini"), contents);
        }
        EXPECT_FALSE(written) << action;
        EXPECT_EQ(harness.readFile("combourl.ini"), "<a.test>\r\n") << action;
        // Nothing half written is left beside it.
        EXPECT_EQ(std::distance(fs::directory_iterator(harness.programFolder()), {}), 1);
    }
}

TEST(FileIO, WritesEveryNameTheFolderTakesKeepingPermissionsAndLinksAndNoLinkPlantedBeside) {
    Harness harness;
    harness.writeFile("settings/real.ini", "old");
    ASSERT_EQ(chmod(harness.path("settings/real.ini").c_str(), 0600), 0);
    fs::create_symlink("settings/real.ini", harness.path("rn418.ini"));
    harness.writeFile("victim", "mine");
    FileFaults faults;
    faults.beforeOpen([&, planted = false](const std::string& path) mutable {
        if (!std::exchange(planted, true)) fs::create_symlink(harness.path("victim"), path);
    });
    for (const std::string& name : {std::string(250, 'n'), std::string("rn418.ini")}) {
        std::string contents = "<Sea>";
        EXPECT_TRUE(quillo::FileIO("Write", harness.path(name), contents));
        EXPECT_EQ(harness.readFile(name), "<Sea>\r\n");
    }
    std::string refused = "x";  // 256 bytes are more than a name may have
    EXPECT_FALSE(quillo::FileIO("Write", harness.path(std::string(256, 'n')), refused));
    EXPECT_EQ(harness.readFile("victim"), "mine");
    EXPECT_TRUE(fs::is_symlink(harness.path("rn418.ini")));
    EXPECT_EQ(fs::status(harness.path("settings/real.ini")).permissions(), fs::perms(0600));
    // The planted link, the victim, the long name, the link and its folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(harness.programFolder()), {}), 5);
}

TEST(FileIO, ReadsOnlyRegularFilesAndNeverWaitsOnAPipe) {
    Harness harness;
    harness.writeFile("real.txt", "text");
    fs::create_symlink(harness.path("real.txt"), harness.path("link.txt"));
    ASSERT_EQ(mkfifo(harness.path("pipe").c_str(), 0600), 0);
    for (const std::string& file :
         {harness.path("link.txt"), harness.path("pipe"), std::string("/dev/null")}) {
        std::string contents = "kept";
        EXPECT_EQ(quillo::FileIO("GetBinary", file, contents), file.ends_with("link.txt"));
        EXPECT_EQ(contents, file.ends_with("link.txt") ? "text" : "kept") << file;
    }
}

TEST(FileIO, DoesNothingForAnUnknownActionWord) {
    Harness harness;
    for (const char* action : {"write", "Delete", "", "GetBinary "}) {
        std::string contents = "abc";
        EXPECT_TRUE(quillo::FileIO(action, harness.path("a.txt"), contents)) << action;
        EXPECT_EQ(contents, "abc");
        EXPECT_FALSE(harness.fileExists("a.txt")) << action;
    }
}

TEST(InString, FindsTheSearchWithTheNamedComparison) {
    struct Case {
        const char* text;
        const char* search;
        const char* caseMode;
        bool found;
    };
    const Case cases[] = {
        {"Skins\\A", "\\", "Sensitive", true},
        {"ABC", "b", "Sensitive", false},
        {"ABC", "b", "Insensitive", true},
        {"ABC", "b", "insensitive", false},
        {"ABC", "b", "", false},
        {"xAbC", "aBc", "Insensitive", true},
        {"ab", "abc", "Insensitive", false},
        {"abc", "", "Sensitive", true},
        {"", "", "Sensitive", false},
        {"", "a", "Insensitive", false},
        {"[{", "{", "Insensitive", true},
        {"@", "`", "Insensitive", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(quillo::InString(c.text, c.search, c.caseMode), c.found)
            << c.text << " / " << c.search << " / " << c.caseMode;
}

TEST(GetFileTitle, TakesTheNameAfterTheLastSeparatorUpToItsFirstDot) {
    struct Case {
        const char* path;
        const char* title;
    };
    const Case cases[] = {
        {"Sea", "Sea"},
        {"C:\\a.b\\c", "c"},
        {"C:\\prog\\skins\\Sea\\Sea.tz3", "Sea"},
        {"/home/kid/quillo/skins/Sea/Sea.tz3", "Sea"},
        {"skins/Sea\\Sea.tz3", "Sea"},
        {"my.skin.tz3", "my"},
        {"C:\\skins\\", ""},
        {"skins/", ""},
        {".hidden", ""},
        {"", ""},
        {"dir\\a<b>.c", "a<b>"},
        {"dir\\a>b", "a>b"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(quillo::GetFileTitle(c.path), c.title) << c.path;
}

TEST(MakeUpperCase, UpperCasesOnlyTheLettersAToZ) {
    struct Case {
        const char* text;
        const char* upper;
    };
    const Case cases[] = {{"abz{", "ABZ{"},  {"`a{", "`A{"},       {"", ""},
                          {"é", "é"},        {"日本語", "日本語"}, {"straße 1", "STRAßE 1"},
                          {"MiXeD", "MIXED"}};
    for (const Case& c : cases)
        EXPECT_EQ(quillo::MakeUpperCase(c.text), c.upper) << c.text;
}

TEST(CapitalizeFirst, ChangesTheCallersTextToo) {
    struct Case {
        const char* text;
        const char* capitalized;
    };
    const Case cases[] = {{"sea", "Sea"}, {"", ""}, {"élan", "élan"}, {"1a", "1a"}, {"s", "S"}};
    for (const Case& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(quillo::CapitalizeFirst(text), c.capitalized) << c.text;
        EXPECT_EQ(text, c.capitalized) << c.text;
    }
}

TEST(CheckFileExists, AcceptsFilesAndFoldersAndRefusesBadNames) {
    Harness harness;
    harness.writeFile("skins/Sea/Sea.tz3", "x");
    struct Case {
        std::string name;
        bool exists;
    };
    const Case cases[] = {{harness.path("skins/Sea/Sea.tz3"), true},
                          {harness.path("SKINS/sea/sea.TZ3"), true},
                          {harness.path("skins"), true},
                          {harness.path("skins/Sea/Lake.tz3"), false},
                          {"", false},
                          {harness.path("skins") + std::string(1, '\0') + "x", false}};
    for (const Case& c : cases)
        EXPECT_EQ(quillo::CheckFileExists(c.name), c.exists) << c.name;
}

TEST(NormalizeWhitespace, FoldsRunsIntoOneSpaceAndDropsLeadingOnes) {
    struct Case {
        const char* text;
        const char* normal;
    };
    const Case cases[] = {{" a\r\n\r\nb\t", "a b "}, {"", ""},         {" \t\r\n", ""},
                          {"a  b", "a b"},           {"ab", "ab"},     {"a\vb", "a\vb"},
                          {"\ta b ", "a b "},        {"x\n\ny", "x y"}};
    for (const Case& c : cases)
        EXPECT_EQ(quillo::NormalizeWhitespace(c.text), c.normal) << c.text;
}

TEST(GetShortPath, IsThePathItselfWhenItExistsElseEmpty) {
    Harness harness;
    harness.writeFile("Favorites/a.url", "x");
    EXPECT_EQ(quillo::GetShortPath(harness.path("Favorites/a.url")),
              harness.path("Favorites/a.url"));
    EXPECT_EQ(quillo::GetShortPath(harness.path("Favorites")), harness.path("Favorites"));
    EXPECT_EQ(quillo::GetShortPath(harness.path("Favorites/b.url")), "");
    EXPECT_EQ(quillo::GetShortPath(""), "");
}

TEST(ExtractAll, GivesEveryEntryFollowedByOneEmptyElement) {
    struct Case {
        const char* text;
        const char* boundaries;
        const char* reach;
        const char* caseMode;
        Entries entries;
    };
    const Case cases[] = {
        {"<ab><cd>\r\n", "Exclusive", "Closest", "Insensitive", {"ab", "cd", ""}},
        {"<abcd><ef>", "Exclusive", "Closest", "Insensitive", {"abcd", "ef", ""}},
        {"no brackets", "Exclusive", "Closest", "Insensitive", {}},
        {"<a", "Exclusive", "Closest", "Insensitive", {}},
        {"", "Exclusive", "Closest", "Insensitive", {}},
        {"<a><b", "Exclusive", "Closest", "Insensitive", {"a", ""}},
        {"x<>y<z>", "Exclusive", "Closest", "Insensitive", {"", "z", ""}},
        {"<<a>>", "Exclusive", "Closest", "Insensitive", {"<a", ""}},
        {"<a\x02\x01\x03"
         "b>",
         "Exclusive",
         "Closest",
         "Insensitive",
         {"a\x02\x01\x03"
          "b",
          ""}},
        {"<a><b>", "Inclusive", "Closest", "Insensitive", {"<a>", "<b>", ""}},
        {"<a><b>", "Exclusive", "Furthest", "Insensitive", {"a><b", ""}},
        {"<C:\\x\\ä.bmp>\r\n<y>", "Exclusive", "Closest", "Insensitive", {"C:\\x\\ä.bmp", "y", ""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(quillo::ExtractAll("<", ">", c.caseMode, c.boundaries, c.reach, c.text),
                  c.entries)
            << c.text;
}

TEST(ExtractAll, ComparesDelimitersByTheCaseWord) {
    EXPECT_EQ(quillo::ExtractAll("[X", "Y]", "Insensitive", "Exclusive", "Closest", "[xaY][Xby]"),
              (Entries{"a", "b", ""}));
    EXPECT_EQ(quillo::ExtractAll("[X", "Y]", "Sensitive", "Exclusive", "Closest", "[xaY][Xby]"),
              Entries{});
}

TEST(ExtractOne, GivesTheFirstEntryAndThePositionAfterIt) {
    struct Case {
        const char* text;
        const char* boundaries;
        const char* reach;
        const char* entry;
        long position;
    };
    const Case cases[] = {
        {"<a/b.htm>", "Exclusive", "Closest", "a/b.htm", 10},
        {"x<a>y<b>", "Exclusive", "Closest", "a", 5},
        {"<x>", "Exclusive", "Closest", "x", 4},
        {"<x>", "Inclusive", "Closest", "<x>", 4},
        {"<>", "Exclusive", "Closest", "", 3},
        {"ä<ö>ü", "Exclusive", "Closest", "ö", 5},
        {"<a><b>c", "Exclusive", "Furthest", "a><b", 7},
        {"<a", "Exclusive", "Closest", "", 0},
        {"a<", "Exclusive", "Closest", "", 0},
        {"abc", "Exclusive", "Closest", "", 0},
        {"", "Exclusive", "Closest", "", 0},
    };
    for (const Case& c : cases) {
        long position = -7;
        EXPECT_EQ(
            quillo::ExtractOne("<", ">", "Insensitive", c.boundaries, c.reach, c.text, position),
            c.entry)
            << c.text;
        EXPECT_EQ(position, c.position) << c.text;
    }
}

TEST(ExtractOne, AsksForBothDelimitersWithAPlainMessageBox) {
    Harness harness;
    auto& messages = harness.backend().dialogServices.messages;
    long position = 9;
    EXPECT_EQ(quillo::ExtractOne("", ">", "Insensitive", "Exclusive", "Closest", "<a>", position),
              "");
    EXPECT_EQ(position, 0);
    EXPECT_EQ(quillo::ExtractAll("<", "", "Insensitive", "Exclusive", "Closest", "<a>"), Entries{});
    ASSERT_EQ(messages.size(), 2u);
    for (const auto& shown : messages) {
        EXPECT_EQ(shown.text, "In function ExtractOne, you must enter a StartString and EndString");
        EXPECT_EQ(shown.buttons, quillo::runtime::MsgBoxButtons::OK);
    }
}

TEST(Extract, ReplacesBetweenDelimitersAsTheWordsSay) {
    struct Case {
        const char* start;
        const char* end;
        const char* replace;
        const char* caseMode;
        const char* boundaries;
        const char* reach;
        const char* count;
        const char* text;
        const char* result;
        long position;
        int countFlag;
        const char* startAfter;
        const char* endAfter;
    };
    const Case cases[] = {
        {"<", "\\", "", "Sensitive", "Inclusive", "Furthest", "One", "<C:\\a\\b", "b", 0, 1, "<",
         "\\"},
        {".", ">", "", "Sensitive", "Inclusive", "Furthest", "One", "a.b.c>", "a", 0, 1, ".", ">"},
        {"<", "|", "R", "Sensitive", "Exclusive", "Furthest", "One", "a<bc", "aRbc", 0, 1, "<",
         "|"},
        {"[", "]", "X", "Sensitive", "Exclusive", "Closest", "One", "a[b]c[d]", "a[X]c[d]", 5, 1,
         "[", "]"},
        {"[", "]", "X", "Sensitive", "Inclusive", "Closest", "One", "a[b]c[d]", "aXc[d]", 3, 1, "[",
         "]"},
        {"[", "]", "X", "Sensitive", "Inclusive", "Closest", "All", "a[b]c[d]e", "aXcXe", 5, 0, "[",
         "]"},
        {"AB", "CD", "x", "Insensitive", "Exclusive", "Closest", "One", "zabqcdz", "zABxCDz", 7, 1,
         "AB", "CD"},
        {"AB", "CD", "x", "Sensitive", "Exclusive", "Closest", "One", "zabqcdz", "", 0, 1, "AB",
         "CD"},
        {"[", "]", "é", "Sensitive", "Inclusive", "Closest", "One", "ü[x]y", "üéy", 3, 1, "[", "]"},
        {"[", "]", "X", "Sensitive", "Inclusive", "Closest", "One", "a[b", "", 0, 1, "[", "]"},
        {"[", "]", "X", "Sensitive", "Inclusive", "Nearest", "One", "a[b]", "", 0, 1, "[", "]"},
        {"", "/", "-", "Sensitive", "Inclusive", "Closest", "One", "a/b/c", "a-b/c", 3, 1, "/", ""},
        {"", "/", "-", "Sensitive", "Inclusive", "Closest", "All", "a/b/c", "a-b-c", 5, 0, "/", ""},
        {"/", "", "-", "Sensitive", "Inclusive", "Closest", "One", "a/b/c", "", 0, 1, "", ""},
        {"", "", "-", "Sensitive", "Inclusive", "Closest", "One", "a/b/c", "", 0, 1, "", ""},
    };
    for (const Case& c : cases) {
        std::string start = c.start, end = c.end;
        long position = -1;
        int countFlag = -1;
        EXPECT_EQ(quillo::Extract(start, end, c.replace, c.caseMode, c.boundaries, c.reach, c.count,
                                  countFlag, c.text, position),
                  c.result)
            << c.text << " " << c.reach << " " << c.boundaries;
        EXPECT_EQ(position, c.position) << c.text;
        EXPECT_EQ(countFlag, c.countFlag) << c.text;
        EXPECT_EQ(start, c.startAfter) << c.text;
        EXPECT_EQ(end, c.endAfter) << c.text;
    }
}
