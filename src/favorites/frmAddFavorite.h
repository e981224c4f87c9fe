#pragma once

#include "runtime/Form.h"
#include "runtime/Label.h"
#include "runtime/Menu.h"
#include "runtime/TextBox.h"
#include "runtime/TreeView.h"

namespace quillo {

// The add-favorite dialog: the favorite's name, the folder tree, and New, OK and Cancel as
// transparent spots over the dialog's bitmap.
class frmAddFavorite : public runtime::Form {
  public:
    frmAddFavorite();

    runtime::TextBox& txtFavoriteName = add<runtime::TextBox>("txtFavoriteName");
    runtime::TreeView& TV = add<runtime::TreeView>("TV");
    runtime::Label& cmdNew = add<runtime::Label>("cmdNew");
    runtime::Label& cmdOK = add<runtime::Label>("cmdOK");
    runtime::Label& cmdCancel = add<runtime::Label>("cmdCancel");
    // The tree's context menu, kept out of the menu bar.
    runtime::Menu& mnuNew = add<runtime::Menu>("mnuNew");
    runtime::Menu& mnuNewCommand = add<runtime::Menu>("mnuNewCommand", &mnuNew);
};

}  // namespace quillo
