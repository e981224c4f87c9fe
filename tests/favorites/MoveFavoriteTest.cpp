#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "favorites/frmMoveFavorite.h"
#include "favorites/frmOrganizeFavorite.h"
#include "mainwindow/Program.h"

using namespace quillo;
using namespace quillo::testing;
namespace fs = std::filesystem;

namespace {

// Favorites "a.url", "b.url", "notes.txt" at the top and "Games/a.url", the chosen items moved
// through the organize dialog's Move button to the chosen folder.
struct MoveCase {
    std::vector<int> selected;  // list positions: a, b, notes
    std::string target;         // the folder node's key; empty for none
    bool ok;
    std::map<std::string, std::string> after;
    std::vector<std::string> listed;
};

TEST(MoveFavorite, OkMovesTheSelectedFavoritesIntoTheChosenFolderAsShortcuts) {
    const std::map<std::string, std::string> untouched = {
        {"Games/a.url", "old"}, {"a.url", "A"}, {"b.url", "B"}, {"notes.txt", "N"}};
    const std::vector<MoveCase> cases = {
        {{1, 3},
         "MN1",
         true,
         {{"Games/a.url", "A"}, {"Games/notes.url", "N"}, {"b.url", "B"}},
         {"b"}},
        {{2}, "MN", true, untouched, {"a", "b", "notes"}},  // its own folder
        {{2}, "", true, untouched, {"a", "b", "notes"}},
        {{2}, "MN1", false, untouched, {"a", "b", "notes"}},
        {{}, "MN1", true, untouched, {"a", "b", "notes"}}};
    for (const MoveCase& c : cases) {
        Program program;
        program.start();
        const fs::path root = program.harness.windowsDir() + "/Favorites";
        fs::create_directories(root / "Games");
        for (const auto& [file, text] : untouched)
            std::ofstream(root / file) << text;
        runtime::form<frmOrganizeFavorite>().Unload();
        runtime::form<frmMoveFavorite>().Unload();  // loaded before the folders were made
        program.backend().answerModal("frmOrganizeFavorite", [&](runtime::Form& form) {
            auto& organize = static_cast<frmOrganizeFavorite&>(form);
            if (c.selected.empty()) User::clickNode(organize.TV, *organize.TV.Nodes("MN1"));
            for (int position : c.selected)
                User::clickItem(organize.LV, *organize.LV.ListItems(position), 2);
            if (c.selected.empty()) organize.ReloadFavorite("Favorites");
            program.backend().answerModal("frmMoveFavorite", [&](runtime::Form& shown) {
                auto& move = static_cast<frmMoveFavorite&>(shown);
                EXPECT_EQ(move.TV.Nodes.Count(), 2);
                if (!c.target.empty()) User::clickNode(move.TV, *move.TV.Nodes(c.target));
                User::click(c.ok ? move.cmdOK : move.cmdCancel);
            });
            User::click(organize.cmdMove);
            EXPECT_EQ(runtime::app().loadedForm<frmMoveFavorite>(), nullptr);
            std::vector<std::string> listed;
            for (int i = 1; i <= organize.LV.ListItems.Count(); ++i)
                listed.push_back(organize.LV.ListItems(i)->Text());
            if (c.selected.empty())
                EXPECT_EQ(listed, std::vector<std::string>{"a"});
            else
                EXPECT_EQ(listed, c.listed);
            User::click(organize.cmdClose);
        });
        program.backend().answerMenu("Organize Favorites\tAlt+O");
        User::click(program.main().PictureBookmark);
        program.advance(0);
        std::map<std::string, std::string> found;
        for (const auto& entry : fs::recursive_directory_iterator(root))
            if (entry.is_regular_file()) {
                std::ostringstream text;
                text << std::ifstream(entry.path()).rdbuf();
                found[fs::relative(entry.path(), root).string()] = text.str();
            }
        EXPECT_EQ(found, c.after) << c.target;
    }
}

}  // namespace
