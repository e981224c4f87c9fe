#include "skins/FormLoading.h"

#include "mainwindow/form1.h"
#include "runtime/Application.h"
#include "shared/mdlPlacementFunctions.h"
#include "skins/ClassSkins.h"
#include "skins/SkinToolWindows.h"

namespace quillo {

namespace {

struct ButtonPlace {
    int index;
    int left, top, width, height;  // pixels
    const char* toolTip;
};
constexpr ButtonPlace kButtons[] = {
    {0, 9, 203, 154, 32, "Change To Selected Theme"},
    {1, 171, 208, 46, 28, "More.."},
    {2, 9, 242, 154, 32, "Import Theme Names Into Listbox"},
    {3, 171, 242, 46, 32, "Delete Theme From ListBox"},
    {4, 0, 242, 70, 32, ""},
};
// The rename button stands 5000 twips from the left, outside the window's 226 pixels.
constexpr double kRenameLeft = 5000;
constexpr int kShortHeight = 242;
constexpr int kLongHeight = 281;

}  // namespace

FormLoading::FormLoading() : Form("FormLoading") {
    setCaption("Loading Option");
    setBorderStyle(0);
    setShowInTaskbar(false);
    setWidth(PixelsToTwips(226));
    setHeight(PixelsToTwips(242));

    MoveInPixels(ListSkins, 8, 40, 209, 130);
    TextBoxSkinName.setText("Quillo");
    MoveInPixels(TextBoxSkinName, 10, 170, 207, 25);
    for (const ButtonPlace& place : kButtons) {
        runtime::PictureBox& button = Picture1(place.index);
        button.setBorderStyle(0);
        button.setToolTipText(place.toolTip);
        button.setTag("Unindented");
        MoveInPixels(button, place.left, place.top, place.width, place.height);
    }
    Picture1(4).setLeft(kRenameLeft);
    Label1.setBackStyle(0);
    MoveInPixels(Label1, 192, 8, 25, 25);
    Image1.setVisible(false);
    Image2.setVisible(false);

    Load = [this] { Form_Load(); };
    MouseDown = [this](int, int, double, double) { Form_MouseDown(); };
    Label1.Click = [this] { Label1_Click(); };
    CloseRequest = [this] { Label1_Click(); };
    ListSkins.Click = [this] { ListSkins_Click(); };
    WirePictureButtons(*this);
}

void FormLoading::Form_Load() {
    PlaceBesideEditor(*this);
    EditorSkins().Init(*this);
    FormBottomVisible = false;
}

void FormLoading::Form_MouseDown() {
    DragSkinToolWindow(*this);
}

void FormLoading::Label1_Click() {
    Hide();
}

void FormLoading::ListSkins_Click() {
    EditorSkins().ProcessListClick(*this);
}

void FormLoading::Picture1_Click(int Index) {
    switch (Index) {
        case 0:
            EditorSkins().ProcessPictureUploadClick(*this, runtime::form<form1>());
            break;
        case 1:
            if (FormBottomVisible) {
                setHeight(PixelsToTwips(kShortHeight));
                setPicture(Image1.getPicture());
                FormBottomVisible = false;
            } else {
                setHeight(PixelsToTwips(kLongHeight));
                setPicture(Image2.getPicture());
                FormBottomVisible = true;
            }
            break;
        case 2:
            EditorSkins().ProcessPictureLoad_Click(*this);
            break;
        case 3:
            EditorSkins().ProcessPictureRemove_Click(*this);
            break;
        case 4:
            EditorSkins().Rename(*this);
            break;
        default:
            break;
    }
}

void FormLoading::Picture1_MouseDown(int Index) {
    EditorSkins().IndentButton(Picture1(Index));
}

void FormLoading::Picture1_MouseUp(int Index) {
    EditorSkins().UnindentButton(Picture1(Index));
}

}  // namespace quillo
