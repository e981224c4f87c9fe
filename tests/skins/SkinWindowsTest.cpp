// The skin manager and the save-as window in the running program: where they open, their
// short and long forms, and their buttons working through the skin editor's engine.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "mainwindow/FormMenu.h"
#include "runtime/Application.h"
#include "runtime/headless/User.h"
#include "shared/FormMessageBox.h"
#include "shared/mdlPlacementFunctions.h"
#include "skins/FormDesignEdit.h"
#include "skins/FormLoading.h"
#include "skins/FormSaveAs.h"
#include "skins/SkinnedProgram.h"

using namespace skintest;
using namespace quillo;
using quillo::headless::User;
using quillo::runtime::form;
namespace fs = std::filesystem;

namespace {

class SkinWindows : public SkinnedProgram {
  protected:
    SkinWindows() {
        writeSea(numberedFields());
        program.start();
    }
    FormLoading& manager() { return form<FormLoading>(); }
    FormSaveAs& saveAs() { return form<FormSaveAs>(); }
    FormMenu& menu() { return form<FormMenu>(); }
    // The skin entry of the program menu.
    void openManagerFromMenu() {
        User::mouseDown(main().PictureIcon, runtime::vbLeftButton, 5, 5);
        User::mouseMove(menu().LabelMenu(4), 0, 10, 10);
        User::mouseUp(menu().LabelMenu(4), runtime::vbLeftButton, 10, 10);
    }
    void clickEntry(runtime::ListBox& list, const std::string& name) {
        const auto entries = listEntries(list);
        const auto found = std::find(entries.begin(), entries.end(), name);
        ASSERT_NE(found, entries.end()) << name;
        User::clickEntry(list, static_cast<int>(found - entries.begin()));
    }
    // Answers the next message box with its YES button.
    void answerYes() {
        harness().backend().answerModal("FormMessageBox", [this](runtime::Form& shown) {
            auto& box = static_cast<FormMessageBox&>(shown);
            messages.push_back(box.Label1.Caption());
            User::click(box.LabelYES);
        });
    }
    const std::vector<std::string>& windowLog() { return harness().backend().windowServices.log; }
};

}  // namespace

TEST_F(SkinWindows, BothWindowsLoadTopmostBesideTheEditorWithTheSameSkinList) {
    FormDesignEdit& editor = form<FormDesignEdit>();
    ASSERT_NE(editor.Skins, nullptr);
    EXPECT_EQ(std::count(windowLog().begin(), windowLog().end(), "topmost FormDesignEdit 1"), 1);
    const std::vector<std::string> names{"Quillo", "Sea"};
    for (runtime::Form* window : std::initializer_list<runtime::Form*>{&manager(), &saveAs()}) {
        SCOPED_TRACE(window->Name());
        EXPECT_NE(
            std::find(windowLog().begin(), windowLog().end(), "topmost " + window->Name() + " 1"),
            windowLog().end());
        EXPECT_EQ(window->Top(), editor.Top());
        EXPECT_EQ(window->Left(), editor.Left() + editor.Width() + 1000);
        EXPECT_EQ(listEntries(*static_cast<runtime::ListBox*>(window->findControl("ListSkins"))),
                  names);
        EXPECT_FALSE(window->Visible());
    }
    EXPECT_FALSE(manager().FormBottomVisible);
    for (const auto& buttons : {manager().Picture1, saveAs().Picture1})
        for (const auto& [index, button] : buttons)
            EXPECT_EQ(button->Tag(), "Unindented") << index;
}

TEST_F(SkinWindows, TheSwitchTogglesShortAndLongFormsFromItsStoredStateNotTheHeight) {
    openManagerFromMenu();
    FormLoading& loading = manager();
    ASSERT_TRUE(loading.Visible());
    ASSERT_FALSE(loading.Image1.getPicture() == loading.Image2.getPicture());
    struct Step {
        bool reopenMenuFirst;
        int height;
        bool longForm;
    };
    // The menu cuts the long form to 242 pixels; the next press still goes to the short form.
    const Step steps[] = {{false, 281, true},
                          {false, 242, false},
                          {false, 281, true},
                          {true, 242, false},
                          {false, 281, true}};
    for (const Step& step : steps) {
        if (step.reopenMenuFirst) {
            openManagerFromMenu();
            EXPECT_EQ(loading.Height(), PixelsToTwips(242));
            EXPECT_TRUE(loading.FormBottomVisible);
        }
        User::click(loading.Picture1(1));
        EXPECT_EQ(loading.Height(), PixelsToTwips(step.height));
        EXPECT_EQ(loading.FormBottomVisible, step.longForm);
        EXPECT_EQ(loading.getPicture(),
                  (step.longForm ? loading.Image2 : loading.Image1).getPicture());
    }
}

