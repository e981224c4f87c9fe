// Names read from the Favorites folder are taken as they are: a "\" in a name separates nothing,
// so every operation acts on that entry inside its own folder. Canary files outside the
// Favorites folder, where "x\..\..\" would lead, must stay as they were.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>

#include "favorites/frmAddFavorite.h"
#include "favorites/frmMoveFavorite.h"
#include "favorites/frmOrganizeFavorite.h"
#include "mainwindow/Program.h"

using namespace quillo;
using namespace quillo::testing;
namespace fs = std::filesystem;

namespace {

const std::string kFolder = "x\\..\\..\\canary";
const std::string kFavorite = "x\\..\\..\\victim.url";
const std::string kInside = "URL=http://inside.example/";
const std::string kOutside = "URL=http://outside.example/";

std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The program with a Favorites folder and a favorite of these literal names, and the canaries
// where the names would lead if "\" separated.
struct LiteralNames : Program {
    LiteralNames() {
        start();
        fs::create_directories(favorites() / kFolder);
        fs::create_directories(favorites() / "Games");
        std::ofstream(favorites() / kFavorite) << kInside;
        fs::create_directories(outside() / "canary");
        std::ofstream(outside() / "canary" / "keep.url") << kOutside;
        std::ofstream(outside() / "victim.url") << kOutside;
        // The dialogs were loaded before these folders were made.
        for (runtime::Form* loaded : runtime::app().Forms())
            if (loaded->Name().starts_with("frm")) loaded->Unload();
    }
    fs::path favorites() const { return harness.windowsDir() + "/Favorites"; }
    // Where "Favorites/x/../../" leads.
    fs::path outside() const { return harness.windowsDir(); }
    bool canariesWhole() const {
        return Read(outside() / "canary" / "keep.url") == kOutside &&
               Read(outside() / "victim.url") == kOutside &&
               std::distance(fs::directory_iterator(outside() / "canary"), {}) == 1;
    }
    // Opens a favorites dialog through the menu and plays the script in it.
    template <class Dialog>
    void open(const std::string& name, const std::string& command,
              const std::function<void(Dialog&)>& script) {
        backend().answerModal(
            name, [script](runtime::Form& shown) { script(static_cast<Dialog&>(shown)); });
        backend().answerMenu(command);
        User::click(main().PictureBookmark);
        advance(0);
    }
    void organize(const std::function<void(frmOrganizeFavorite&)>& script) {
        open<frmOrganizeFavorite>("frmOrganizeFavorite", "Organize Favorites\tAlt+O", script);
    }
};

runtime::Node& NodeNamed(runtime::TreeView& tree, const std::string& text) {
    for (int i = 1; i <= tree.Nodes.Count(); ++i)
        if (tree.Nodes(i)->Text() == text) return *tree.Nodes(i);
    throw std::runtime_error("no folder " + text);
}

// Selects the favorite of this name in the list of the folder shown.
void SelectFavorite(frmOrganizeFavorite& dialog, const std::string& text) {
    for (int i = 1; i <= dialog.LV.ListItems.Count(); ++i)
        if (dialog.LV.ListItems(i)->Text() == text)
            return User::clickItem(dialog.LV, *dialog.LV.ListItems(i));
    ADD_FAILURE() << "no favorite " << text;
}

}  // namespace

TEST(LiteralNames, DeletingOrRenamingAFolderActsOnThatFolderInsideFavorites) {
    for (bool deleting : {true, false}) {
        LiteralNames program;
        program.backend().dialogServices.messageAnswers.push_back(runtime::MsgBoxResult::Yes);
        program.organize([&](frmOrganizeFavorite& dialog) {
            User::clickNode(dialog.TV, NodeNamed(dialog.TV, kFolder));
            dialog.TV.SetFocus();
            if (deleting) {
                User::click(dialog.cmdDelete);
            } else {
                User::click(dialog.cmdRename);
                dialog.TV.endLabelEdit(std::string("Renamed"));
            }
            User::click(dialog.cmdClose);
        });
        EXPECT_FALSE(fs::exists(program.favorites() / kFolder)) << deleting;
        EXPECT_EQ(fs::exists(program.favorites() / "Renamed"), !deleting);
        EXPECT_TRUE(program.canariesWhole()) << deleting;
    }
}

TEST(LiteralNames, AFavoriteIsListedDeletedAndMovedUnderItsOwnName) {
    for (bool deleting : {true, false}) {
        LiteralNames program;
        program.backend().answerModal("frmMoveFavorite", [](runtime::Form& shown) {
            auto& move = static_cast<frmMoveFavorite&>(shown);
            User::clickNode(move.TV, NodeNamed(move.TV, "Games"));
            User::click(move.cmdOK);
        });
        program.organize([&](frmOrganizeFavorite& dialog) {
            SelectFavorite(dialog, "x\\..\\..\\victim");
            dialog.LV.SetFocus();
            User::click(deleting ? dialog.cmdDelete : dialog.cmdMove);
            User::click(dialog.cmdClose);
        });
        EXPECT_FALSE(fs::exists(program.favorites() / kFavorite)) << deleting;
        EXPECT_EQ(Read(program.favorites() / "Games" / kFavorite), deleting ? "" : kInside);
        EXPECT_TRUE(program.canariesWhole()) << deleting;
    }
}

TEST(LiteralNames, ANewFolderAndANewFavoriteGoIntoTheFolderChosen) {
    LiteralNames program;
    program.web().addHtml("http://page.example/", "<title>Page</title>");
    program.main().WebBrowser2.Navigate("http://page.example/");
    program.advance(1000);
    program.open<frmAddFavorite>("frmAddFavorite", "Add To Favorites\tAlt+A",
                                 [](frmAddFavorite& dialog) {
                                     User::clickNode(dialog.TV, NodeNamed(dialog.TV, kFolder));
                                     User::click(dialog.cmdNew);
                                     dialog.TV.endLabelEdit(std::string("Inner"));
                                     dialog.txtFavoriteName.setText("Page");
                                     User::click(dialog.cmdOK);
                                 });
    EXPECT_EQ(Read(program.favorites() / kFolder / "Inner" / "Page.url"),
              "[InternetShortcut]\r\nURL=http://page.example/\r\n");
    EXPECT_TRUE(program.canariesWhole());
}
