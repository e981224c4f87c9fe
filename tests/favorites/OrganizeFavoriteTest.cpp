#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "favorites/frmAddFavorite.h"
#include "favorites/frmMoveFavorite.h"
#include "favorites/frmOrganizeFavorite.h"
#include "mainwindow/Program.h"

using namespace quillo;
using namespace quillo::testing;
namespace fs = std::filesystem;

namespace {

// The running program with Favorites folders and files, opening the organize dialog afresh
// through the favorites menu and playing a script in it.
struct Organize : Program {
    explicit Organize(const std::vector<std::string>& folders,
                      const std::vector<std::string>& files = {}) {
        start();
        frmOrganizeFavorite::ExpandedKeys.fill("");
        for (const std::string& folder : folders)
            fs::create_directories(root() / folder);
        for (const std::string& file : files)
            std::ofstream(root() / file) << "URL=" << file;
    }
    fs::path root() const { return harness.windowsDir() + "/Favorites"; }
    void open(const std::function<void(frmOrganizeFavorite&)>& script) {
        runtime::form<frmOrganizeFavorite>().Unload();
        backend().answerModal("frmOrganizeFavorite", [script](runtime::Form& form) {
            script(static_cast<frmOrganizeFavorite&>(form));
        });
        backend().answerMenu("Organize Favorites\tAlt+O");
        User::click(main().PictureBookmark);
        advance(0);
        EXPECT_EQ(runtime::app().loadedForm<frmOrganizeFavorite>(), nullptr);
    }
    std::vector<std::string> names(const fs::path& folder) const {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(root() / folder))
            found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    }
};

std::vector<std::string> Listed(const runtime::ListView& list) {
    std::vector<std::string> shown;
    for (int i = 1; i <= list.ListItems.Count(); ++i)
        shown.push_back(list.ListItems(i)->Text() + (list.ListItems(i)->Selected() ? "*" : ""));
    return shown;
}

TEST(OrganizeFavorite, ListsNoFileThatTheProgramWasWritingWhenItsRunEndedOrIsWritingNow) {
    Organize program({"Games"}, {NewFileName(EndedProcess(), 1), NewFileName(getppid(), 2),
                                 "Games/" + NewFileName(EndedProcess(), 3), "Games/Chess.url",
                                 ".quillo-4-5.url", "Top.url"});
    program.open([&](frmOrganizeFavorite& dialog) {
        EXPECT_EQ(Listed(dialog.LV), (std::vector<std::string>{".quillo-4-5", "Top"}));
        User::clickNode(dialog.TV, *dialog.TV.Nodes("MN1"));
        EXPECT_EQ(Listed(dialog.LV), std::vector<std::string>{"Chess"});
        User::click(dialog.cmdClose);
    });
}

TEST(OrganizeFavorite, ListsTheClickedFolderAndRenamesAFavoriteOnlyWithinItsFolder) {
    struct Case {
        std::optional<std::string> typed;
        std::vector<std::string> after;
    };
    for (const Case& c :
         std::vector<Case>{{"Chess  ", {"Chess  .url", "Other.url", "README", "notes.txt"}},
                           {"Other", {"Chess.url", "Other.url", "README", "notes.txt"}},  // taken
                           {"../Out", {"Chess.url", "Other.url", "README", "notes.txt"}},
                           // A change of letter case alone renames; another favorite's name
                           // in other letters is taken.
                           {"chess", {"Other.url", "README", "chess.url", "notes.txt"}},
                           {"other", {"Chess.url", "Other.url", "README", "notes.txt"}},
                           {std::nullopt, {"Chess.url", "Other.url", "README", "notes.txt"}}}) {
        Organize program({"Games"}, {"Games/Chess.url", "Games/notes.txt", "Games/README",
                                     "Games/Other.url", "Top.url"});
        program.open([&](frmOrganizeFavorite& dialog) {
            EXPECT_EQ(Listed(dialog.LV), std::vector<std::string>{"Top"});
            User::clickNode(dialog.TV, *dialog.TV.Nodes("MN1"));
            EXPECT_EQ(Listed(dialog.LV),
                      (std::vector<std::string>{"Chess", "notes", "Other", "README"}));
            EXPECT_EQ(dialog.LV.ListItems(2)->Key(),
                      program.harness.windowsDir() + "/Favorites/Games/notes.txt");
            User::clickItem(dialog.LV, *dialog.LV.ListItems(1));
            dialog.LV.SetFocus();
            User::click(dialog.cmdRename);
            ASSERT_EQ(dialog.LV.editingItem(), dialog.LV.ListItems(1));
            dialog.LV.endLabelEdit(c.typed);
            User::click(dialog.cmdClose);
        });
        EXPECT_EQ(program.names("Games"), c.after) << c.typed.value_or("(cancelled)");
    }
}

