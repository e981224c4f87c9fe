#include "shared/ModuleLanguage.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "favorites/frmAddFavorite.h"
#include "favorites/frmMoveFavorite.h"
#include "favorites/frmOrganizeFavorite.h"
#include "mainwindow/FormAbout.h"
#include "mainwindow/FormChangeHomepage.h"
#include "mainwindow/FormMenu.h"
#include "mainwindow/RNfunctions.h"
#include "mainwindow/form1.h"
#include "runtime/headless/Harness.h"
#include "shared/mdlPlacementFunctions.h"
#include "skins/FormDesignEdit.h"
#include "skins/FormLoading.h"
#include "skins/FormSaveAs.h"

using namespace quillo;
using quillo::headless::Harness;
using runtime::form;
using runtime::Picture;

namespace {

const std::string kTenItems = "A>B>C>D>E>F>G>H>I>J";

// A language folder "Lang" holding only the two text files.
void WriteTexts(Harness& harness, const std::string& menuText, const std::string& messageText) {
    harness.writeFile("language.ini", "Lang");
    harness.writeFile("Lang/LanguageText.txt", menuText);
    harness.writeFile("Lang/MessageText.txt", messageText);
}

std::vector<std::string> MenuTexts() {
    return {LangText0,      MenuNewWindow, MenuMorphOn,  MenuMorphOff, MenuLoadDesign,
            MenuDesignEdit, MenuSkins,     MenuHomePage, MenuAbout,    MenuExit};
}

std::vector<std::string> MessageTexts() {
    return {MsgSkinLoadFailed,    MsgBadThemeFile,      MsgNoSkinName,   MsgDefaultSkinSave,
            MsgConfirmSave,       MsgDefaultSkinRemove, MsgRemoveFailed, MsgDefaultSkinRename,
            MsgConfirmRename1,    MsgConfirmRename2,    MsgRenameFailed, MsgLibraryAddFailed,
            MsgLibraryItemFailed, MsgSaveFailed};
}

std::vector<std::string> MenuCaptions() {
    std::vector<std::string> captions;
    for (int i = 0; i < 8; ++i)
        captions.push_back(form<FormMenu>().LabelMenu(i).Caption());
    return captions;
}

std::vector<std::string> LoadedWindows() {
    std::vector<std::string> names;
    for (runtime::Form* window : runtime::app().Forms())
        names.push_back(window->Name());
    return names;
}

std::string FileNameOf(const Picture& picture) {
    return picture.empty() ? "" : std::filesystem::path(picture.path).filename().string();
}

// Who receives each bitmap, in the loader's order. The skin editor's arrow buttons receive none:
// their pictures are the window's own.
struct Receiver {
    const char* who;
    const char* bitmap;
    std::function<const Picture&()> picture;
};

std::vector<Receiver> Receivers() {
    auto designButton = [](int i) {
        return [i]() -> const Picture& { return form<FormDesignEdit>().Picture1(i).getPicture(); };
    };
    auto loadingButton = [](int i) {
        return [i]() -> const Picture& { return form<FormLoading>().Picture1(i).getPicture(); };
    };
    auto saveAsButton = [](int i) {
        return [i]() -> const Picture& { return form<FormSaveAs>().Picture1(i).getPicture(); };
    };
    return {
        {"FormAbout", "FAFormAbout.bmp", [] { return std::cref(form<FormAbout>().getPicture()); }},
        {"FormDesignEdit", "FEDFormDesignEdit.bmp",
         [] { return std::cref(form<FormDesignEdit>().getPicture()); }},
        {"FormDesignEdit.Picture1(0)", "FEDClearDesign.bmp", designButton(0)},
        {"FormDesignEdit.Picture1(1)", "FEDBackgroundColor.bmp", designButton(1)},
        {"FormDesignEdit.Picture1(2)", "FEDOpen.bmp", designButton(2)},
        {"FormDesignEdit.Picture1(5)", "FEDDelete.bmp", designButton(5)},
        {"FormDesignEdit.Picture1(6)", "FEDLoad.bmp", designButton(6)},
        {"FormDesignEdit.Picture1(7)", "FEDSaveAs.bmp", designButton(7)},
        {"FormDesignEdit.Picture1(8)", "FEDSave.bmp", designButton(8)},
        {"FormLoading", "FLShort.bmp", [] { return std::cref(form<FormLoading>().getPicture()); }},
        {"FormLoading.Image1", "FLShort.bmp",
         [] { return std::cref(form<FormLoading>().Image1.getPicture()); }},
        {"FormLoading.Image2", "FLLong.bmp",
         [] { return std::cref(form<FormLoading>().Image2.getPicture()); }},
        {"FormLoading.Picture1(0)", "FLUpload.bmp", loadingButton(0)},
        {"FormLoading.Picture1(1)", "FLOptions.bmp", loadingButton(1)},
        {"FormLoading.Picture1(2)", "FLAdd.bmp", loadingButton(2)},
        {"FormLoading.Picture1(3)", "FLDelete.bmp", loadingButton(3)},
        {"FormLoading.Picture1(4)", "FLRename.bmp", loadingButton(4)},
        {"FormSaveAs", "FSAFormSaveAs.bmp",
         [] { return std::cref(form<FormSaveAs>().getPicture()); }},
        {"FormSaveAs.Picture1(0)", "FSAOK.bmp", saveAsButton(0)},
        {"FormSaveAs.Picture1(1)", "FSACancel.bmp", saveAsButton(1)},
        {"FormChangeHomepage", "FCHPFormChangeHomepage.bmp",
         [] { return std::cref(form<FormChangeHomepage>().getPicture()); }},
        {"frmAddFavorite", "FAFFormAddFavorite.bmp",
         [] { return std::cref(form<frmAddFavorite>().getPicture()); }},
        {"frmOrganizeFavorite", "FOFFormOrganizeFavorite.bmp",
         [] { return std::cref(form<frmOrganizeFavorite>().getPicture()); }},
        {"frmMoveFavorite", "FMFFormMoveFavorite.bmp",
         [] { return std::cref(form<frmMoveFavorite>().getPicture()); }},
        {"FormMenu", "menu.bmp", [] { return std::cref(form<FormMenu>().getPicture()); }},
        {"FormMenu.Picture1", "menu.bmp",
         [] { return std::cref(form<FormMenu>().Picture1.getPicture()); }},
    };
}

// The skin editor's load fills the save-as list, which loads that window first, and gives the
// editor's engine its gauge.
const std::vector<std::string> kLoadOrder = {
    "FormMenu",  "FormAbout",          "FormDesignEdit", "FormSaveAs",          "FormLoading",
    "FormGauge", "FormChangeHomepage", "frmAddFavorite", "frmOrganizeFavorite", "frmMoveFavorite"};

}  // namespace

