#include "skins/FormSaveAs.h"

#include "shared/mdlPlacementFunctions.h"

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
        MoveInPixels(*button, index == 0 ? 45 : 114, 216, 64, 32);
    }
    Label1.setBackStyle(0);
    MoveInPixels(Label1, 192, 8, 25, 25);
}

}  // namespace quillo
