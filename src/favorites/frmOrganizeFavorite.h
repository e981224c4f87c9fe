#pragma once

#include "runtime/ControlArray.h"
#include "runtime/FileListBox.h"
#include "runtime/Form.h"
#include "runtime/Label.h"
#include "runtime/ListView.h"
#include "runtime/Menu.h"
#include "runtime/TreeView.h"

namespace quillo {

// The organize-favorites dialog: the folder tree beside the favorites of the chosen folder, and
// five buttons above them as transparent spots over the dialog's bitmap.
class frmOrganizeFavorite : public runtime::Form {
  public:
    frmOrganizeFavorite();

    runtime::Label& cmdNew = add<runtime::Label>("cmdNew");
    runtime::Label& cmdRename = add<runtime::Label>("cmdRename");
    runtime::Label& cmdDelete = add<runtime::Label>("cmdDelete");
    runtime::Label& cmdMove = add<runtime::Label>("cmdMove");
    runtime::Label& cmdClose = add<runtime::Label>("cmdClose");
    runtime::TreeView& TV = add<runtime::TreeView>("TV");
    runtime::ListView& LV = add<runtime::ListView>("LV");
    // Lists the files of the folder shown in LV; never shown itself.
    runtime::FileListBox& flbFavorites = add<runtime::FileListBox>("flbFavorites");
    // The context menus of the tree and of the list, kept out of the menu bar.
    runtime::Menu& mnuTVMenu = add<runtime::Menu>("mnuTVMenu");
    runtime::ControlArray<runtime::Menu> mnuTVMenuCommand =
        addArray<runtime::Menu>("mnuTVMenuCommand", {0, 1, 2, 3}, &mnuTVMenu);
    runtime::Menu& mnuLVMenu = add<runtime::Menu>("mnuLVMenu");
    runtime::ControlArray<runtime::Menu> mnuLVMenuCommand =
        addArray<runtime::Menu>("mnuLVMenuCommand", {0, 1, 2, 3}, &mnuLVMenu);
};

}  // namespace quillo
