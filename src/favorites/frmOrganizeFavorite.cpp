#include "favorites/frmOrganizeFavorite.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

#include "favorites/FavoritesStore.h"
#include "favorites/FavoritesTree.h"
#include "favorites/frmMoveFavorite.h"
#include "mainwindow/Variables.h"
#include "runtime/Application.h"
#include "runtime/PathResolver.h"
#include "runtime/Picture.h"
#include "shared/ModuleLanguage.h"
#include "shared/mdlPlacementFunctions.h"

namespace quillo {

namespace {

constexpr const char* kRootKey = "MN";
constexpr const char* kRootText = "Favorites";
constexpr const char* kTreeView = "Tree View";
constexpr const char* kListView = "List View";
constexpr int kDeleteKey = 46;

// What follows the folder in a tree path: "" for the folder itself, "/Cats" for a folder inside
// it; nothing for a path outside it.
std::optional<std::string> PathBelow(const std::string& path, const std::string& folder) {
    if (path == folder) return std::string();
    if (path.starts_with(folder + "/")) return path.substr(folder.size());
    return std::nullopt;
}

}  // namespace

std::array<std::string, 500> frmOrganizeFavorite::ExpandedKeys;

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
    // Every favorite counts, a ".url" saved without a name too.
    flbFavorites.setHidden(true);

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

    Load = [this] { Form_Load(); };
    MouseDown = [this](int, int, double, double) { Form_MouseDown(); };
    cmdNew.Click = [this] { cmdNew_Click(); };
    cmdRename.Click = [this] { cmdRename_Click(); };
    cmdDelete.Click = [this] { cmdDelete_Click(); };
    cmdMove.Click = [this] { cmdMove_Click(); };
    cmdClose.Click = [this] { cmdClose_Click(); };
    CloseRequest = [this] { cmdClose_Click(); };
    TV.KeyDown = [this](int& key, int shift) { TV_KeyDown(key, shift); };
    LV.KeyDown = [this](int& key, int shift) { LV_KeyDown(key, shift); };
    for (auto& [index, entry] : mnuTVMenuCommand)
        entry->Click = [this, index = index] { mnuTVMenuCommand_Click(index); };
    for (auto& [index, entry] : mnuLVMenuCommand)
        entry->Click = [this, index = index] { mnuLVMenuCommand_Click(index); };
    TV.GotFocus = [this] { TV_GotFocus(); };
    LV.GotFocus = [this] { LV_GotFocus(); };
    TV.NodeClick = [this](runtime::Node& node) { TV_NodeClick(node); };
    TV.MouseDown = [this](int button, int, double x, double y) { TV_MouseDown(button, x, y); };
    LV.MouseDown = [this](int button, int, double x, double y) { LV_MouseDown(button, x, y); };
    TV.Expand = [this](runtime::Node& node) { TV_Expand(node); };
    TV.Collapse = [this](runtime::Node& node) { TV_Collapse(node); };
    TV.AfterLabelEdit = [this](int& cancel, const std::optional<std::string>& text) {
        TV_AfterLabelEdit(cancel, text);
    };
    LV.AfterLabelEdit = [this](int& cancel, const std::optional<std::string>& text) {
        LV_AfterLabelEdit(cancel, text);
    };
}

void frmOrganizeFavorite::InitializeTreeView() {
    // Expanding here is the program's doing, not the user's: the table is only read.
    FavoritesTree(TV, [](runtime::Node& node) {
        if (std::find(ExpandedKeys.begin(), ExpandedKeys.end(), node.Key()) != ExpandedKeys.end())
            node.setExpanded(true);
    }).Build();
}

void frmOrganizeFavorite::ReloadFavorite(std::string xPath) {
    listed_ = xPath;
    const std::string folder = WindowsDir + "/" + xPath;
    // A folder that can no longer be read lists nothing.
    flbFavorites.setPath(folder + "/");
    LV.ListItems.Clear();
    for (int i = 0; i < flbFavorites.ListCount(); ++i) {
        const std::string name = flbFavorites.List(i);
        const std::size_t dot = name.find_last_of('.');
        LV.ListItems.Add(folder + "/" + name,
                         dot == std::string::npos ? name : name.substr(0, dot));
    }
}

void frmOrganizeFavorite::Form_Load() {
    if (auto picture = runtime::LoadPicture(application().App().Path + "/" + LangName +
                                            "/FOFFormOrganizeFavorite.bmp"))
        setPicture(*picture);
    ListFolders();
}

void frmOrganizeFavorite::setVisible(bool value) {
    if (value && loaded() && !Visible()) ListFolders();
    Form::setVisible(value);
}

void frmOrganizeFavorite::ListFolders() {
    InitializeTreeView();
    LastFocus = kTreeView;
    ReloadFavorite(kRootText);
}