TEST(LanguageItems, AreThePiecesBetweenTheSignsWithNothingTrimmed) {
    struct Case {
        std::string text;
        std::vector<std::string> items;
    };
    const Case cases[] = {
        {"A>B", {"A", "B"}},
        {"A>", {"A", ""}},
        {">A", {"", "A"}},
        {"A>>B", {"A", "", "B"}},
        {"A\r\n>B\r\n", {"A\r\n", "B\r\n"}},
        {" A > B ", {" A ", " B "}},
        {"no sign", {"no sign"}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitLanguageItems(c.text), c.items) << c.text;
}

TEST(LoadLanguage, TakesTheTenMenuTextsAndGivesTheMenuItsEightCaptions) {
    Harness harness;
    WriteTexts(harness, kTenItems, "");
    LoadLanguage();
    EXPECT_EQ(LangName, "Lang");
    EXPECT_EQ(LanguageFileText, kTenItems);
    EXPECT_EQ(MenuTexts(),
              (std::vector<std::string>{"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"}));
    // Item 3 is left out: the menu puts it on its second label itself when designs are off.
    EXPECT_EQ(MenuCaptions(), (std::vector<std::string>{"B", "C", "E", "F", "G", "H", "I", "J"}));
}

TEST(LoadLanguage, KeepsLineEndsAndIgnoresItemsBeyondTheLastText) {
    struct Case {
        const char* what;
        std::string file;
        std::string lastText;
        std::size_t items;
    };
    const Case cases[] = {
        {"a trailing line end stays in the last text", kTenItems + "\r\n", "J\r\n", 10},
        {"a closing sign gives an eleventh, empty item", kTenItems + ">", "J", 11},
        {"items after the tenth are read but unused", kTenItems + ">K>L", "J", 12},
        {"a missing tenth item leaves its text empty", "A>B>C>D>E>F>G>H>I", "", 9},
    };
    for (const Case& c : cases) {
        Harness harness;
        WriteTexts(harness, c.file, "");
        LoadLanguage();
        EXPECT_EQ(MenuExit, c.lastText) << c.what;
        EXPECT_EQ(LanguageItems.size(), c.items) << c.what;
        EXPECT_EQ(form<FormMenu>().LabelMenu(7).Caption(), c.lastText) << c.what;
        EXPECT_EQ(MenuNewWindow, "B") << c.what;
    }
}

TEST(LoadLanguage, TakesTheFourteenMessageTextsInOrder) {
    Harness harness;
    WriteTexts(harness, kTenItems, "m0>m1>m2>m3>m4>m5>m6>m7>m8>m9>m10>m11>m12>m13>m14");
    LoadLanguage();
    EXPECT_EQ(MessageTexts(),
              (std::vector<std::string>{"m0", "m1", "m2", "m3", "m4", "m5", "m6", "m7", "m8", "m9",
                                        "m10", "m11", "m12", "m13"}));
    EXPECT_EQ(MessageItems.size(), 15u);
}

TEST(LoadLanguage, ReadsTheShippedEnglishFolder) {
    Harness harness;
    harness.layAssets(QUILLO_ASSETS_DIR);
    LoadLanguage();
    EXPECT_EQ(LangName, "English");
    EXPECT_EQ(MenuNewWindow, "New Window");
    EXPECT_EQ(MenuMorphOff, "Turn Designs On");
    EXPECT_EQ(MenuExit, "Close Quillo");
    // The rename question is put together from two texts with the names between them.
    EXPECT_EQ(MsgConfirmRename1, "Rename ");
    EXPECT_EQ(MsgConfirmRename2, " to ");
    EXPECT_EQ(MsgLibraryItemFailed,
              "There is no picture to show here yet. Add some pictures first!");
}

TEST(LoadLanguage, WithoutLanguageIniReadsTheFilesOfTheProgramFolderItself) {
    Harness harness;
    harness.writeFile("LanguageText.txt", kTenItems);
    harness.writeFile("MessageText.txt", "first>");
    LoadLanguage();
    EXPECT_EQ(LangName, "");
    EXPECT_EQ(MenuAbout, "I");
    EXPECT_EQ(MsgSkinLoadFailed, "first");
}

TEST(LoadLanguage, LeavesEveryTextOfAMissingFolderEmptyAndGoesOn) {
    Harness harness;
    harness.layAssets(QUILLO_ASSETS_DIR);
    // A line end after the name belongs to the name, so no folder of that name exists.
    harness.writeFile("language.ini", "English\r\n");
    LoadLanguage();
    EXPECT_EQ(LangName, "English\r\n");
    EXPECT_EQ(MenuTexts(), std::vector<std::string>(10));
    EXPECT_EQ(MessageTexts(), std::vector<std::string>(14));
    EXPECT_EQ(MenuCaptions(), std::vector<std::string>(8));
    EXPECT_EQ(LoadedWindows(), kLoadOrder);
    for (const Receiver& receiver : Receivers())
        EXPECT_TRUE(receiver.picture().empty()) << receiver.who;
}

TEST(LoadLanguage, LoadsTheMenuThenTheEightToolWindowsHiddenInTheBitmapsOrder) {
    Harness harness;
    harness.layAssets(QUILLO_ASSETS_DIR);
    LoadLanguage();
    EXPECT_EQ(LoadedWindows(), kLoadOrder);
    for (runtime::Form* window : runtime::app().Forms())
        EXPECT_FALSE(window->Visible()) << window->Name();
}

TEST(LoadLanguage, GivesEachBitmapToItsWindowOrControl) {
    Harness harness;
    harness.layAssets(QUILLO_ASSETS_DIR);
    LoadLanguage();
    for (const Receiver& receiver : Receivers())
        EXPECT_EQ(FileNameOf(receiver.picture()), receiver.bitmap) << receiver.who;
}

TEST(LoadLanguage, GivesEveryOtherBitmapWhenOneIsMissing) {
    Harness harness;
    harness.layAssets(QUILLO_ASSETS_DIR);
    std::filesystem::remove(harness.path("English/FLShort.bmp"));
    std::filesystem::remove(harness.path("English/FSAOK.bmp"));
    LoadLanguage();
    EXPECT_EQ(LoadedWindows(), kLoadOrder);
    for (const Receiver& receiver : Receivers()) {
        const std::string bitmap = receiver.bitmap;
        const bool missing = bitmap == "FLShort.bmp" || bitmap == "FSAOK.bmp";
        EXPECT_EQ(FileNameOf(receiver.picture()), missing ? "" : bitmap) << receiver.who;
    }
}

TEST(LoadLanguage, SetsTheLayoutMetricsInTwipsOfTheScreen) {
    struct Case {
        double dpi;
        std::vector<std::int32_t> metrics;  // in the order of MetricValues below
    };
    const Case cases[] = {
        {96, {15, 120, 60, 60, 60, 255, 30, 75, 105, 2850}},
        {120, {12, 96, 48, 48, 48, 204, 24, 60, 84, 2280}},
    };
    for (const Case& c : cases) {
        Harness harness;
        harness.backend().screenInfo.dpiX = c.dpi;
        harness.backend().screenInfo.dpiY = c.dpi;
        harness.application().refreshScreen();
        LoadLanguage();
        const std::vector<std::int32_t> metrics = {
            BorderWidth,      BrowserInsetWidth, MarginRight,   TitleBarTop,
            MarginLeft,       TitleButtonPitch,  BrowserTopGap, BrowserBottomGap,
            BrowserLeftInset, SidePaneAllowance};
        EXPECT_EQ(metrics, c.metrics) << c.dpi << " dpi";
    }
}

TEST(LoadLanguage, PlacesTheMainWindowsControlsAtTheirFixedPixelsAndLeavesTheRestToTheLayout) {
    // No language folder at all: the loader still reaches its last step.
    Harness harness;
    form1& main = form<form1>();
    constexpr double kOpen = -1;
    struct Row {
        runtime::Control& control;
        double left, top, width, height;  // pixels
    };
    const Row rows[] = {
        {main.FrameDashBoard, 16, 440, 617, 105},
        {main.PictureHideShow, 0, 0, 64, 24},
        {main.PictureURL, 64, 1, 33, 22},
        {main.PictureBookmark, 536, 0, 81, 24},
        {main.PictureBottomLeft, 0, 23, 221, 83},
        {main.PictureBottomCenter, 221, 23, kOpen, 83},
        {main.PictureBottomRight, kOpen, 23, 208, 83},
        {main.ComboURL, 96, 2, kOpen, kOpen},
        {main.LabelStatusBarMini, 88, 60, kOpen, kOpen},
        {main.LabelStatusBarMain, 0, 56, kOpen, kOpen},
        {main.PictureBack, 8, 3, 32, 32},
        {main.PictureNext, 48, 3, 32, 32},
        {main.PictureReload, 88, 3, 32, 32},
        {main.PictureStop, 128, 3, 32, 32},
        {main.PictureHome, 168, 3, 32, 32},
        {main.PictureMail, 168, 48, 32, 32},
        {main.FrameTitleBar, 16, 24, 617, 25},
        {main.PictureIcon, 0, 0, 25, 25},
        {main.PictureTitleBar, 0, 0, 113, 25},
        {main.PictureTitle, kOpen, 0, 185, 25},
        {main.PictureWS01, kOpen, 4, 16, 16},
        {main.PictureWS02, kOpen, 4, 16, 16},
        {main.PictureClose, kOpen, 4, 16, 16},
    };
    // Places no pixel value gives, so that what the loader leaves alone shows.
    for (const Row& row : rows)
        row.control.Move(7, 11, 13, 17);
    LoadLanguage();
    auto expected = [](double pixels, double untouched) {
        return pixels == kOpen ? untouched : pixels * 15;
    };
    for (const Row& row : rows) {
        const std::string& name = row.control.Name();
        EXPECT_EQ(row.control.Left(), expected(row.left, 7)) << name;
        EXPECT_EQ(row.control.Top(), expected(row.top, 11)) << name;
        EXPECT_EQ(row.control.Width(), expected(row.width, 13)) << name;
        EXPECT_EQ(row.control.Height(), expected(row.height, 17)) << name;
    }
    // The dashboard frame: 617 pixels are 9255 twips at 15 twips a pixel.
    EXPECT_EQ(main.FrameDashBoard.Width(), 9255);
}

TEST(LoadLanguage, OnItsOwnLeavesTheMainWindowUnloaded) {
    Harness harness;
    harness.layAssets(QUILLO_ASSETS_DIR);
    LoadLanguage();
    EXPECT_EQ(runtime::app().loadedForm<form1>(), nullptr);
}

// The windows and picture buttons are drawn by their bitmaps, so each must be as big as the
// bitmap it receives, or the picture is cut or leaves a blank edge.
TEST(ToolWindows, AreAsBigAsTheBitmapsTheyReceive) {
    Harness harness;
    harness.layAssets(QUILLO_ASSETS_DIR);
    LoadLanguage();
    struct Sized {
        const char* who;
        const runtime::Control* control;
        const Picture* picture;
    };
    const FormDesignEdit& edit = form<FormDesignEdit>();
    const FormLoading& loading = form<FormLoading>();
    const FormSaveAs& saveAs = form<FormSaveAs>();
    std::vector<Sized> sized = {
        {"FormAbout", &form<FormAbout>(), &form<FormAbout>().getPicture()},
        {"FormDesignEdit", &edit, &edit.getPicture()},
        {"FormLoading", &loading, &loading.getPicture()},
        {"FormSaveAs", &saveAs, &saveAs.getPicture()},
        {"FormChangeHomepage", &form<FormChangeHomepage>(),
         &form<FormChangeHomepage>().getPicture()},
        {"frmAddFavorite", &form<frmAddFavorite>(), &form<frmAddFavorite>().getPicture()},
        {"frmOrganizeFavorite", &form<frmOrganizeFavorite>(),
         &form<frmOrganizeFavorite>().getPicture()},
        {"frmMoveFavorite", &form<frmMoveFavorite>(), &form<frmMoveFavorite>().getPicture()},
        {"FormMenu", &form<FormMenu>(), &form<FormMenu>().getPicture()},
        {"FormMenu.Picture1", &form<FormMenu>().Picture1, &form<FormMenu>().Picture1.getPicture()},
    };
    for (const auto& [index, button] : edit.Picture1)
        if (!button->getPicture().empty())
            sized.push_back({"FormDesignEdit.Picture1", button, &button->getPicture()});
    for (const auto& [index, button] : loading.Picture1)
        sized.push_back({"FormLoading.Picture1", button, &button->getPicture()});
    for (const auto& [index, button] : saveAs.Picture1)
        sized.push_back({"FormSaveAs.Picture1", button, &button->getPicture()});
    for (const Sized& s : sized) {
        ASSERT_FALSE(s.picture->empty()) << s.who;
        EXPECT_EQ(s.control->Width(), PixelsToTwips(s.picture->widthPx)) << s.who;
        EXPECT_EQ(s.control->Height(), PixelsToTwips(s.picture->heightPx)) << s.who;
    }
    // The long form's bitmap is 39 pixels taller than the window's short form.
    EXPECT_EQ(loading.Image2.getPicture().heightPx - loading.Image1.getPicture().heightPx, 39);
}