TEST(OrganizeFavorite, FolderRenameAndDeleteAskAndLeaveTheRootAlone) {
    struct Case {
        std::string typed;
        runtime::MsgBoxResult answer;
        std::vector<std::string> after;
        std::vector<std::string> messages;
    };
    const std::string ask = "Confirm to delete folder?";
    for (const Case& c :
         std::vector<Case>{{" Toys ", runtime::MsgBoxResult::No, {"Toys", "Zoo"}, {ask}},
                           {"Zoo", runtime::MsgBoxResult::No, {"Games", "Zoo"}, {"Error", ask}},
                           {"a/b", runtime::MsgBoxResult::Yes, {"Zoo"}, {"Error", ask}}}) {
        Organize program({"Games/Chess", "Zoo"}, {"Games/Chess/x.url"});
        auto& dialogs = program.harness.backend().dialogServices;
        program.open([&](frmOrganizeFavorite& dialog) {
            runtime::TreeView& tree = dialog.TV;
            User::clickNode(tree, *tree.Nodes("MN"));
            for (runtime::Control* button : {&dialog.cmdRename, &dialog.cmdDelete})
                User::click(*button);
            User::pressKey(tree, 46);
            EXPECT_EQ(tree.editingNode(), nullptr);
            EXPECT_TRUE(dialogs.messages.empty());  // nothing for the root
            User::clickNode(tree, *tree.Nodes("MN1"));
            User::click(dialog.cmdRename);
            ASSERT_EQ(tree.editingNode(), tree.Nodes("MN1"));
            tree.endLabelEdit(c.typed);
            EXPECT_EQ(tree.Nodes("MN1")->Text(), c.after[0] == "Zoo" ? "Games" : c.after[0]);
            dialogs.messageAnswers.push_back(c.answer);
            User::pressKey(tree, 46);
            EXPECT_EQ(tree.Nodes.Count(), c.answer == runtime::MsgBoxResult::Yes ? 2 : 4);
            User::click(dialog.cmdClose);
        });
        EXPECT_EQ(program.names(""), c.after);
        std::vector<std::string> shown;
        for (const auto& message : dialogs.messages)
            shown.push_back(message.text);
        EXPECT_EQ(shown, c.messages);
        EXPECT_EQ(dialogs.messages.back().buttons, runtime::MsgBoxButtons::YesNo);
        EXPECT_EQ(dialogs.messages.back().icon, runtime::MsgBoxIcon::Question);
    }
}

TEST(OrganizeFavorite, NamesWithBackslashesAreMovedAndDeletedInsideFavoritesOnly) {
    Organize program({"Games", "x\\..\\..\\canary"},
                     {"x\\..\\..\\moved.url", "x\\..\\..\\victim.url"});
    // Where the names would lead if "\" separated.
    const fs::path outside = program.harness.windowsDir();
    fs::create_directories(outside / "canary");
    for (const char* canary : {"canary/keep.url", "moved.url", "victim.url"})
        std::ofstream(outside / canary) << "canary";
    runtime::form<frmMoveFavorite>().Unload();  // loaded before the folders were made
    program.backend().answerModal("frmMoveFavorite", [](runtime::Form& shown) {
        auto& move = static_cast<frmMoveFavorite&>(shown);
        User::clickNode(move.TV, *move.TV.Nodes("MN1"));
        User::click(move.cmdOK);
    });
    program.open([&](frmOrganizeFavorite& dialog) {
        User::clickItem(dialog.LV, *dialog.LV.ListItems(1));
        dialog.LV.SetFocus();
        User::click(dialog.cmdMove);
        User::clickItem(dialog.LV, *dialog.LV.ListItems(1));
        User::click(dialog.cmdDelete);
        User::clickNode(dialog.TV, *dialog.TV.Nodes("MN2"));
        program.backend().dialogServices.messageAnswers.push_back(runtime::MsgBoxResult::Yes);
        User::pressKey(dialog.TV, 46);
        User::click(dialog.cmdClose);
    });
    EXPECT_EQ(program.names(""), std::vector<std::string>{"Games"});
    EXPECT_EQ(program.names("Games"), std::vector<std::string>{"x\\..\\..\\moved.url"});
    EXPECT_EQ(program.names("../canary"), std::vector<std::string>{"keep.url"});
    for (const char* canary : {"moved.url", "victim.url"})
        EXPECT_TRUE(fs::exists(outside / canary)) << canary;
}

