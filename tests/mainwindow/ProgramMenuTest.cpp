#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "Program.h"
#include "designs/frmLoadDesign.h"
#include "mainwindow/FormAbout.h"
#include "mainwindow/FormChangeHomepage.h"
#include "mainwindow/FormMenu.h"
#include "mainwindow/Variables.h"
#include "shared/ModuleLanguage.h"
#include "skins/FormDesignEdit.h"
#include "skins/FormLoading.h"
#include "skins/FormSaveAs.h"
#include "skins/SkinFiles.h"

using namespace quillo;
using namespace quillo::testing;
using quillo::runtime::app;
using quillo::runtime::form;

namespace {

constexpr double px(double pixels) {
    return pixels * 15;
}

// The program with its shipped language pack, so the menu has its texts and bitmap.
struct WithMenu : Program {
    WithMenu() {
        harness.layAssets(QUILLO_ASSETS_DIR);
        start();
    }
    FormMenu& menu() { return form<FormMenu>(); }
    void open() { User::mouseDown(main().PictureIcon, runtime::vbLeftButton, 5, 5); }
    // Moves onto an item, then releases the button over the given label.
    void choose(int item, int releasedOver = -1) {
        open();
        User::mouseMove(menu().LabelMenu(item), 0, 10, 10);
        User::mouseUp(menu().LabelMenu(releasedOver < 0 ? item : releasedOver),
                      runtime::vbLeftButton, 10, 10);
    }
    // Crosses the menu's background, which starts the close timer, and puts the pointer there.
    void leaveTo(int x, int y) {
        User::mouseMove(menu(), 0, 1, 1);
        backend().windowServices.cursor = {x, y};
    }
    bool madeTopmost(const std::string& name) {
        const auto& log = backend().windowServices.log;
        return std::find(log.begin(), log.end(), "topmost " + name + " 1") != log.end();
    }
};

TEST(ProgramMenu, OpensAtTheIconsLowerRightCornerAsWideAsItsWidestItemAndAsTallAsItsBitmap) {
    WithMenu program;
    form1& main = program.main();
    FormMenu& menu = program.menu();
    main.Move(px(100), px(50));
    for (int i = 0; i < 8; ++i)
        menu.LabelMenu(i).setCaption(i == 3 || i == 5 ? "widest" : "ab");
    program.open();

    EXPECT_TRUE(menu.Visible());
    EXPECT_EQ(menu.Top(), main.Top() + main.PictureIcon.Top() + main.PictureIcon.Height());
    EXPECT_EQ(menu.Left(), main.Left() + main.PictureIcon.Left() + main.PictureIcon.Width());
    EXPECT_EQ(main.GetWidestMenuLabel(), 3);
    EXPECT_EQ(menu.Width(), 2 * 165 + menu.LabelMenu(3).Width());
    EXPECT_GT(menu.Picture1.Height(), 0);
    EXPECT_EQ(menu.Height(), menu.Picture1.Height());
    EXPECT_EQ(menu.LabelMenu(6).Top(), px(154));
    EXPECT_EQ(menu.LabelMenu(7).Top(), px(177));
    const runtime::DrawOp stretched{menu.Picture1.getPicture(), 0, 0, menu.Width(), menu.Height()};
    EXPECT_EQ(menu.drawList().ops(), std::vector<runtime::DrawOp>{stretched});
}

TEST(ProgramMenu, WithoutItsBitmapTheMenuStillOffersEveryItem) {
    WithMenu program;
    std::remove(program.harness.path("English/menu.bmp").c_str());
    program.open();
    FormMenu& menu = program.menu();
    EXPECT_GE(menu.Height(), menu.LabelMenu(7).Top() + menu.LabelMenu(7).Height());
    EXPECT_TRUE(menu.drawList().ops().empty());
}

TEST(ProgramMenu, ReleasingRunsTheItemLastHighlightedNotTheLabelReleasedOver) {
    WithMenu program;
    FormMenu& menu = program.menu();
    program.open();
    User::mouseMove(menu.LabelMenu(2), 0, 5, 5);
    program.choose(5, 0);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(menu.LabelMenu(i).BackColor(), i == 5 ? 0xC00000u : 0xFFC0C0u) << i;
        EXPECT_EQ(menu.LabelMenu(i).ForeColor(), i == 5 ? 0x80FFu : 0x40u) << i;
    }
    EXPECT_FALSE(menu.Visible());
    EXPECT_TRUE(form<FormChangeHomepage>().Visible());
    EXPECT_EQ(menu.Menu->SelectedItem, MenuHomePage);
}

