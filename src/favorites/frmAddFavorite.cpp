#include "favorites/frmAddFavorite.h"

#include "shared/mdlPlacementFunctions.h"

namespace quillo {

frmAddFavorite::frmAddFavorite() : Form("frmAddFavorite") {
    setBorderStyle(0);
    setShowInTaskbar(false);
    setWidth(PixelsToTwips(251));
    setHeight(PixelsToTwips(370));

    MoveInPixels(txtFavoriteName, 8, 25, 228, 19);
    MoveInPixels(TV, 8, 51, 228, 249);
    TV.setLabelEdit(1);  // only New starts an edit
    for (runtime::Label* button : {&cmdNew, &cmdOK, &cmdCancel})
        button->setBackStyle(0);
    MoveInPixels(cmdNew, 16, 312, 65, 25);
    MoveInPixels(cmdOK, 88, 312, 65, 25);
    MoveInPixels(cmdCancel, 168, 312, 65, 25);

    mnuNew.setCaption("mnuNew");
    mnuNew.setVisible(false);
    mnuNewCommand.setCaption("New");
}

}  // namespace quillo