TEST(OrganizeFavorite, AFolderRenamedInLetterCaseAloneTakesTheNewName) {
    Organize program({"Games/Chess", "Zoo"});
    auto& dialogs = program.harness.backend().dialogServices;
    program.open([&](frmOrganizeFavorite& dialog) {
        runtime::TreeView& tree = dialog.TV;
        for (const char* typed : {"GAMES", "zoo"}) {
            User::clickNode(tree, *tree.Nodes("MN1"));
            User::click(dialog.cmdRename);
            tree.endLabelEdit(typed);
        }
        EXPECT_EQ(tree.Nodes("MN1")->Text(), "GAMES");
        User::click(dialog.cmdClose);
    });
    EXPECT_EQ(program.names(""), (std::vector<std::string>{"GAMES", "Zoo"}));
    EXPECT_EQ(program.names("GAMES"), std::vector<std::string>{"Chess"});
    // Only "zoo", another folder's name in other letters, was refused.
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Error");
}

TEST(OrganizeFavorite, ListsEveryFavoriteAndFolderAlsoThoseWhoseNamesBeginWithADot) {
    Organize program({".Secret"}, {".url", "a.url", ".Secret/.hidden.url"});
    program.open([&](frmOrganizeFavorite& dialog) {
        EXPECT_EQ(Listed(dialog.LV), (std::vector<std::string>{"", "a"}));
        ASSERT_NE(dialog.TV.Nodes("MN1"), nullptr);
        EXPECT_EQ(dialog.TV.Nodes("MN1")->Text(), ".Secret");
        User::clickNode(dialog.TV, *dialog.TV.Nodes("MN1"));
        EXPECT_EQ(Listed(dialog.LV), std::vector<std::string>{".hidden"});
        User::click(dialog.cmdClose);
    });
}

TEST(OrganizeFavorite, TheDialogsLoadedAtStartUpShowTheFoldersAsTheyAreWhenShown) {
    // Made after start-up, when the dialogs were loaded hidden.
    Organize program({"Made later"}, {"a.url"});
    ASSERT_NE(runtime::app().loadedForm<frmOrganizeFavorite>(), nullptr);
    ASSERT_NE(runtime::app().loadedForm<frmMoveFavorite>(), nullptr);
    ASSERT_NE(runtime::app().loadedForm<frmAddFavorite>(), nullptr);
    std::vector<std::string> seen;
    auto firstFolder = [&seen](const runtime::TreeView& tree) {
        const runtime::Node* node = tree.Nodes("MN1");
        seen.push_back(node ? node->Text() : "(none)");
    };
    program.backend().answerModal("frmAddFavorite", [&](runtime::Form& add) {
        firstFolder(static_cast<frmAddFavorite&>(add).TV);
        add.Hide();
    });
    program.backend().answerMenu("Add To Favorites\tAlt+A");
    User::click(program.main().PictureBookmark);
    program.advance(0);

    program.backend().answerModal("frmMoveFavorite", [&](runtime::Form& shown) {
        auto& move = static_cast<frmMoveFavorite&>(shown);
        firstFolder(move.TV);
        if (runtime::Node* folder = move.TV.Nodes("MN1")) User::clickNode(move.TV, *folder);
        User::click(move.cmdOK);
    });
    program.backend().answerModal("frmOrganizeFavorite", [&](runtime::Form& shown) {
        auto& organize = static_cast<frmOrganizeFavorite&>(shown);
        firstFolder(organize.TV);
        EXPECT_EQ(Listed(organize.LV), std::vector<std::string>{"a"});
        User::clickItem(organize.LV, *organize.LV.ListItems(1));
        User::click(organize.cmdMove);
        User::click(organize.cmdClose);
    });
    program.backend().answerMenu("Organize Favorites\tAlt+O");
    User::click(program.main().PictureBookmark);
    program.advance(0);

    EXPECT_EQ(seen, (std::vector<std::string>{"Made later", "Made later", "Made later"}));
    EXPECT_EQ(program.names("Made later"), std::vector<std::string>{"a.url"});
}