TEST(ProgramMenu, ClosesWithoutAChoiceOnlyOnceThePointerCrossedItAndLeftIt) {
    WithMenu program;
    // Even an item whose text is empty is no match for leaving the menu.
    MenuExit = "";
    FormMenu& menu = program.menu();
    program.open();
    User::mouseMove(menu.LabelMenu(5), 0, 5, 5);
    program.backend().windowServices.cursor = {1000, 700};
    program.advance(1000);
    ASSERT_TRUE(menu.Visible());

    // The edges count as inside.
    const int right = static_cast<int>((menu.Left() + menu.Width()) / 15);
    const int bottom = static_cast<int>((menu.Top() + menu.Height()) / 15);
    program.leaveTo(right, bottom);
    program.advance(200);
    EXPECT_TRUE(menu.Visible());
    program.leaveTo(right + 1, bottom - 5);
    program.advance(99);
    EXPECT_TRUE(menu.Visible());
    program.advance(1);
    ASSERT_NE(app().loadedForm<form1>(), nullptr);
    EXPECT_FALSE(menu.Visible());
    EXPECT_FALSE(menu.TimerCloseMenu.getEnabled());
    EXPECT_EQ(menu.Menu->SelectedItem, "");
    EXPECT_FALSE(form<FormChangeHomepage>().Visible());
}

TEST(ProgramMenu, DesignItemSwitchesDesignsOffAndOnAndOffersTheOpposite) {
    WithMenu program;
    runtime::Label& item = program.menu().LabelMenu(1);
    ASSERT_TRUE(MorphingEnabled);
    program.choose(1);
    EXPECT_FALSE(MorphingEnabled);
    EXPECT_EQ(item.Caption(), MenuMorphOff);
    program.choose(1);
    EXPECT_TRUE(MorphingEnabled);
    EXPECT_EQ(item.Caption(), MenuMorphOn);
}

TEST(ProgramMenu, NewWindowStartsAnotherCopyEachTimeAndExitClosesEverythingWithoutAsking) {
    WithMenu program;
    program.choose(0);
    program.choose(0);
    const ProcessStart copy{program.programFile(), {}};
    EXPECT_EQ(program.starts(), (std::vector<ProcessStart>{copy, copy}));

    std::remove(program.harness.path("size.ini").c_str());
    program.choose(7);
    program.advance(0);
    EXPECT_EQ(app().loadedForm<form1>(), nullptr);
    EXPECT_EQ(app().loadedForm<FormMenu>(), nullptr);
    EXPECT_TRUE(program.harness.fileExists("size.ini"));
}

TEST(ProgramMenu, AboutShowsTheLanguagesAgreementOrNothingWhenItIsMissing) {
    WithMenu program;
    program.harness.writeFile("English/agreement.txt", "Play nicely.\r\nBe kind.");
    program.choose(6);
    FormAbout& about = form<FormAbout>();
    EXPECT_TRUE(about.Visible());
    EXPECT_EQ(about.Text1.Text(), "Play nicely.\r\nBe kind.");

    std::remove(program.harness.path("English/agreement.txt").c_str());
    program.choose(6);
    EXPECT_EQ(about.Text1.Text(), "");
}

