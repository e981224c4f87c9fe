#pragma once

#include <string>

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

    // Rebuilds the folder tree from disk, only the root expanded.
    void InitializeTreeView();
    // Adds the sub-folders of Directory below the node ParentKey, depth first.
    void AddSubFolderNodes(const std::string& ParentKey, const std::string& Directory);

    void Form_Load();
    // Every showing lists the folders as they are now: the dialog may have stayed loaded,
    // hidden, since start-up while they changed.
    void setVisible(bool value) override;
    // Moves the favorites selected in the organize dialog into the folder selected here.
    void cmdOK_Click();
    void cmdCancel_Click();
};

}  // namespace quillo
