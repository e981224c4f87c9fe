#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>

#include "favorites/FavoritesStore.h"
#include "favorites/frmAddFavorite.h"
#include "mainwindow/Program.h"

using namespace quillo;
using namespace quillo::testing;
namespace fs = std::filesystem;

namespace {

TEST(FavoritesStore, NewProposesTheSmallestNumberNoNewFolderSiblingEndsWith) {
    std::vector<std::string> overfull;
    for (int n = 2; n <= 102; ++n)  // the hundred slots are full before the 1 comes
        overfull.push_back("New Folder " + std::to_string(n == 102 ? 1 : n));
    const std::vector<std::pair<std::vector<std::string>, int>> cases = {
        {{}, 1},
        {{"New Folder 1", "New Folder 3"}, 2},
        {{"New Folder 2"}, 1},
        {{"New Folders", "new folder 1", "New Folder 99999"}, 1},
        {{"New Folder1", "New Folder 7 1", "New Folder x"}, 2},
        {{"New Folder 1", "New Folder 2.5", "New Folder 3.5"}, 3},  // a half goes to even
        {overfull, 1}};
    for (const auto& [siblings, number] : cases)
        EXPECT_EQ(NewFolderName(siblings), "New Folder " + std::to_string(number));
}

// The running program on a page, with Favorites folders, opening the add dialog afresh through
// the favorites menu and playing a script in it.
struct AddFavorite : Program {
    const std::string page = "http://page.example/a?b=1";
    explicit AddFavorite(const std::vector<std::string>& folders) {
        start();
        web().addHtml(page, "<title>Page</title>");
        main().WebBrowser2.Navigate(page);
        advance(1000);
        for (const std::string& folder : folders)
            fs::create_directories(root() / folder);
    }
    fs::path root() const { return harness.windowsDir() + "/Favorites"; }
    void open(const std::function<void(frmAddFavorite&, runtime::TreeView&)>& script) {
        runtime::form<frmAddFavorite>().Unload();
        backend().answerModal("frmAddFavorite", [script](runtime::Form& form) {
            auto& dialog = static_cast<frmAddFavorite&>(form);
            script(dialog, dialog.TV);
        });
        backend().answerMenu("Add To Favorites\tAlt+A");
        User::click(main().PictureBookmark);
        advance(0);
        EXPECT_EQ(runtime::app().loadedForm<frmAddFavorite>(), nullptr);
    }
    // Every file below the Windows directory with its contents.
    std::map<std::string, std::string> files() const {
        std::map<std::string, std::string> found;
        for (const auto& entry : fs::recursive_directory_iterator(harness.windowsDir())) {
            std::ostringstream contents;
            contents << std::ifstream(entry.path(), std::ios::binary).rdbuf();
            if (entry.is_regular_file())
                found[fs::relative(entry.path(), root()).string()] = contents.str();
        }
        return found;
    }
};

TEST(AddFavorite, TheTreeHoldsEveryFolderKeyedByPositionUniquelyWithOnlyTheRootExpanded) {
    AddFavorite program({"A/B/C", ".hidden/X/Y", "Loop/Inner", "F4", "F5", "F6", "F7", "F8", "F9",
                         "F10", "F11", "F12"});
    fs::create_directory_symlink(program.root() / "Loop", program.root() / "Loop/Inner/Back");
    // A folder whose name begins with "." is a folder like any other.
    std::vector<std::string> expected = {"MN Favorites+",
                                         "MN1 Favorites/.hidden",
                                         "MN11 Favorites/.hidden/X",
                                         "MN111 Favorites/.hidden/X/Y",
                                         "MN2 Favorites/A",
                                         "MN21 Favorites/A/B",
                                         "MN211 Favorites/A/B/C"};
    int position = 3;
    for (int n : {10, 11, 12, 4, 5, 6, 7, 8})
        expected.push_back("MN" + std::to_string(position++) + " Favorites/F" + std::to_string(n));
    // The eleventh child meets MN11 of .hidden/X; Back leads back to Loop and is not walked
    // again.
    for (const char* node :
         {"MN11~2 Favorites/F9", "MN12 Favorites/Loop", "MN121 Favorites/Loop/Inner",
          "MN1211 Favorites/Loop/Inner/Back", "MN Favorites"})
        expected.push_back(node);
    for (int rebuild = 0; rebuild < 2; ++rebuild)
        program.open([&](frmAddFavorite& dialog, runtime::TreeView& tree) {
            std::vector<std::string> shape;
            for (int i = 1; i <= tree.Nodes.Count(); ++i)
                shape.push_back(tree.Nodes(i)->Key() + " " + tree.Nodes(i)->FullPath() +
                                (tree.Nodes(i)->Expanded() ? "+" : ""));
            shape.push_back(tree.SelectedItem()->Key() + " " + dialog.CurrentFolder);
            EXPECT_EQ(shape, expected);
            User::click(dialog.cmdCancel);
        });
}

TEST(AddFavorite, OkWritesTheShortcutNamedByTheTrimmedTextIntoTheClickedFolder) {
    const std::string old = "URL=http://old.example/\r\n";
    for (const auto& [typed, folder, file] : std::vector<std::array<std::string, 3>>{
             {"  My Zoo  ", "MN", "My Zoo.url"},
             {"   ", "MN1", "Games/.url"},
             {"Old", "MN11", "Games/Chess/Old.url"},
             {"../../Outside", "MN", ""},  // leaves its folder
             {"a\\..\\b", "MN", ""},
             // With ".url", 246 characters fit a name's
             // 255 bytes; 252 do not.
             {std::string(246, 'q'), "MN", std::string(246, 'q') + ".url"},
             {std::string(252, 'q'), "MN", ""}}) {
        AddFavorite program({"Games/Chess"});
        std::ofstream(program.root() / "Games/Chess/Old.url") << old;
        program.open([&](frmAddFavorite& dialog, runtime::TreeView& tree) {
            User::clickNode(tree, *tree.Nodes(folder));
            dialog.txtFavoriteName.setText(typed);
            User::click(dialog.cmdOK);
            // A name that cannot be saved there keeps the dialog open, the name selected.
            if (!file.empty()) return;
            EXPECT_EQ(dialog.txtFavoriteName.SelText(), typed);
            User::click(dialog.cmdCancel);
        });
        std::map<std::string, std::string> expected = {{"Games/Chess/Old.url", old}};
        if (!file.empty()) expected[file] = "[InternetShortcut]\r\nURL=" + program.page + "\r\n";
        EXPECT_EQ(program.files(), expected) << typed;
    }
}

TEST(AddFavorite, NewMakesTheNextNewFolderBelowTheChosenOneAndItsEditRenamesIt) {
    struct Case {
        std::optional<std::string> typed;
        std::string name;  // on disk, in the tree, and where OK then writes
        bool fromContextMenu;
    };
    for (const Case& c : std::vector<Case>{{"  Toys ", "Toys", false},
                                           {"Mine", "Mine", true},
                                           {std::nullopt, "New Folder 2", false},  // abandoned
                                           {"Chess", "New Folder 2", true},
                                           {"a/b", "New Folder 2", false},
                                           {"   ", "New Folder 2", false}}) {
        AddFavorite program({"Games/Chess", "Games/New Folder 1", "Games/New Folder 3", "Zoo"});
        program.open([&](frmAddFavorite& dialog, runtime::TreeView& tree) {
            if (c.fromContextMenu) program.backend().answerMenu("New");
            User::clickNode(tree, *tree.Nodes("MN1"),
                            c.fromContextMenu ? runtime::vbRightButton : runtime::vbLeftButton);
            if (!c.fromContextMenu) User::click(dialog.cmdNew);
            runtime::Node* made = tree.SelectedItem();
            EXPECT_EQ(made->Key() + (made == tree.editingNode() ? " editing" : ""), "MN14 editing");
            EXPECT_EQ(tree.DropHighlight(), nullptr);
            EXPECT_TRUE(fs::is_directory(program.root() / "Games/New Folder 2"));
            tree.endLabelEdit(c.typed);
            EXPECT_EQ(made->Text(), c.name);
            User::click(dialog.cmdOK);
        });
        EXPECT_TRUE(fs::exists(program.root() / "Games" / c.name / "Page.url")) << c.name;
        EXPECT_EQ(fs::exists(program.root() / "Games/New Folder 2"), c.name == "New Folder 2");
    }
}

TEST(AddFavorite, RightClicksWithoutNewEditsWithoutNewAndBackgroundPressesChangeNoFolder) {
    AddFavorite program({"Games", "Zoo"});
    program.open([&](frmAddFavorite& dialog, runtime::TreeView& tree) {
        User::mouseDown(tree, runtime::vbRightButton, 0, User::rowMiddle(tree, 20));  // no node
        program.backend().answerMenu([](const runtime::MenuRequest&) { return 0L; });
        User::clickNode(tree, *tree.Nodes("MN2"), runtime::vbRightButton);
        EXPECT_EQ(tree.SelectedItem()->Key() + " " + dialog.CurrentFolder, "MN2 Favorites");
        tree.StartLabelEdit();
        tree.endLabelEdit("Renamed");
        EXPECT_EQ(tree.SelectedItem()->Text(), "Zoo");
        for (int button : {runtime::vbLeftButton, runtime::vbRightButton})
            User::mouseDown(dialog, button, 30, 30);
        User::click(dialog.cmdCancel);
    });
    EXPECT_EQ(program.backend().menusShown.size(), 2u);  // the favorites menu and one context menu
    const auto& log = program.backend().windowServices.log;
    EXPECT_EQ(std::count(log.begin(), log.end(), "move frmAddFavorite"), 2);
    EXPECT_EQ(program.files(), (std::map<std::string, std::string>{}));
    EXPECT_TRUE(fs::is_directory(program.root() / "Zoo"));
}

}  // namespace