void frmOrganizeFavorite::Form_MouseDown() {
    application().backend().windows().startSystemMove(*this);
}

void frmOrganizeFavorite::cmdNew_Click() {
    CreateNewFolder();
}

void frmOrganizeFavorite::cmdRename_Click() {
    if (LastFocus == kTreeView)
        RenameFolder();
    else if (LastFocus == kListView)
        RenameFavorite();
}

void frmOrganizeFavorite::cmdDelete_Click() {
    if (LastFocus == kTreeView)
        DeleteFolder();
    else if (LastFocus == kListView)
        DeleteFavorites();
}

void frmOrganizeFavorite::cmdClose_Click() {
    Unload();
}

void frmOrganizeFavorite::TV_KeyDown(int& KeyCode, int) {
    if (KeyCode == kDeleteKey) DeleteFolder();
}

void frmOrganizeFavorite::LV_KeyDown(int& KeyCode, int) {
    if (KeyCode == kDeleteKey) DeleteFavorites();
}

void frmOrganizeFavorite::mnuTVMenuCommand_Click(int Index) {
    if (Index == 0)
        CreateNewFolder();
    else if (Index == 2)
        RenameFolder();
    else if (Index == 3)
        DeleteFolder();
}

void frmOrganizeFavorite::mnuLVMenuCommand_Click(int Index) {
    if (Index == 0)
        RenameFavorite();
    else if (Index == 1)
        DeleteFavorites();
    else if (Index == 3)
        runtime::form<frmMoveFavorite>().Show(runtime::ShowMode::Modal);
}

void frmOrganizeFavorite::TV_GotFocus() {
    for (runtime::Label* button : {&cmdNew, &cmdRename, &cmdDelete, &cmdMove, &cmdClose})
        button->setEnabled(true);
    LastFocus = kTreeView;
}

void frmOrganizeFavorite::LV_GotFocus() {
    cmdNew.setEnabled(false);
    if (LV.SelectedItem())
        for (runtime::Label* button : {&cmdRename, &cmdDelete, &cmdMove})
            button->setEnabled(true);
    cmdClose.setEnabled(true);
    LastFocus = kListView;
}

void frmOrganizeFavorite::TV_NodeClick(runtime::Node& node) {
    if (node.Text() == kRootText) TV.Nodes.Item(kRootKey)->setExpanded(true);
    ReloadFavorite(node.FullPath());
}

void frmOrganizeFavorite::TV_MouseDown(int Button, double x, double y) {
    if (Button == runtime::vbRightButton) {
        TV.setDropHighlight(TV.HitTest(x, y));
        runtime::Node* node = TV.DropHighlight();
        if (node && !node->Text().empty()) {
            TV.setSelectedItem(node);
            PopupMenu(mnuTVMenu);
        }
    }
    TV.setDropHighlight(nullptr);
}

int frmOrganizeFavorite::SelectedCount() const {
    int count = 0;
    for (int i = 1; i <= LV.ListItems.Count(); ++i)
        count += LV.ListItems(i)->Selected() ? 1 : 0;
    return count;
}

void frmOrganizeFavorite::LV_MouseDown(int Button, double x, double y) {
    if (Button == runtime::vbRightButton) {
        if (SelectedCount() <= 1) LV.setSelectedItem(nullptr);
        LV.setDropHighlight(LV.HitTest(x, y));
        runtime::ListItem* item = LV.DropHighlight();
        if (item && !item->Text().empty()) {
            LV.setSelectedItem(item);
            PopupMenu(mnuLVMenu);
        }
    }
    LV.setDropHighlight(nullptr);
}

void frmOrganizeFavorite::TV_Expand(runtime::Node& node) {
    auto slot = std::find(ExpandedKeys.begin(), ExpandedKeys.end(), std::string());
    if (slot != ExpandedKeys.end()) *slot = node.Key();
}

void frmOrganizeFavorite::TV_Collapse(runtime::Node& node) {
    auto slot = std::find(ExpandedKeys.begin(), ExpandedKeys.end(), node.Key());
    if (slot != ExpandedKeys.end()) slot->clear();
}

void frmOrganizeFavorite::CreateNewFolder() {
    runtime::Node* parent = TV.SelectedItem();
    if (!parent) return;
    std::vector<std::string> siblings;
    for (const runtime::Node* child : parent->children())
        siblings.push_back(child->Text());
    runtime::Node* node =
        FavoritesTree(TV).AddChild(parent->Key(), parent->Children() + 1, NewFolderName(siblings));
    if (!node) return;
    parent->setExpanded(true);
    TV.setSelectedItem(node);
    TV.StartLabelEdit();

    const std::string directory = FavoritesTree::Directory(*node);
    std::error_code error;
    std::filesystem::create_directory(runtime::ResolvePath(directory), error);
    PendingNewPath = directory;
    EditMode = 0;
}