TEST_F(SkinWindows, AListClickFillsOnlyThatWindowsNameBox) {
    saveAs().TextBoxSkinName.setText("");
    clickEntry(manager().ListSkins, "Sea");
    EXPECT_EQ(manager().TextBoxSkinName.Text(), "Sea");
    EXPECT_EQ(saveAs().TextBoxSkinName.Text(), "");
    clickEntry(saveAs().ListSkins, "Quillo");
    EXPECT_EQ(saveAs().TextBoxSkinName.Text(), "Quillo");
    EXPECT_EQ(manager().TextBoxSkinName.Text(), "Sea");
}

TEST_F(SkinWindows, APressOnEitherWindowClosesTheMenuAndMovesTheWindow) {
    for (runtime::Form* window : std::initializer_list<runtime::Form*>{&manager(), &saveAs()}) {
        User::mouseDown(main().PictureIcon, runtime::vbLeftButton, 5, 5);
        ASSERT_TRUE(menu().Visible());
        User::mouseDown(*window, runtime::vbRightButton, 100, 100);
        EXPECT_FALSE(menu().Visible()) << window->Name();
        EXPECT_EQ(windowLog().back(), "move " + window->Name());
    }
}

TEST_F(SkinWindows, CloseAndCancelHideTheWindowsWithoutUnloadingThem) {
    for (runtime::Control* spot : std::initializer_list<runtime::Control*>{
             &manager().Label1, &saveAs().Picture1(1), &saveAs().Label1}) {
        spot->form().Show();
        User::click(*spot);
        EXPECT_FALSE(spot->form().Visible()) << spot->form().Name() << " " << spot->Name();
        EXPECT_TRUE(spot->form().loaded());
    }
}

TEST_F(SkinWindows, AButtonLooksPressedWhileHeldDown) {
    for (runtime::PictureBox* button : {&manager().Picture1(0), &saveAs().Picture1(0)}) {
        const runtime::Picture look = button->getPicture();
        ASSERT_FALSE(look.empty());
        User::mouseDown(*button, runtime::vbLeftButton, 10, 10);
        EXPECT_TRUE(button->getPicture().empty());
        User::mouseUp(*button, runtime::vbLeftButton, 10, 10);
        EXPECT_EQ(button->getPicture(), look);
    }
}

TEST_F(SkinWindows, TheManagerAppliesTheNamedSkinToTheMainWindow) {
    clickEntry(manager().ListSkins, "Sea");
    User::click(manager().Picture1(0));
    EXPECT_EQ(harness().readFile("rn418.ini"), "<Sea>\r\n");
    EXPECT_EQ(tagOf("PictureTitle"), skinPath("Sea") + "/part5.gif");
}

TEST_F(SkinWindows, TheManagersImportAndDeleteChangeBothLists) {
    writeSkin(harness(), "Reef", fieldsOf());
    harness().backend().dialogServices.fileAnswers.push_back(skinPath("Reef") + "/Reef.tz3");
    User::click(manager().Picture1(2));
    const std::vector<std::string> imported{"Quillo", "Sea", "Reef"};
    EXPECT_EQ(listEntries(manager().ListSkins), imported);
    EXPECT_EQ(listEntries(saveAs().ListSkins), imported);

    manager().TextBoxSkinName.setText("Sea");
    User::click(manager().Picture1(3));
    const std::vector<std::string> left{"Quillo", "Reef"};
    EXPECT_EQ(listEntries(manager().ListSkins), left);
    EXPECT_EQ(listEntries(saveAs().ListSkins), left);
    EXPECT_TRUE(fs::exists(skinPath("Sea") + "/Sea.tz3"));
}

TEST_F(SkinWindows, SaveAsWritesTheMainWindowsLooksUnderTheTypedName) {
    saveAs().TextBoxSkinName.setText("Mine");
    answerYes();
    User::click(saveAs().Picture1(0));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(fs::exists(skinPath("Mine") + "/Mine.tz3"));
    EXPECT_EQ(listEntries(saveAs().ListSkins), (std::vector<std::string>{"Quillo", "Sea", "Mine"}));
    EXPECT_EQ(listEntries(manager().ListSkins), listEntries(saveAs().ListSkins));
}
