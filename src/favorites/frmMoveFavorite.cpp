#include "favorites/frmMoveFavorite.h"

#include "shared/mdlPlacementFunctions.h"

namespace quillo {

frmMoveFavorite::frmMoveFavorite() : Form("frmMoveFavorite") {
    setBorderStyle(0);
    setShowInTaskbar(false);
    setWidth(PixelsToTwips(252));
    setHeight(PixelsToTwips(370));

    MoveInPixels(TV, 10, 10, 225, 289);
    for (runtime::DirListBox* list : {&DirMain, &DirSub, &DirCheck})
        list->setVisible(false);
    for (runtime::Label* button : {&cmdOK, &cmdCancel})
        button->setBackStyle(0);
    MoveInPixels(cmdOK, 88, 312, 65, 25);
    MoveInPixels(cmdCancel, 168, 312, 65, 25);
}

}  // namespace quillo
