#include "favorites/frmAddFavorite.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "favorites/FavoritesStore.h"
#include "favorites/FavoritesTree.h"
#include "mainwindow/Variables.h"
#include "runtime/Application.h"
#include "runtime/FolderListing.h"
#include "runtime/PathResolver.h"
#include "runtime/Picture.h"
#include "runtime/Utf8.h"
#include "shared/ModuleLanguage.h"
#include "shared/mdlPlacementFunctions.h"

namespace quillo {

namespace {

constexpr const char* kRootKey = "MN";
constexpr const char* kRootText = "Favorites";

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
    CloseRequest = [this] { cmdCancel_Click(); };
    cmdNew.Click = [this] { cmdNew_Click(); };
    mnuNewCommand.Click = [this] { mnuNewCommand_Click(); };
    TV.NodeClick = [this](runtime::Node& node) { TV_NodeClick(node); };
    TV.MouseDown = [this](int button, int, double x, double y) { TV_MouseDown(button, x, y); };
    TV.AfterLabelEdit = [this](int& cancel, const std::optional<std::string>& text) {
        TV_AfterLabelEdit(cancel, text);
    };
}

std::string frmAddFavorite::NodeDirectory(const runtime::Node& node) {
    return FavoritesTree::Directory(node);
}

runtime::Node* frmAddFavorite::AddChild(const std::string& ParentKey, int Position,
                                        const std::string& Text) {
    return FavoritesTree(TV).AddChild(ParentKey, Position, Text);
}

void frmAddFavorite::InitializeTreeView() {
    FavoritesTree(TV).Build();
}

void frmAddFavorite::AddSubFolders(const std::string& ParentKey, const std::string& Directory) {
    FavoritesTree(TV).AddSubFolders(ParentKey, Directory);
}

void frmAddFavorite::Form_Load() {
    if (auto picture = runtime::LoadPicture(application().App().Path + "/" + LangName +
                                            "/FAFFormAddFavorite.bmp"))
        setPicture(*picture);
    ListFolders();
}

void frmAddFavorite::setVisible(bool value) {
    if (value && loaded() && !Visible()) ListFolders();
    Form::setVisible(value);
}

void frmAddFavorite::ListFolders() {
    InitializeTreeView();
    TV.setSelectedItem(TV.Nodes.Item(kRootKey));
    CurrentFolder = kRootText;
}

void frmAddFavorite::Form_MouseDown() {
    application().backend().windows().startSystemMove(*this);
}

void frmAddFavorite::SelectName() {
    txtFavoriteName.setSelStart(0);
    txtFavoriteName.setSelLength(runtime::CodePointCount(txtFavoriteName.Text()));
    txtFavoriteName.SetFocus();
}

void frmAddFavorite::cmdOK_Click() {
    const std::string name = TrimSpaces(txtFavoriteName.Text());
    // A name that would land outside the chosen folder, or that the folder does not take, saves
    // nothing: rather than closing as if it had saved, the dialog stays with the name chosen for
    // the user to change.
    if (!IsSafeName(name + ".url") ||
        !WriteShortcut(WindowsDir + "/" + CurrentFolder + "/" + name + ".url", Tag())) {
        SelectName();
        return;
    }
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
    if (!RenameDirectory(pending, name)) return;
    node->setText(name);
    CurrentFolder = node->FullPath();
}

}  // namespace quillo
