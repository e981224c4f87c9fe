#pragma once

#include <array>
#include <optional>
#include <string>

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

    // "Tree View" or "List View": where Rename and Delete act.
    std::string LastFocus = "Tree View";
    // 0 while an edit names a folder made by New, 1 while it renames a folder.
    int EditMode = 0;
    // The directory made last by New, until it is named; empty when none.
    std::string PendingNewPath;
    // The directory of the folder being renamed; the file of the favorite being renamed.
    std::string RenamePath;
    std::string RenameKey;
    // Keys of the folders the user expanded, kept while the program runs so that the tree
    // reopens as it was left. Empty slots are free.
    static std::array<std::string, 500> ExpandedKeys;

    // Rebuilds the folder tree and expands the remembered folders again.
    void InitializeTreeView();
    // Lists the favorites of the folder at this tree path ("Favorites/Games").
    void ReloadFavorite(std::string xPath);
    void CreateNewFolder();
    void RenameFolder();
    void DeleteFolder();
    void RenameFavorite();
    void DeleteFavorites();

    void Form_Load();
    // Every showing lists the folders and the root's favorites as they are now: the dialog may
    // have stayed loaded, hidden, since start-up while they changed.
    void setVisible(bool value) override;
    void Form_MouseDown();
    void cmdNew_Click();
    void cmdRename_Click();
    void cmdDelete_Click();
    void cmdMove_Click();
    void cmdClose_Click();
    void TV_KeyDown(int& KeyCode, int Shift);
    void LV_KeyDown(int& KeyCode, int Shift);
    void mnuTVMenuCommand_Click(int Index);
    void mnuLVMenuCommand_Click(int Index);
    void TV_GotFocus();
    void LV_GotFocus();
    void TV_NodeClick(runtime::Node& node);
    void TV_MouseDown(int Button, double x, double y);
    void LV_MouseDown(int Button, double x, double y);
    void TV_Expand(runtime::Node& node);
    void TV_Collapse(runtime::Node& node);
    void TV_AfterLabelEdit(int& Cancel, const std::optional<std::string>& NewString);
    void LV_AfterLabelEdit(int& Cancel, const std::optional<std::string>& NewString);

  private:
    // The tree with its remembered expansions, and the root's favorites, read afresh.
    void ListFolders();
    int SelectedCount() const;
    // Tells the user that a name was refused.
    void ShowRefusal();
    // The tree path listed last, for a reload when no folder is selected.
    std::string listed_ = "Favorites";
};

}  // namespace quillo
