#include "favorites/frmAddFavorite.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "favorites/FavoritesStore.h"
#include "mainwindow/Variables.h"
#include "runtime/Application.h"
#include "runtime/FolderListing.h"
#include "runtime/PathResolver.h"
#include "runtime/Picture.h"
#include "shared/ModuleLanguage.h"
#include "shared/mdlPlacementFunctions.h"

namespace quillo {

namespace {

constexpr const char* kRootKey = "MN";
constexpr const char* kRootText = "Favorites";

// The same folder however it is reached (links, letter case).
std::string Identity(const std::string& folder) {
    std::error_code error;
    std::filesystem::path real = std::filesystem::canonical(runtime::ResolvePath(folder), error);
    return error ? folder : real.string();
}

std::vector<std::string> SubFolders(const std::string& directory) {
    return runtime::FolderListing::folders(directory).value_or(std::vector<std::string>{});
}

// Gives the directory a new name in its folder; false, changing nothing, for a name that is
// empty, would leave the folder or is taken already (a folder is never merged into another).
bool RenameFolder(const std::string& directory, const std::string& name) {
    if (name.empty() || !IsSafeName(name)) return false;
    const std::string parent = directory.substr(0, directory.find_last_of("/\\"));
    const std::string target = runtime::ResolvePath(parent + "/" + name);
    std::error_code error;
    if (std::filesystem::exists(target, error) || error) return false;
    std::filesystem::rename(runtime::ResolvePath(directory), target, error);
    return !error;
}

}  // namespace

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

    Load = [this] { Form_Load(); };
    MouseDown = [this](int, int, double, double) { Form_MouseDown(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
    cmdNew.Click = [this] { cmdNew_Click(); };
    mnuNewCommand.Click = [this] { mnuNewCommand_Click(); };
    TV.NodeClick = [this](runtime::Node& node) { TV_NodeClick(node); };
    TV.MouseDown = [this](int button, int, double x, double y) { TV_MouseDown(button, x, y); };
    TV.AfterLabelEdit = [this](int& cancel, const std::optional<std::string>& text) {
        TV_AfterLabelEdit(cancel, text);
    };
}

std::string frmAddFavorite::NodeDirectory(const runtime::Node& node) {
    return WindowsDir + "/" + node.FullPath();
}

runtime::Node* frmAddFavorite::AddChild(const std::string& ParentKey, int Position,
                                        const std::string& Text) {
    // Positions run together without a separator, so "MN1" "1" and "MN" "11" meet; the branch
    // added later takes a suffix, which stays the same while the folders do not change.
    const std::string wanted = ParentKey + std::to_string(Position);
    std::string key = wanted;
    for (int n = 2; TV.Nodes.Item(key); ++n)
        key = wanted + "~" + std::to_string(n);
    return TV.Nodes.Add(ParentKey, runtime::tvwChild, key, Text);
}

void frmAddFavorite::InitializeTreeView() {
    TV.Nodes.Clear();
    const std::string root = WindowsDir + "/Favorites";
    const std::vector<std::string> folders = SubFolders(root);
    TV.Nodes.Add(nullptr, runtime::tvwLast, kRootKey, kRootText);
    walk_ = {Identity(root)};
    int position = 0;
    for (const std::string& name : folders) {
        runtime::Node* node = AddChild(kRootKey, ++position, name);
        if (node) AddSubFolders(node->Key(), root + "/" + name);
    }
    walk_.clear();
    TV.Nodes.Item(kRootKey)->setExpanded(true);
}

void frmAddFavorite::AddSubFolders(const std::string& ParentKey, const std::string& Directory) {
    const std::string identity = Identity(Directory);
    // A folder that leads back to one being walked is shown but not walked again.
    if (std::find(walk_.begin(), walk_.end(), identity) != walk_.end()) return;
    walk_.push_back(identity);
    int position = 0;
    for (const std::string& name : SubFolders(Directory)) {
        runtime::Node* node = AddChild(ParentKey, ++position, name);
        const std::string path = Directory + "/" + name;
        if (node && !name.empty() && !SubFolders(path).empty()) AddSubFolders(node->Key(), path);
    }
    walk_.pop_back();
}

void frmAddFavorite::Form_Load() {
    if (auto picture = runtime::LoadPicture(application().App().Path + "/" + LangName +
                                            "/FAFFormAddFavorite.bmp"))
        setPicture(*picture);
    InitializeTreeView();
    TV.setSelectedItem(TV.Nodes.Item(kRootKey));
    CurrentFolder = kRootText;
}

void frmAddFavorite::Form_MouseDown() {
    application().backend().windows().startSystemMove(*this);
}

void frmAddFavorite::cmdOK_Click() {
    const std::string name = TrimSpaces(txtFavoriteName.Text());
    // A name with a separator would land outside the chosen folder: nothing is written.
    if (IsSafeName(name + ".url"))
        WriteShortcut(WindowsDir + "/" + CurrentFolder + "/" + name + ".url", Tag());
    Unload();
}

void frmAddFavorite::cmdCancel_Click() {
    Unload();
}

void frmAddFavorite::cmdNew_Click() {
    CreateNewFolder();
}

void frmAddFavorite::mnuNewCommand_Click() {
    CreateNewFolder();
}

void frmAddFavorite::CreateNewFolder() {
    runtime::Node* parent = TV.SelectedItem();
    if (!parent) return;
    std::vector<std::string> siblings;
    for (const runtime::Node* child : parent->children())
        siblings.push_back(child->Text());
    runtime::Node* node = AddChild(parent->Key(), parent->Children() + 1, NewFolderName(siblings));
    if (!node) return;
    parent->setExpanded(true);
    TV.setSelectedItem(node);
    TV.StartLabelEdit();

    CurrentFolder = node->FullPath();
    const std::string directory = NodeDirectory(*node);
    std::error_code error;
    std::filesystem::create_directory(runtime::ResolvePath(directory), error);
    PendingFolderPath = directory;
}

void frmAddFavorite::TV_NodeClick(runtime::Node& node) {
    if (node.Text() == kRootText) TV.Nodes.Item(kRootKey)->setExpanded(true);
    CurrentFolder = node.FullPath();
}

void frmAddFavorite::TV_MouseDown(int Button, double x, double y) {
    if (Button == runtime::vbRightButton) {
        TV.setDropHighlight(TV.HitTest(x, y));
        runtime::Node* node = TV.DropHighlight();
        if (node && !node->Text().empty()) {
            TV.setSelectedItem(node);
            PopupMenu(mnuNew);
        }
    }
    TV.setDropHighlight(nullptr);
}

void frmAddFavorite::TV_AfterLabelEdit(int& Cancel, const std::optional<std::string>& NewString) {
    const std::string pending = std::exchange(PendingFolderPath, {});
    runtime::Node* node = TV.SelectedItem();
    // The node keeps showing its folder's name on disk (trimmed, or the generated one when the
    // rename failed), so OK writes into the folder shown.
    Cancel = 1;
    // Only a folder just made by New is named here; any other edit changes nothing.
    if (pending.empty() || !node || NodeDirectory(*node) != pending || !NewString) return;
    const std::string name = TrimSpaces(*NewString);
    if (!RenameFolder(pending, name)) return;
    node->setText(name);
    CurrentFolder = node->FullPath();
}

}  // namespace quillo
