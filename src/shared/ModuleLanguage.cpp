#include "shared/ModuleLanguage.h"

#include <optional>

#include "favorites/frmAddFavorite.h"
#include "favorites/frmMoveFavorite.h"
#include "favorites/frmOrganizeFavorite.h"
#include "mainwindow/FormAbout.h"
#include "mainwindow/FormChangeHomepage.h"
#include "mainwindow/FormMenu.h"
#include "mainwindow/RNfunctions.h"
#include "mainwindow/form1.h"
#include "runtime/Application.h"
#include "runtime/Picture.h"
#include "shared/ModuleFucns.h"
#include "shared/mdlPlacementFunctions.h"
#include "skins/FormDesignEdit.h"
#include "skins/FormLoading.h"
#include "skins/FormSaveAs.h"

namespace quillo {

using runtime::form;
using runtime::Picture;

std::string HomePage;
std::string LangName;
std::vector<std::string> LanguageItems;
std::string LanguageFileText;
std::vector<std::string> MessageItems;
std::string MessageFileText;

std::string LangText0;
std::string MenuNewWindow;
std::string MenuMorphOn;
std::string MenuMorphOff;
std::string MenuLoadDesign;
std::string MenuDesignEdit;
std::string MenuSkins;
std::string MenuHomePage;
std::string MenuAbout;
std::string MenuExit;

std::string MsgSkinLoadFailed;
std::string MsgBadThemeFile;
std::string MsgNoSkinName;
std::string MsgDefaultSkinSave;
std::string MsgConfirmSave;
std::string MsgDefaultSkinRemove;
std::string MsgRemoveFailed;
std::string MsgDefaultSkinRename;
std::string MsgConfirmRename1;
std::string MsgConfirmRename2;
std::string MsgRenameFailed;
std::string MsgLibraryAddFailed;
std::string MsgLibraryItemFailed;
std::string MsgSaveFailed;

namespace {

// A file of the language folder. With no folder name this is a file of the program folder.
std::string LanguageFile(const std::string& fileName) {
    return runtime::app().App().Path + "/" + LangName + "/" + fileName;
}

// The whole file, or the empty text when it cannot be read.
std::string ReadWhole(const std::string& path) {
    std::string contents;
    FileIO("GetBinary", path, contents);
    return contents;
}

// An item of the list; a missing one is the empty text.
std::string Item(const std::vector<std::string>& items, std::size_t index) {
    return index < items.size() ? items[index] : std::string();
}

std::optional<Picture> Bitmap(const char* fileName) {
    return runtime::LoadPicture(LanguageFile(fileName));
}

// A window or control takes the bitmap as its picture; a missing bitmap leaves it without one.
// The target is named before this runs, which loads its window.
template <class Target>
void Give(Target& target, const std::optional<Picture>& picture) {
    if (picture) target.setPicture(*picture);
}

// A control of the main window at its fixed place and size in pixels; a negative value is left
// to the layout.
struct Placement {
    runtime::Control* control;
    std::int32_t left, top, width, height;
};

constexpr std::int32_t kOpen = -1;

void PlaceMainWindowControls(form1& main) {
    const Placement placements[] = {
        {&main.FrameDashBoard, 16, 440, 617, 105},
        {&main.PictureHideShow, 0, 0, 64, 24},
        {&main.PictureURL, 64, 1, 33, 22},
        {&main.PictureBookmark, 536, 0, 81, 24},
        {&main.PictureBottomLeft, 0, 23, 221, 83},
        {&main.PictureBottomCenter, 221, 23, kOpen, 83},
        {&main.PictureBottomRight, kOpen, 23, 208, 83},
        {&main.ComboURL, 96, 2, kOpen, kOpen},
        {&main.LabelStatusBarMini, 88, 60, kOpen, kOpen},
        {&main.LabelStatusBarMain, 0, 56, kOpen, kOpen},
        {&main.PictureBack, 8, 3, 32, 32},
        {&main.PictureNext, 48, 3, 32, 32},
        {&main.PictureReload, 88, 3, 32, 32},
        {&main.PictureStop, 128, 3, 32, 32},
        {&main.PictureHome, 168, 3, 32, 32},
        {&main.PictureMail, 168, 48, 32, 32},
        {&main.FrameTitleBar, 16, 24, 617, 25},
        {&main.PictureIcon, 0, 0, 25, 25},
        {&main.PictureTitleBar, 0, 0, 113, 25},
        {&main.PictureTitle, kOpen, 0, 185, 25},
        {&main.PictureWS01, kOpen, 4, 16, 16},
        {&main.PictureWS02, kOpen, 4, 16, 16},
        {&main.PictureClose, kOpen, 4, 16, 16},
    };
    for (const Placement& p : placements) {
        if (p.width != kOpen) p.control->setWidth(PixelsToTwips(p.width));
        if (p.height != kOpen) p.control->setHeight(PixelsToTwips(p.height));
        if (p.top != kOpen) p.control->setTop(PixelsToTwips(p.top));
        if (p.left != kOpen) p.control->setLeft(PixelsToTwips(p.left));
    }
}

}  // namespace

std::vector<std::string> SplitLanguageItems(const std::string& text) {
    std::vector<std::string> items;
    if (text.empty()) return items;
    std::string::size_type start = 0;
    for (;;) {
        const std::string::size_type end = text.find('>', start);
        if (end == std::string::npos) {
            items.push_back(text.substr(start));
            return items;
        }
        items.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

void LoadLanguage() {
    // 1. The folder's name is the file's whole content; a line end after it would belong to it.
    LangName = ReadWhole(runtime::app().App().Path + "/language.ini");

    // 2. Menu texts.
    LanguageFileText = ReadWhole(LanguageFile("LanguageText.txt"));
    LanguageItems = SplitLanguageItems(LanguageFileText);
    std::string* const menuTexts[] = {&LangText0,      &MenuNewWindow,  &MenuMorphOn, &MenuMorphOff,
                                      &MenuLoadDesign, &MenuDesignEdit, &MenuSkins,   &MenuHomePage,
                                      &MenuAbout,      &MenuExit};
    for (std::size_t i = 0; i < std::size(menuTexts); ++i)
        *menuTexts[i] = Item(LanguageItems, i);

    // 3. The program menu's captions; item 3 only ever replaces item 2 on its label. This is
    // the first reference to the menu window, which loads it.
    FormMenu& menu = form<FormMenu>();
    const std::size_t captionItems[] = {1, 2, 4, 5, 6, 7, 8, 9};
    for (int label = 0; label < 8; ++label)
        menu.LabelMenu(label).setCaption(Item(LanguageItems, captionItems[label]));

    // 4. Message texts.
    MessageFileText = ReadWhole(LanguageFile("MessageText.txt"));
    MessageItems = SplitLanguageItems(MessageFileText);
    std::string* const messageTexts[] = {
        &MsgSkinLoadFailed,    &MsgBadThemeFile,      &MsgNoSkinName,   &MsgDefaultSkinSave,
        &MsgConfirmSave,       &MsgDefaultSkinRemove, &MsgRemoveFailed, &MsgDefaultSkinRename,
        &MsgConfirmRename1,    &MsgConfirmRename2,    &MsgRenameFailed, &MsgLibraryAddFailed,
        &MsgLibraryItemFailed, &MsgSaveFailed};
    for (std::size_t i = 0; i < std::size(messageTexts); ++i)
        *messageTexts[i] = Item(MessageItems, i);

    // 5. Bitmaps, in this order: the tool windows and dialogs load, hidden, as they are named.
    Give(form<FormAbout>(), Bitmap("FAFormAbout.bmp"));
    FormDesignEdit& designEdit = form<FormDesignEdit>();
    Give(designEdit, Bitmap("FEDFormDesignEdit.bmp"));
    Give(designEdit.Picture1(0), Bitmap("FEDClearDesign.bmp"));
    Give(designEdit.Picture1(1), Bitmap("FEDBackgroundColor.bmp"));
    Give(designEdit.Picture1(2), Bitmap("FEDOpen.bmp"));
    Give(designEdit.Picture1(5), Bitmap("FEDDelete.bmp"));
    Give(designEdit.Picture1(6), Bitmap("FEDLoad.bmp"));
    Give(designEdit.Picture1(7), Bitmap("FEDSaveAs.bmp"));
    Give(designEdit.Picture1(8), Bitmap("FEDSave.bmp"));
    FormLoading& loading = form<FormLoading>();
    Give(loading, Bitmap("FLShort.bmp"));
    Give(loading.Image1, Bitmap("FLShort.bmp"));
    Give(loading.Image2, Bitmap("FLLong.bmp"));
    Give(loading.Picture1(0), Bitmap("FLUpload.bmp"));
    Give(loading.Picture1(1), Bitmap("FLOptions.bmp"));
    Give(loading.Picture1(2), Bitmap("FLAdd.bmp"));
    Give(loading.Picture1(3), Bitmap("FLDelete.bmp"));
    Give(loading.Picture1(4), Bitmap("FLRename.bmp"));
    FormSaveAs& saveAs = form<FormSaveAs>();
    Give(saveAs, Bitmap("FSAFormSaveAs.bmp"));
    Give(saveAs.Picture1(0), Bitmap("FSAOK.bmp"));
    Give(saveAs.Picture1(1), Bitmap("FSACancel.bmp"));
    Give(form<FormChangeHomepage>(), Bitmap("FCHPFormChangeHomepage.bmp"));
    Give(form<frmAddFavorite>(), Bitmap("FAFFormAddFavorite.bmp"));
    Give(form<frmOrganizeFavorite>(), Bitmap("FOFFormOrganizeFavorite.bmp"));
    Give(form<frmMoveFavorite>(), Bitmap("FMFFormMoveFavorite.bmp"));
    Give(menu, Bitmap("menu.bmp"));
    Give(menu.Picture1, Bitmap("menu.bmp"));

    // 6. Layout metrics.
    BorderWidth = PixelsToTwips(1);
    BrowserInsetWidth = PixelsToTwips(8);
    MarginRight = PixelsToTwips(4);
    TitleBarTop = PixelsToTwips(4);
    MarginLeft = PixelsToTwips(4);
    TitleButtonPitch = PixelsToTwips(17);
    BrowserTopGap = PixelsToTwips(2);
    BrowserBottomGap = PixelsToTwips(5);
    BrowserLeftInset = PixelsToTwips(7);
    SidePaneAllowance = PixelsToTwips(190);

    // 7. The main window's controls at their fixed places. The main window runs the loader from
    // its load step; without it there is nothing to place.
    if (form1* main = runtime::app().loadedForm<form1>()) PlaceMainWindowControls(*main);
}

}  // namespace quillo