void frmOrganizeFavorite::RenameFolder() {
    runtime::Node* node = TV.SelectedItem();
    if (!node || node->Key() == kRootKey) return;
    RenamePath = FavoritesTree::Directory(*node);
    TV.StartLabelEdit();
    EditMode = 1;
}

void frmOrganizeFavorite::TV_AfterLabelEdit(int& Cancel,
                                            const std::optional<std::string>& NewString) {
    runtime::Node* node = TV.SelectedItem();
    // Only the folder the edit was started for is renamed, and only to a name that stays in
    // its folder; the node then shows the folder's name on disk.
    const std::string directory = std::exchange(EditMode == 0 ? PendingNewPath : RenamePath, {});
    if (!NewString) return;
    const std::string name = TrimSpaces(*NewString);
    const bool renamed = !directory.empty() && node &&
                         FavoritesTree::Directory(*node) == directory &&
                         RenameDirectory(directory, name);
    Cancel = 1;
    if (!renamed) {
        if (EditMode == 1) ShowRefusal();
        return;
    }
    const std::string before = node->FullPath();
    node->setText(name);
    // The favorites listed from that folder, or from one inside it, lie under its new name now.
    if (const auto rest = PathBelow(listed_, before)) ReloadFavorite(node->FullPath() + *rest);
}

void frmOrganizeFavorite::ShowRefusal() {
    application().backend().dialogs().messageBox("Error", runtime::MsgBoxButtons::OK,
                                                 runtime::MsgBoxIcon::None, "");
}

void frmOrganizeFavorite::DeleteFolder() {
    runtime::Node* node = TV.SelectedItem();
    if (!node || node->Key() == kRootKey) return;
    const runtime::MsgBoxResult answer = application().backend().dialogs().messageBox(
        "Confirm to delete folder?", runtime::MsgBoxButtons::YesNo, runtime::MsgBoxIcon::Question,
        "D e l e t e   F o l d e r");
    if (answer != runtime::MsgBoxResult::Yes) return;
    const std::string deleted = node->FullPath();
    // A link inside the folder goes with it; what it points to stays.
    std::error_code error;
    std::filesystem::remove_all(runtime::ResolvePath(FavoritesTree::Directory(*node)), error);
    InitializeTreeView();
    // Favorites listed from inside it are gone with it.
    if (PathBelow(listed_, deleted)) ReloadFavorite(listed_);
}

void frmOrganizeFavorite::RenameFavorite() {
    runtime::ListItem* item = LV.SelectedItem();
    if (!item || item->Text().empty()) return;
    RenameKey = item->Key();
    LV.SetFocus();
    LV.StartLabelEdit();
}

void frmOrganizeFavorite::LV_AfterLabelEdit(int& Cancel,
                                            const std::optional<std::string>& NewString) {
    const std::string key = std::exchange(RenameKey, {});
    if (!NewString || key.empty()) return;
    // The name keeps its spaces; it must show as a name, stay in its folder and not replace
    // another favorite.
    const std::string name = *NewString + ".url";
    if (IsBlankName(*NewString) || !RenameInFolder(key, name)) {
        Cancel = 1;
        ShowRefusal();
        return;
    }
    // The list catches up at once, so that Rename and Delete find the favorite by its new name.
    ReloadFavorite(listed_);
    LV.setSelectedItem(LV.ListItems.Item(key.substr(0, key.find_last_of('/') + 1) + name));
}

void frmOrganizeFavorite::DeleteFavorites() {
    for (int i = 1; i <= LV.ListItems.Count(); ++i) {
        if (!LV.ListItems(i)->Selected()) continue;
        std::error_code error;
        std::filesystem::remove(runtime::ResolvePath(LV.ListItems(i)->Key()), error);
    }
    runtime::Node* node = TV.SelectedItem();
    ReloadFavorite(node ? node->FullPath() : listed_);
}

void frmOrganizeFavorite::cmdMove_Click() {
    runtime::Node* node = TV.SelectedItem();
    if (!LV.SelectedItem() && (!node || node->Key() == kRootKey)) return;
    frmMoveFavorite& move = runtime::form<frmMoveFavorite>();
    move.setWidth(PixelsToTwips(252));
    move.setHeight(PixelsToTwips(370));
    MoveInPixels(move.cmdOK, 88, 312, 65, 25);
    MoveInPixels(move.cmdCancel, 168, 312, 65, 25);
    MoveInPixels(move.TV, 10, 10, 225, 289);
    move.Show(runtime::ShowMode::Modal);
}

}  // namespace quillo
