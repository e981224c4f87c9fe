#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Program.h"
#include "favorites/frmAddFavorite.h"
#include "favorites/frmOrganizeFavorite.h"

using namespace quillo;
using namespace quillo::testing;
using quillo::runtime::form;
using quillo::runtime::MenuEntry;
using quillo::runtime::MenuRequest;

namespace fs = std::filesystem;

namespace {

std::string Shortcut(const std::string& address) {
    return "[InternetShortcut]\r\nURL=" + address + "\r\n";
}

// The menu in one line: entries separated by ", ", a submenu's entries in brackets after its
// caption, "~" after a disabled entry.
std::string Shape(const std::vector<MenuEntry>& entries) {
    std::string shape;
    for (const MenuEntry& entry : entries) {
        shape += (shape.empty() ? "" : ", ") + entry.caption + (entry.enabled ? "" : "~");
        if (!entry.children.empty()) shape += "[" + Shape(entry.children) + "]";
    }
    return shape;
}

// The entry reached through these captions, one per level; 0 when there is none.
long EntryAt(const std::vector<MenuEntry>& entries, const std::vector<std::string>& captions,
             std::size_t level = 0) {
    for (const MenuEntry& entry : entries)
        if (entry.caption == captions[level])
            return level + 1 == captions.size() ? entry.id
                                                : EntryAt(entry.children, captions, level + 1);
    return 0;
}

const std::string kCommands =
    "-Organize, Add To Favorites\tAlt+A, Organize Favorites\tAlt+O, -List";

// The started program with a Favorites folder that the test fills.
struct WithFavorites : Program {
    WithFavorites() {
        start();
        backend().modalsShown.clear();
        // Every address the main browser is sent to, whatever becomes of it.
        auto handler = main().WebBrowser2.BeforeNavigate2;
        main().WebBrowser2.BeforeNavigate2 = [this, handler](const runtime::BrowserObject& pDisp,
                                                             const std::string& url, bool& cancel) {
            navigations.push_back(url);
            handler(pDisp, url, cancel);
        };
    }
    std::string favorites() const { return harness.windowsDir() + "/Favorites"; }
    void file(const std::string& relative, const std::string& contents = "") {
        fs::path path = favorites() + "/" + relative;
        fs::create_directories(path.parent_path());
        if (!relative.ends_with("/")) std::ofstream(path, std::ios::binary) << contents;
    }
    // Clicks the favorites button; the menu answers as told before; returns the menu's shape.
    std::string open(const std::vector<std::string>& choice = {}) {
        if (!choice.empty())
            backend().answerMenu(
                [choice](const MenuRequest& r) { return EntryAt(r.entries, choice); });
        User::click(main().PictureBookmark);
        advance(0);
        return Shape(backend().menusShown.back().request.entries);
    }
    std::vector<std::string> navigations;
};

TEST(FavoritesMenu, ListsTheCommandsThenEverySubFolderAsASubmenuBeforeTheFilesOfItsFolder) {
    WithFavorites program;
    for (const char* name : {"Zoo.url", "News.Site.url", "notes.txt", "README", "Games/Chess.url",
                             "Games/Puzzles/Jigsaw.url", "Games/Puzzles/Nothing/", "Only/Deeper/"})
        program.file(name);

    EXPECT_EQ(program.open(), kCommands +
                                  ", Games[Puzzles[Nothing[Empty~], Jigsaw], Chess], "
                                  "Only[Deeper[Empty~], Empty~], News.Site, notes, README, Zoo");
}

TEST(FavoritesMenu, ListsAFavoriteSavedWithoutANameAndFoldersWhoseNamesBeginWithADot) {
    WithFavorites program;
    program.file(".url", Shortcut("http://nameless.example/"));
    program.file(".Secret/Fish.url");
    program.file("Zoo.url");
    EXPECT_EQ(program.open({""}), kCommands + ", .Secret[Fish], , Zoo");
    EXPECT_EQ(program.navigations, std::vector<std::string>{"http://nameless.example/"});
}

TEST(FavoritesMenu, ListsNoFileThatTheProgramWasWritingWhenItsRunEndedOrIsWritingNow) {
    WithFavorites program;
    for (const std::string& name :
         std::vector<std::string>{NewFileName(EndedProcess(), 1), NewFileName(getppid(), 2),
                                  "Games/" + NewFileName(EndedProcess(), 3), "Games/Chess.url",
                                  ".quillo-4-5.url", "Zoo.url"})
        program.file(name);
    EXPECT_EQ(program.open(), kCommands + ", Games[Chess], .quillo-4-5, Zoo");
}

TEST(FavoritesMenu, AnEmptyOrMissingFavoritesFolderListsOnlyADisabledEmpty) {
    for (bool removed : {false, true}) {
        WithFavorites program;
        if (removed) fs::remove_all(program.favorites());
        EXPECT_EQ(program.open(), kCommands + ", Empty~") << "removed " << removed;
    }
}

TEST(FavoritesMenu, AFolderThatLeadsBackToAnOuterOneIsListedButNotWalkedAgain) {
    WithFavorites program;
    program.file("Loop/Inner/Fish.url");
    fs::create_directory_symlink(program.favorites() + "/Loop",
                                 program.favorites() + "/Loop/Inner/Back");

    EXPECT_EQ(program.open(), kCommands + ", Loop[Inner[Back[Empty~], Fish], Empty~], Empty~");
}

TEST(FavoritesMenu, OpensAtTheButtonsLowerLeftCornerWithoutCoveringTheButton) {
    WithFavorites program;
    form1& main = program.main();
    program.open();

    const runtime::Image& button = main.PictureBookmark;
    const double left = main.FrameDashBoard.Left() + button.Left();
    const double top = main.FrameDashBoard.Top() + button.Top();
    const double bottom = top + button.Height();
    const MenuRequest& request = program.backend().menusShown.back().request;
    EXPECT_EQ(request.owner, &main);
    EXPECT_EQ(request.at, (runtime::TwipsPoint{left, bottom}));
    EXPECT_EQ(request.exclude, (runtime::TwipsRect{left, top, left + button.Width(), bottom}));
}

TEST(FavoritesMenu, ChoosingAFavoriteOpensTheAddressOfItsShortcutInTheMainBrowser) {
    struct Choice {
        std::vector<std::string> captions;
        std::string file, contents;
        std::vector<std::string> navigations;
    };
    const std::string two = "URL=http://first.example/\r\nURL=http://second.example/\r\n";
    const std::string lower = "URL=http://upper.example/\r\nurl=http://lower.example/\r\n";
    const std::vector<Choice> choices = {
        {{"Games", "Puzzles", "Jigsaw"},
         "Games/Puzzles/Jigsaw.url",
         "URL=http://j.example/",
         {"http://j.example/"}},
        {{"News.Site"}, "News.Site.url", Shortcut("http://n.example/"), {"http://n.example/"}},
        {{"Two"}, "Two.url", two, {"http://second.example/"}},
        {{"Lower"}, "Lower.url", lower, {"http://upper.example/"}},
        {{"Unix"}, "Unix.url", "URL=http://unix.example/\nIconIndex=0\n", {"http://unix.example/"}},
        {{"Blank"}, "Blank.url", "[InternetShortcut]\r\n", {}},
        {{"notes"}, "notes.txt", "URL=http://never.example/", {}},
        {{"README"}, "README", "URL=http://never.example/", {}},
    };
    for (const Choice& choice : choices) {
        WithFavorites program;
        program.file(choice.file, choice.contents);
        program.open(choice.captions);
        EXPECT_NE(program.backend().menusShown.back().answer, 0) << choice.file;
        EXPECT_EQ(program.navigations, choice.navigations) << choice.file;
    }
}

TEST(FavoritesMenu, ChoosingASectionHeadingOpensNothing) {
    WithFavorites program;
    // The file that an empty key would name if it were taken as a path, in a working folder of
    // the test's own.
    const fs::path before = fs::current_path();
    fs::current_path(program.harness.programFolder());
    std::ofstream(".url", std::ios::binary) << Shortcut("http://stray.example/");
    program.open({"-Organize"});
    program.open({"-List"});
    fs::current_path(before);
    EXPECT_TRUE(program.navigations.empty());
    EXPECT_TRUE(program.backend().modalsShown.empty());
}

TEST(FavoritesMenu, AddToFavoritesShowsItsDialogModallyWithThePageTitleAsTheProposedName) {
    struct Title {
        std::string title, proposed;
        int length;
    };
    for (const Title& title : std::vector<Title>{{"A/B: C?", "A_B_ C_", 7},
                                                 {"q\"*<>|\\e", "q______e", 8},
                                                 {"Kätzchen", "Kätzchen", 8}}) {
        WithFavorites program;
        program.web().addHtml("http://page.example/", "<title>" + title.title + "</title>");
        program.main().WebBrowser2.Navigate("http://page.example/");
        program.advance(1000);
        std::vector<std::string> seen;
        program.backend().answerModal("frmAddFavorite", [&](runtime::Form& dialog) {
            const runtime::TextBox& name = static_cast<frmAddFavorite&>(dialog).txtFavoriteName;
            seen = {dialog.Tag(), name.Text(), std::to_string(name.SelStart()),
                    std::to_string(name.SelLength()), dialog.Visible() ? "shown" : "hidden"};
            dialog.Hide();
        });
        program.open({"Add To Favorites\tAlt+A"});

        EXPECT_EQ(seen, (std::vector<std::string>{"http://page.example/", title.proposed, "0",
                                                  std::to_string(title.length), "shown"}));
        EXPECT_EQ(program.backend().modalsShown, std::vector<std::string>{"frmAddFavorite"});
    }
}

TEST(FavoritesMenu, OrganizeFavoritesShowsItsDialogModally) {
    WithFavorites program;
    bool shown = false;
    program.backend().answerModal("frmOrganizeFavorite", [&](runtime::Form& dialog) {
        shown = dialog.Visible();
        dialog.Hide();
    });
    program.open({"Organize Favorites\tAlt+O"});

    EXPECT_TRUE(shown);
    EXPECT_EQ(program.backend().modalsShown, std::vector<std::string>{"frmOrganizeFavorite"});
}

TEST(FavoritesMenu, AddToFavoritesIsDisabledWhileTheMainBrowserHasNoAddress) {
    Program program;
    StartProgram();
    // The main window comes with the splash screen's timer; its first page answers only at the
    // next step of the clock.
    form1* main = nullptr;
    for (int step = 0; step < 1500 && !main; ++step) {
        program.advance(1);
        main = runtime::app().loadedForm<form1>();
    }
    ASSERT_NE(main, nullptr);
    ASSERT_EQ(main->WebBrowser2.LocationURL(), "");
    main->PictureBookmark_Click();
    EXPECT_FALSE(program.backend().menusShown.back().request.entries.at(1).enabled);

    program.advance(1500);
    main->PictureBookmark_Click();
    EXPECT_TRUE(program.backend().menusShown.back().request.entries.at(1).enabled);
}

TEST(FavoritesMenu, OpeningPutsBothDialogsBackToTheirSizesAndControlPlaces) {
    WithFavorites program;
    frmAddFavorite& add = form<frmAddFavorite>();
    frmOrganizeFavorite& organize = form<frmOrganizeFavorite>();
    add.Move(600, 450, 150, 150);
    organize.LV.Move(600, 450, 150, 150);
    program.open();

    auto place = [](const runtime::Control& c) {
        return std::vector<double>{c.Left(), c.Top(), c.Width(), c.Height()};
    };
    // 15 twips to the pixel; where the dialogs stand on the screen stays.
    EXPECT_EQ(place(add), (std::vector<double>{600, 450, 251 * 15, 370 * 15}));
    EXPECT_EQ(place(organize.LV), (std::vector<double>{183 * 15, 62 * 15, 161 * 15, 278 * 15}));
}

}  // namespace