TEST(OrganizeFavorite, NewNamesItsFolderAndTheTreeReopensWithTheUsersExpansions) {
    Organize program({"A/B/C", "D/E"});
    program.open([&](frmOrganizeFavorite& dialog) {
        runtime::TreeView& tree = dialog.TV;
        User::expandNode(tree, *tree.Nodes("MN1"));
        User::expandNode(tree, *tree.Nodes("MN11"));
        User::expandNode(tree, *tree.Nodes("MN2"));
        User::collapseNode(tree, *tree.Nodes("MN11"));
        User::clickNode(tree, *tree.Nodes("MN2"));
        User::click(dialog.cmdNew);
        ASSERT_EQ(tree.editingNode(), tree.Nodes("MN22"));
        EXPECT_TRUE(fs::is_directory(program.root() / "D/New Folder 1"));
        tree.endLabelEdit("  Toys ");
        EXPECT_EQ(tree.Nodes("MN22")->Text(), "Toys");
        User::click(dialog.cmdClose);
    });
    EXPECT_EQ(program.names("D"), (std::vector<std::string>{"E", "Toys"}));
    for (int reopen = 0; reopen < 2; ++reopen)
        program.open([&](frmOrganizeFavorite& dialog) {
            std::string expanded;
            for (int i = 1; i <= dialog.TV.Nodes.Count(); ++i)
                if (dialog.TV.Nodes(i)->Expanded()) expanded += dialog.TV.Nodes(i)->Key() + " ";
            EXPECT_EQ(expanded, "MN MN1 MN2 ");
            User::click(dialog.cmdClose);
        });
    EXPECT_EQ(std::count(frmOrganizeFavorite::ExpandedKeys.begin(),
                         frmOrganizeFavorite::ExpandedKeys.end(), std::string()),
              498);
}

TEST(OrganizeFavorite, ListSelectionFocusButtonsAndDeleteWithoutQuestion) {
    Organize program({}, {"a.url", "b.url", "c.url", "d.url"});
    auto& dialogs = program.harness.backend().dialogServices;
    program.open([&](frmOrganizeFavorite& dialog) {
        runtime::ListView& list = dialog.LV;
        program.backend().answerMenu([](const runtime::MenuRequest&) { return 0L; });
        User::clickItem(list, *list.ListItems(1));
        list.SetFocus();
        EXPECT_FALSE(dialog.cmdNew.Enabled());
        EXPECT_EQ(dialog.LastFocus, "List View");
        User::clickItem(list, *list.ListItems(2), 0, runtime::vbRightButton);
        EXPECT_EQ(Listed(list), (std::vector<std::string>{"a", "b*", "c", "d"}));
        User::clickItem(list, *list.ListItems(3), 2);  // Ctrl adds c
        program.backend().answerMenu([](const runtime::MenuRequest&) { return 0L; });
        User::clickItem(list, *list.ListItems(4), 0, runtime::vbRightButton);
        EXPECT_EQ(Listed(list), (std::vector<std::string>{"a", "b*", "c*", "d*"}));
        EXPECT_EQ(list.DropHighlight(), nullptr);
        User::click(dialog.cmdDelete);
        EXPECT_EQ(Listed(list), std::vector<std::string>{"a"});
        dialog.TV.SetFocus();
        EXPECT_TRUE(dialog.cmdNew.Enabled());
        EXPECT_EQ(dialog.LastFocus, "Tree View");
        User::click(dialog.cmdClose);
    });
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(program.names(""), std::vector<std::string>{"a.url"});
}

}  // namespace
