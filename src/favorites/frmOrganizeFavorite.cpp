#include "favorites/frmOrganizeFavorite.h"

#include "shared/mdlPlacementFunctions.h"

namespace quillo {

frmOrganizeFavorite::frmOrganizeFavorite() : Form("frmOrganizeFavorite") {
    setBorderStyle(0);
    setShowInTaskbar(false);
    setWidth(PixelsToTwips(359));
    setHeight(PixelsToTwips(373));

    int left = 24;
    for (runtime::Label* button : {&cmdNew, &cmdRename, &cmdDelete, &cmdMove, &cmdClose}) {
        button->setBackStyle(0);
        MoveInPixels(*button, left, 20, 49, 25);
        left += 64;
    }
    MoveInPixels(TV, 11, 62, 161, 278);
    TV.setLabelEdit(1);
    MoveInPixels(LV, 183, 62, 161, 278);
    LV.setLabelEdit(1);
    LV.setMultiSelect(true);
    LV.setView(2);
    flbFavorites.setVisible(false);

    mnuTVMenu.setCaption("mnuTVMenu");
    mnuTVMenu.setVisible(false);
    const char* treeEntries[] = {"New", "-", "Rename", "Delete"};
    for (auto& [index, entry] : mnuTVMenuCommand)
        entry->setCaption(treeEntries[index]);
    mnuLVMenu.setCaption("mnuLVMenu");
    mnuLVMenu.setVisible(false);
    const char* listEntries[] = {"Rename", "Delete", "-", "Move"};
    for (auto& [index, entry] : mnuLVMenuCommand)
        entry->setCaption(listEntries[index]);
}

}  // namespace quillo
