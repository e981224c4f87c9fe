#pragma once

#include <optional>
#include <string>
#include <vector>

#include "runtime/Form.h"
#include "runtime/Label.h"
#include "runtime/Menu.h"
#include "runtime/TextBox.h"
#include "runtime/TreeView.h"

namespace quillo {

// The add-favorite dialog: the favorite's name, the folder tree, and New, OK and Cancel as
// transparent spots over the dialog's bitmap. Tag holds the address to save. OK writes the
// shortcut into CurrentFolder and closes; when the shortcut cannot be written it stays open with
// the name selected. Other file-system failures are skipped without a message.
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

    // The tree path ("Favorites/Shops") of the folder OK writes into.
    std::string CurrentFolder;
    // The directory made last by New, until the user has named it; empty when none.
    std::string PendingFolderPath;

    // Rebuilds the whole folder tree from disk: the root "MN" expanded, everything else collapsed.
    void InitializeTreeView();
    // Adds the sub-folders of Directory below the node ParentKey, depth first.
    void AddSubFolders(const std::string& ParentKey, const std::string& Directory);
    // Makes a folder below the selected node and starts editing its name.
    void CreateNewFolder();
    // Selects the whole name in the name box and gives it the focus.
    void SelectName();

    void Form_Load();
    // Every showing starts from the folders as they are now, the root chosen: the dialog may
    // have stayed loaded, hidden, since start-up while they changed.
    void setVisible(bool value) override;
    void Form_MouseDown();
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdNew_Click();
    void mnuNewCommand_Click();
    void TV_NodeClick(runtime::Node& node);
    void TV_MouseDown(int Button, double x, double y);
    void TV_AfterLabelEdit(int& Cancel, const std::optional<std::string>& NewString);

    // The directory a node of the tree stands for.
    static std::string NodeDirectory(const runtime::Node& node);

  private:
    // The tree read afresh with the root chosen as the folder OK writes into.
    void ListFolders();
    // Adds a child of the parent; the key is the parent's key and the position, made unique
    // when another branch holds it already. Returns the new node.
    runtime::Node* AddChild(const std::string& ParentKey, int Position, const std::string& Text);
};

}  // namespace quillo
