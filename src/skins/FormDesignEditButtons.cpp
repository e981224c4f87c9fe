// The skin editor's button bar and its window handling: the close spot, the drag, the pressed
// looks, and the nine buttons' actions on the main window, the image library and the panels.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "mainwindow/RNfunctions.h"
#include "mainwindow/form1.h"
#include "runtime/Application.h"
#include "runtime/MediaCommands.h"
#include "runtime/PathResolver.h"
#include "runtime/Picture.h"
#include "skins/ClassSkins.h"
#include "skins/FormDesignEdit.h"
#include "skins/FormLoading.h"
#include "skins/FormSaveAs.h"
#include "skins/SkinToolWindows.h"

namespace quillo {

namespace {

// The picture buttons of the main window in the order the clear action dresses them; each has
// its blank picture "B-" & name in the program folder's "Blank Buttons".
constexpr const char* kBlankOrder[] = {
    "PictureIcon",     "PictureTitle",    "PictureWS01", "PictureWS02",     "PictureClose",
    "PictureTitleBar", "PictureHideShow", "PictureURL",  "PictureBookmark", "PictureBack",
    "PictureNext",     "PictureReload",   "PictureStop", "PictureHome",     "PictureMail"};

// The platform's colour of an inactive title bar.
constexpr runtime::Color kInactiveTitleColour = 0x80000003;
// The colour dialog starts from it; a dialog that ends on it was cancelled.
constexpr runtime::Color kNoColourChosen = 1;

constexpr const char* kNewSkinName = "New File";

std::string blankPicturePath(const std::string& button) {
    return runtime::app().App().Path + "/Blank Buttons/B-" + button;
}

void colourMainWindow(form1& main, runtime::Color colour) {
    main.setBackColor(colour);
    main.FrameTitleBar.setBackColor(colour);
    main.FrameDashBoard.setBackColor(colour);
}

}  // namespace

void FormDesignEdit::wireButtonBar() {
    MouseDown = [this](int, int, double, double) { Form_MouseDown(); };
    Label1.Click = [this] { Label1_Click(); };
    WirePictureButtons(*this);
}

void FormDesignEdit::Picture1_Click(int Index) {
    switch (Index) {
        case 0:
            ClearToBlankButtons();
            break;
        case 1:
            ChooseBackgroundColor();
            break;
        case 2:
            AddLibraryItem();
            break;
        case 3:
            ShowPreviousItem();
            break;
        case 4:
            ShowNextItem();
            break;
        case 5:
            DeleteLibraryItem();
            break;
        case 6:
            ShowBesideEditor(runtime::form<FormLoading>());
            runtime::form<FormSaveAs>().Hide();
            break;
        case 7:
            ShowBesideEditor(runtime::form<FormSaveAs>());
            runtime::form<FormLoading>().Hide();
            break;
        case 8:
            Skins->ProcessPictureSaveClick(*this, runtime::form<form1>());
            break;
        default:
            break;
    }
}

void FormDesignEdit::Picture1_MouseDown(int Index) {
    Skins->IndentButton(Picture1(Index));
}

void FormDesignEdit::Picture1_MouseUp(int Index) {
    Skins->UnindentButton(Picture1(Index));
}

void FormDesignEdit::Form_MouseDown() {
    DragSkinToolWindow(*this);
}

void FormDesignEdit::Label1_Click() {
    Hide();
}

void FormDesignEdit::ChangeBackColor(form1& MainWindow, runtime::PictureBox& Strip) {
    const runtime::Picture kept = Strip.getPicture();
    Strip.setPicture(runtime::Picture{});
    Strip.setBackColor(MainWindow.CommonDialog1.getColor());
    Strip.setPicture(kept);
}

void FormDesignEdit::ClearToBlankButtons() {
    form1& main = runtime::form<form1>();
    // Stops the corner animation, a skin's clip and the preview; the preview's clip comes back.
    runtime::mciSendString("close all");
    restartPreviewClip();

    colourMainWindow(main, kInactiveTitleColour);
    for (runtime::PictureBox* strip :
         {&main.PictureBottomLeft, &main.PictureBottomCenter, &main.PictureBottomRight})
        strip->setBackColor(kInactiveTitleColour);

    // A blank picture that is missing leaves its button as it was, picture and Tag, so that a
    // later save copies only pictures that exist.
    std::vector<std::pair<runtime::Image*, std::string>> dressed;
    for (const char* name : kBlankOrder) {
        auto* button = static_cast<runtime::Image*>(main.findControl(name));
        const std::string path = blankPicturePath(name);
        const std::optional<runtime::Picture> picture = runtime::LoadPicture(path);
        if (!button || !picture) continue;
        button->setPicture(*picture);
        dressed.emplace_back(button, path);
    }
    for (auto& [button, path] : dressed)
        button->setTag(path);

    // The strips keep what they show but name no file any more.
    for (runtime::PictureBox* strip :
         {&main.PictureBottomLeft, &main.PictureBottomCenter, &main.PictureBottomRight})
        strip->setTag("");

    TextBoxSkinName.setText(kNewSkinName);
    runtime::form<FormSaveAs>().TextBoxSkinName.setText(kNewSkinName);
    runtime::form<FormLoading>().TextBoxSkinName.setText(kNewSkinName);
}

void FormDesignEdit::ChooseBackgroundColor() {
    runtime::WindowServices& windows = application().backend().windows();
    form1* main = &runtime::form<form1>();
    runtime::CommonDialog& dialog = main->CommonDialog1;
    // The dialog must show above the editor, which stays above the main window otherwise.
    windows.setTopmost(*this, false);
    dialog.setColor(kNoColourChosen);
    dialog.ShowColor();
    windows.setTopmost(*this, true);
    // The main window may have gone while the dialog was open; it is not brought back for this.
    if (runtime::app().loadedForm<form1>() != main || dialog.getColor() == kNoColourChosen) return;

    colourMainWindow(*main, dialog.getColor());
    ChangeBackColor(*main, main->PictureBottomLeft);
    ChangeBackColor(*main, main->PictureBottomCenter);
    ChangeBackColor(*main, main->PictureBottomRight);
    // The strips are dressed again from their own files; a clip in the corner strip plays on.
    if (!runtime::LowerAscii(main->PictureBottomLeft.Tag()).ends_with(".avi"))
        DropOnStrip(main->PictureBottomLeft, main->PictureBottomLeft);
    DropOnStrip(main->PictureBottomRight, main->PictureBottomRight);
    ArrangeMainWindow(*main);
}

}  // namespace quillo
