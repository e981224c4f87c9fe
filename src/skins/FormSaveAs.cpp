#include "skins/FormSaveAs.h"

#include "mainwindow/form1.h"
#include "runtime/Application.h"
#include "shared/mdlPlacementFunctions.h"
#include "skins/ClassSkins.h"
#include "skins/SkinToolWindows.h"

namespace quillo {

FormSaveAs::FormSaveAs() : Form("FormSaveAs") {
    setCaption("Save As");
    setBorderStyle(0);
    setShowInTaskbar(false);
    setWidth(PixelsToTwips(226));
    setHeight(PixelsToTwips(255));

    MoveInPixels(ListSkins, 8, 40, 209, 122);
    MoveInPixels(TextBoxSkinName, 8, 180, 209, 29);
    for (auto& [index, button] : Picture1) {
        button->setBorderStyle(0);
        button->setTag("Unindented");
        MoveInPixels(*button, index == 0 ? 45 : 114, 216, 64, 32);
    }
    Label1.setBackStyle(0);
    MoveInPixels(Label1, 192, 8, 25, 25);

    Load = [this] { Form_Load(); };
    MouseDown = [this](int, int, double, double) { Form_MouseDown(); };
    Label1.Click = [this] { Label1_Click(); };
    CloseRequest = [this] { Label1_Click(); };
    ListSkins.Click = [this] { ListSkins_Click(); };
    WirePictureButtons(*this);
}

void FormSaveAs::Form_Load() {
    PlaceBesideEditor(*this);
    EditorSkins().Init(*this);
}

void FormSaveAs::Form_MouseDown() {
    DragSkinToolWindow(*this);
}

void FormSaveAs::Label1_Click() {
    Hide();
}

void FormSaveAs::ListSkins_Click() {
    EditorSkins().ProcessListClick(*this);
}

void FormSaveAs::Picture1_Click(int Index) {
    if (Index == 0)
        EditorSkins().ProcessPictureSaveClick(*this, runtime::form<form1>());
    else if (Index == 1)
        Hide();
}

void FormSaveAs::Picture1_MouseDown(int Index) {
    EditorSkins().IndentButton(Picture1(Index));
}

void FormSaveAs::Picture1_MouseUp(int Index) {
    EditorSkins().UnindentButton(Picture1(Index));
}

}  // namespace quillo