TEST(ProgramMenu, ToolWindowsOpenOnTopWhereTheirItemsPlaceThem) {
    WithMenu program;
    form1& main = program.main();
    main.Move(px(101), px(33));
    for (int item : {2, 3, 4, 5})
        program.choose(item);
    const double pageTop = main.Top() + main.WebBrowser2.Top() + 30;
    FormDesignEdit& edit = form<FormDesignEdit>();
    FormLoading& loading = form<FormLoading>();
    EXPECT_EQ(std::pair(edit.Left(), edit.Top()), std::pair(main.Left() + 600, pageTop));
    EXPECT_EQ(std::pair(loading.Left(), loading.Top()), std::pair(main.Left() + 5000, pageTop));

    frmLoadDesign& dialog = form<frmLoadDesign>();
    EXPECT_EQ(dialog.Height(), px(212));
    EXPECT_EQ(dialog.Top(), main.Top() + main.Height() / 2 - px(212) / 2);
    EXPECT_EQ(dialog.Left(), main.Left() + main.Width() / 2 - px(226) / 2);
    EXPECT_EQ(dialog.lstView.Width(), px(209));
    FormChangeHomepage& homePage = form<FormChangeHomepage>();
    EXPECT_EQ(homePage.Left(), main.Left() + main.Width() / 2 - px(399) / 2);

    for (runtime::Form* window :
         std::initializer_list<runtime::Form*>{&edit, &loading, &dialog, &homePage}) {
        EXPECT_TRUE(window->Visible()) << window->Name();
        EXPECT_TRUE(program.madeTopmost(window->Name())) << window->Name();
    }
}

TEST(ProgramMenu, TheLoadDesignDialogsButtonsCoverTheirPicturesSoThatAClickReachesThem) {
    WithMenu program;
    program.choose(2);
    frmLoadDesign& dialog = form<frmLoadDesign>();
    struct Place {
        runtime::Label* button;
        double left;
    };
    for (const Place& place : {Place{&dialog.cmdLoad, px(8)}, Place{&dialog.cmdDelete, px(80)},
                               Place{&dialog.cmdCancel, px(152)}}) {
        const runtime::Label& button = *place.button;
        EXPECT_EQ(std::pair(button.Left(), button.Top()), std::pair(place.left, px(176)))
            << button.Name();
        EXPECT_EQ(std::pair(button.Width(), button.Height()), std::pair(px(65), px(25)))
            << button.Name();
    }
}

TEST(ProgramMenu, TheSkinEditorItemStepsThePreviewOnOnceTheLibraryTookAFile) {
    WithMenu program;
    FormDesignEdit& edit = form<FormDesignEdit>();
    program.choose(3);
    EXPECT_TRUE(edit.Visible());
    EXPECT_EQ(edit.PictureImageBox.Tag(), "");
    EXPECT_TRUE(program.backend().unansweredModals.empty());

    for (const std::string name : {"a.gif", "b.gif"}) {
        program.harness.writeFile(name, skintest::gif(10, 10));
        User::dropFiles(edit.PictureImageBox, {program.harness.path(name)});
    }
    EXPECT_EQ(edit.PictureImageBox.Tag(), program.harness.path("b.gif"));
    program.choose(3);
    EXPECT_EQ(edit.PictureImageBox.Tag(), program.harness.path("a.gif"));
}

TEST(ProgramMenu, OpeningPutsTheToolWindowsBackToTheirLayoutButLeavesThemWhereTheyStand) {
    WithMenu program;
    FormLoading& loading = form<FormLoading>();
    FormSaveAs& saveAs = form<FormSaveAs>();
    FormDesignEdit& edit = form<FormDesignEdit>();
    loading.Move(px(321), px(12), px(226), px(400));
    saveAs.ListSkins.Move(0, 0, 10, 10);
    edit.PictureImageBox.Move(0, 0);
    program.open();
    EXPECT_EQ(loading.Height(), px(242));
    EXPECT_EQ(loading.Left(), px(321));
    EXPECT_EQ(saveAs.ListSkins.Height(), px(122));
    EXPECT_EQ(edit.PictureImageBox.Left(), px(9));
    EXPECT_EQ(edit.Picture1(4).Left(), px(77));
}

}  // namespace
