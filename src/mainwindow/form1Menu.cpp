// The program icon opens the program menu and gives the tool windows their fixed layout.
#include "mainwindow/FormChangeHomepage.h"
#include "mainwindow/FormMenu.h"
#include "mainwindow/form1.h"
#include "runtime/Application.h"
#include "runtime/Picture.h"
#include "shared/ModuleLanguage.h"
#include "shared/mdlPlacementFunctions.h"
#include "skins/FormDesignEdit.h"
#include "skins/FormLoading.h"
#include "skins/FormSaveAs.h"

namespace quillo {

using runtime::form;

namespace {

// The Top of each menu item in pixels: steps of 24, the last one 23.
constexpr std::int32_t kItemTops[] = {10, 34, 58, 82, 106, 130, 154, 177};
// Below the last item when the menu has no bitmap to give it its height.
constexpr std::int32_t kBottomInset = 10;

void SetSizeInPixels(runtime::Form& window, std::int32_t width, std::int32_t height) {
    window.setHeight(PixelsToTwips(height));
    window.setWidth(PixelsToTwips(width));
}

// Every opening of the menu puts the tool windows back to their fixed sizes and control places;
// where they stand on the screen stays.
void LayOutToolWindows() {
    FormDesignEdit& edit = form<FormDesignEdit>();
    SetSizeInPixels(edit, 226, 294);
    MoveInPixels(edit.Label1, 196, 11);
    const std::int32_t editButtons[][2] = {{9, 41},   {115, 41},  {9, 169}, {120, 169},
                                           {77, 169}, {168, 169}, {9, 258}, {115, 258}};
    for (int i = 0; i < 8; ++i)
        MoveInPixels(edit.Picture1(i), editButtons[i][0], editButtons[i][1]);
    MoveInPixels(edit.PictureImageBox, 9, 79, 208, 83);
    MoveInPixels(edit.TextBoxSkinName, 10, 224, 208, 25);

    FormLoading& loading = form<FormLoading>();
    SetSizeInPixels(loading, 226, 242);
    MoveInPixels(loading.Label1, 192, 8, 25, 25);
    MoveInPixels(loading.Picture1(0), 9, 203);
    MoveInPixels(loading.Picture1(1), 171, 208);
    MoveInPixels(loading.Picture1(2), 9, 242);
    MoveInPixels(loading.Picture1(3), 171, 242);
    MoveInPixels(loading.ListSkins, 8, 40, 209, 130);
    MoveInPixels(loading.TextBoxSkinName, 10, 170, 207, 25);

    FormSaveAs& saveAs = form<FormSaveAs>();
    SetSizeInPixels(saveAs, 226, 255);
    MoveInPixels(saveAs.Label1, 192, 8, 25, 25);
    MoveInPixels(saveAs.Picture1(0), 45, 216);
    MoveInPixels(saveAs.Picture1(1), 114, 216);
    MoveInPixels(saveAs.ListSkins, 8, 40, 209, 122);
    MoveInPixels(saveAs.TextBoxSkinName, 8, 180, 209, 29);

    FormChangeHomepage& homePage = form<FormChangeHomepage>();
    SetSizeInPixels(homePage, 399, 83);
    MoveInPixels(homePage.Image2, 368, 0, 25, 25);
    MoveInPixels(homePage.Image1, 16, 32, 32, 32);
    MoveInPixels(homePage.Text1, 59, 37, 249, 25);
    MoveInPixels(homePage.Label1, 336, 40, 49, 25);
}

}  // namespace

void form1::wireMenu() {
    PictureIcon.MouseDown = [this](int button, int shift, double x, double y) {
        PictureIcon_MouseDown(button, shift, x, y);
    };
}

void form1::PictureIcon_MouseDown(int, int, double, double) {
    FormMenu& menu = runtime::form<FormMenu>();
    for (auto& [index, label] : menu.LabelMenu)
        label->setTop(PixelsToTwips(kItemTops[index]));

    menu.setWidth(30);
    menu.setHeight(30);
    menu.Show();
    // The menu's top left corner lies at the icon's lower right corner.
    menu.setTop(Top() + PictureIcon.Top() + PictureIcon.Height());
    menu.setLeft(Left() + PictureIcon.Left() + PictureIcon.Width());

    const std::optional<runtime::Picture> bitmap =
        runtime::LoadPicture(application().App().Path + "/" + LangName + "/menu.bmp");
    menu.Picture1.setPicture(bitmap ? *bitmap : runtime::Picture{});

    const runtime::Label& widest = menu.LabelMenu(GetWidestMenuLabel());
    menu.setWidth(2 * widest.Left() + widest.Width());
    if (bitmap) {
        menu.setHeight(menu.Picture1.Height());
    } else {
        // Without its bitmap the menu is still tall enough to offer every item.
        const runtime::Label& last = menu.LabelMenu(7);
        menu.setHeight(last.Top() + last.Height() + PixelsToTwips(kBottomInset));
    }

    // Each opening paints afresh, so the drawing does not pile up.
    menu.Cls();
    if (bitmap) menu.PaintPicture(*bitmap, 0, 0, menu.Width(), menu.Height());

    LayOutToolWindows();
}

std::int16_t form1::GetWidestMenuLabel() {
    const FormMenu& menu = runtime::form<FormMenu>();
    std::int16_t widest = 0;
    for (std::int16_t i = 1; i < 8; ++i)
        if (menu.LabelMenu(i).Width() > menu.LabelMenu(widest).Width()) widest = i;
    return widest;
}

}  // namespace quillo
