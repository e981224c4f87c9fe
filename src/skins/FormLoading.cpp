#include "skins/FormLoading.h"

#include "shared/mdlPlacementFunctions.h"

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
        MoveInPixels(button, place.left, place.top, place.width, place.height);
    }
    Picture1(4).setLeft(kRenameLeft);
    Label1.setBackStyle(0);
    MoveInPixels(Label1, 192, 8, 25, 25);
    Image1.setVisible(false);
    Image2.setVisible(false);
}

}  // namespace quillo
