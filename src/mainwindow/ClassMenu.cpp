#include "mainwindow/ClassMenu.h"

#include "designs/frmLoadDesign.h"
#include "mainwindow/FormAbout.h"
#include "mainwindow/FormChangeHomepage.h"
#include "mainwindow/FormMenu.h"
#include "mainwindow/RNfunctions.h"
#include "mainwindow/Variables.h"
#include "mainwindow/form1.h"
#include "runtime/Application.h"
#include "shared/ModuleFucns.h"
#include "shared/ModuleLanguage.h"
#include "shared/mdlPlacementFunctions.h"
#include "skins/FormDesignEdit.h"
#include "skins/FormLoading.h"

namespace quillo {

using runtime::form;

namespace {

constexpr runtime::Color kItemBack = 0xFFC0C0;
constexpr runtime::Color kItemFore = 0x40;
constexpr runtime::Color kHighlightBack = 0xC00000;
constexpr runtime::Color kHighlightFore = 0x80FF;

// Offsets of the skin windows from the main window, in twips.
constexpr double kBelowPageTop = 30;
constexpr double kDesignEditLeft = 600;
constexpr double kLoadingLeft = 5000;

void MakeTopmost(runtime::Form& window) {
    window.application().backend().windows().setTopmost(window, true);
}

// Centres a window on the main window, in single precision as the window system's geometry is.
void CentreOn(runtime::Form& window, const form1& main) {
    const float top = static_cast<float>(main.Top()) + static_cast<float>(main.Height()) / 2 -
                      static_cast<float>(window.Height()) / 2;
    const float left = static_cast<float>(main.Left()) + static_cast<float>(main.Width()) / 2 -
                       static_cast<float>(window.Width()) / 2;
    window.setTop(top);
    window.setLeft(left);
}

void OpenLoadDesign(const form1& main) {
    frmLoadDesign& dialog = form<frmLoadDesign>();
    dialog.setWidth(PixelsToTwips(226));
    dialog.setHeight(PixelsToTwips(212));
    CentreOn(dialog, main);
    MoveInPixels(dialog.LabelClose, 196, 12, 17, 17);
    MoveInPixels(dialog.cmdLoad, 8, 176);
    MoveInPixels(dialog.cmdDelete, 80, 176);
    MoveInPixels(dialog.cmdCancel, 152, 176);
    MoveInPixels(dialog.lstView, 8, 40, 209, 130);
    dialog.Show();
    MakeTopmost(dialog);
}

void OpenSkinWindow(runtime::Form& window, const form1& main, double leftOffset) {
    window.setTop(main.Top() + main.WebBrowser2.Top() + kBelowPageTop);
    window.setLeft(main.Left() + leftOffset);
    window.Show();
    MakeTopmost(window);
}

void OpenAbout() {
    FormAbout& about = form<FormAbout>();
    about.Show();
    // A missing agreement leaves the box empty.
    std::string agreement;
    FileIO("GetBinary", runtime::app().App().Path + "/" + LangName + "/agreement.txt", agreement);
    about.Text1.setText(agreement);
}

}  // namespace

void ClassMenu::FormLoad(FormMenu&) {}

void ClassMenu::ProcessFormMenuMouseMove(FormMenu& FormMenu, form1&, std::int16_t) {
    FormMenu.TimerCloseMenu.setEnabled(true);
}

void ClassMenu::ProcessLabelMenuMouseMove(FormMenu& FormMenu, form1&, std::int16_t,
                                          std::int16_t Index) {
    HighlightSelectedItem(FormMenu, Index);
}

void ClassMenu::HighlightSelectedItem(FormMenu& FormMenu, std::int16_t Index) {
    for (auto& [index, label] : FormMenu.LabelMenu) {
        label->setBackColor(kItemBack);
        label->setForeColor(kItemFore);
    }
    runtime::Label& item = FormMenu.LabelMenu(Index);
    item.setBackColor(kHighlightBack);
    item.setForeColor(kHighlightFore);
    SelectedItem = item.Caption();
}

void ClassMenu::ProcessTimerCloseMenu(FormMenu& FormMenu, form1& FormParent) {
    const runtime::PointPx cursor = FormMenu.application().backend().windows().cursorPos();
    x_ = cursor.x;
    y_ = cursor.y;
    const double X = PixelsToTwips(x_);
    if (FormMenu.Left() > X || FormMenu.Left() + FormMenu.Width() < X) {
        SelectedItem = "";
        ExitMenu(FormMenu, FormParent);
    }
    const double Y = PixelsToTwips(y_);
    if (FormMenu.Top() > Y || FormMenu.Top() + FormMenu.Height() < Y) {
        SelectedItem = "";
        ExitMenu(FormMenu, FormParent);
    }
}

void ClassMenu::ExitMenu(FormMenu& FormMenu, form1& FormParent) {
    // The pointer grab ends with the button's release on this platform; nothing to release.
    FormMenu.TimerCloseMenu.setEnabled(false);
    FormMenu.Hide();
    FormParent.SetFocus();
    runItem(FormMenu, FormParent);
}

void ClassMenu::runItem(FormMenu& menu, form1& FormParent) {
    // Leaving the menu is no choice, even where a short language file leaves an item's text
    // empty: otherwise moving the pointer away could close the program.
    if (SelectedItem.empty()) return;
    if (SelectedItem == MenuExit) {
        FormParent.Unload();
        // Every window is gone with the main window: an item sharing the exit's text must not
        // load them again and keep the program alive.
        return;
    }
    if (SelectedItem == MenuNewWindow) StartProgramCopy();

    if (SelectedItem == MenuMorphOn) {
        menu.LabelMenu(1).setCaption(MenuMorphOff);
        MorphingEnabled = false;
    } else if (SelectedItem == MenuMorphOff) {
        menu.LabelMenu(1).setCaption(MenuMorphOn);
        MorphingEnabled = true;
    } else {
        if (SelectedItem == MenuAbout) OpenAbout();
        if (SelectedItem == MenuLoadDesign) OpenLoadDesign(FormParent);
        if (SelectedItem == MenuDesignEdit) {
            FormDesignEdit& editor = form<FormDesignEdit>();
            OpenSkinWindow(editor, FormParent, kDesignEditLeft);
            // A library that took a file steps on to its next entry at each opening.
            if (editor.PictureImageBox.DragMode() == 1) editor.ClickTheNextButton();
        }
        if (SelectedItem == MenuSkins)
            OpenSkinWindow(form<FormLoading>(), FormParent, kLoadingLeft);
        if (SelectedItem == MenuHomePage) {
            FormChangeHomepage& homePage = form<FormChangeHomepage>();
            CentreOn(homePage, FormParent);
            homePage.Show();
            MakeTopmost(homePage);
        }
    }
}

}  // namespace quillo
