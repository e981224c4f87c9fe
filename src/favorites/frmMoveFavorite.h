#pragma once

#include "runtime/DirListBox.h"
#include "runtime/Form.h"
#include "runtime/Label.h"
#include "runtime/TreeView.h"

namespace quillo {

// The move-favorite dialog: the folder tree to choose the target from, and OK and Cancel as
// transparent spots over the dialog's bitmap.
class frmMoveFavorite : public runtime::Form {
  public:
    frmMoveFavorite();

    runtime::TreeView& TV = add<runtime::TreeView>("TV");
    // Folder lists that build the tree; never shown.
    runtime::DirListBox& DirMain = add<runtime::DirListBox>("DirMain");
    runtime::DirListBox& DirSub = add<runtime::DirListBox>("DirSub");
    runtime::DirListBox& DirCheck = add<runtime::DirListBox>("DirCheck");
    runtime::Label& cmdOK = add<runtime::Label>("cmdOK");
    runtime::Label& cmdCancel = add<runtime::Label>("cmdCancel");
};

}  // namespace quillo
