// The window system's own close (its close button, Alt+F4) does what each window's own close
// control does: tool windows hide and come back dressed, dialogs cancel, the main window unloads.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "Program.h"
#include "designs/frmLoadDesign.h"
#include "favorites/frmAddFavorite.h"
#include "favorites/frmOrganizeFavorite.h"
#include "mainwindow/FormAbout.h"
#include "mainwindow/FormChangeHomepage.h"
#include "mainwindow/FormMenu.h"
#include "shared/FormMessageBox.h"
#include "shared/ModuleLanguage.h"
#include "skins/FormDesignEdit.h"
#include "skins/FormLoading.h"
#include "skins/FormSaveAs.h"

using namespace quillo;
using namespace quillo::testing;
using quillo::runtime::form;

namespace {

// The program started from its shipped content, so that its tool windows wear their bitmaps.
struct Dressed : Program {
    Dressed() {
        harness.layAssets(QUILLO_ASSETS_DIR);
        start();
    }
};

}  // namespace

TEST(WindowSystemClose, ToolWindowsHideAndShowAgainWithTheirPictures) {
    Dressed program;
    const std::vector<runtime::Form*> windows = {
        &form<FormAbout>(),   &form<FormChangeHomepage>(), &form<FormDesignEdit>(),
        &form<FormLoading>(), &form<FormSaveAs>(),         &form<FormMenu>()};
    for (runtime::Form* window : windows) {
        const std::string name = window->Name();
        const bool dressed = !window->getPicture().empty();
        window->Show();
        std::weak_ptr<const void> alive = window->lifetime();
        User::closeWindow(*window);
        program.advance(0);
        ASSERT_FALSE(alive.expired()) << name;
        EXPECT_TRUE(window->loaded()) << name;
        EXPECT_FALSE(window->Visible()) << name;
        window->Show();
        EXPECT_EQ(!window->getPicture().empty(), dressed) << name;
        window->Hide();
    }
    EXPECT_FALSE(form<FormAbout>().getPicture().empty());
}

TEST(WindowSystemClose, TheHomePageWindowClosesAsItsCancelKeepingTheEditedText) {
    Program program;
    program.start();
    const std::string before = HomePage;
    FormChangeHomepage& window = form<FormChangeHomepage>();
    window.Show();
    window.Text1.setText("www.edited.test");
    User::closeWindow(window);
    EXPECT_EQ(HomePage, before);
    EXPECT_FALSE(program.harness.fileExists("homepage.ini"));
    window.Show();
    EXPECT_EQ(window.Text1.Text(), "www.edited.test");
}

TEST(WindowSystemClose, DialogsCloseAsTheirCancelAndWriteNothing) {
    Program program;
    form1& main = program.start();
    std::vector<std::string> closed;
    for (const char* name : {"frmAddFavorite", "frmOrganizeFavorite", "frmLoadDesign"})
        program.backend().answerModal(name, [&closed](runtime::Form& dialog) {
            closed.push_back(dialog.Name());
            User::closeWindow(dialog);
        });
    frmAddFavorite& add = form<frmAddFavorite>();
    add.setTag("http://www.quillo.example/");
    add.txtFavoriteName.setText("Kept out");
    add.Show(runtime::ShowMode::Modal);
    form<frmOrganizeFavorite>().Show(runtime::ShowMode::Modal);
    form<frmLoadDesign>().Show(runtime::ShowMode::Modal);

    EXPECT_EQ(closed,
              (std::vector<std::string>{"frmAddFavorite", "frmOrganizeFavorite", "frmLoadDesign"}));
    EXPECT_EQ(runtime::app().loadedForm<frmAddFavorite>(), nullptr);
    EXPECT_EQ(runtime::app().loadedForm<frmOrganizeFavorite>(), nullptr);
    EXPECT_EQ(runtime::app().loadedForm<frmLoadDesign>(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(program.harness.windowsDir() + "/Favorites/Kept out.url"));
    EXPECT_TRUE(main.loaded());
}

TEST(WindowSystemClose, AMessageBoxClosedSoIsARefusal) {
    Program program;
    form1& main = program.start();
    program.backend().answerModal("FormMessageBox",
                                  [](runtime::Form& box) { User::closeWindow(box); });
    EXPECT_EQ(main.MessageBox1.show("Remove the skin?", "YESNO"), "");
    EXPECT_EQ(runtime::app().loadedForm<FormMessageBox>(), nullptr);
}

TEST(WindowSystemClose, TheMainWindowUnloadsAndSavesItsSettings) {
    Program program;
    form1& main = program.start();
    User::closeWindow(main);
    program.advance(0);
    EXPECT_EQ(runtime::app().loadedForm<form1>(), nullptr);
    EXPECT_TRUE(program.harness.fileExists("size.ini"));
    EXPECT_TRUE(program.harness.fileExists("combourl.ini"));
}
