#include "favorites/frmMoveFavorite.h"

#include <filesystem>
#include <system_error>

#include "favorites/FavoritesStore.h"
#include "favorites/FavoritesTree.h"
#include "favorites/frmOrganizeFavorite.h"
#include "mainwindow/Variables.h"
#include "runtime/Application.h"
#include "runtime/PathResolver.h"
#include "runtime/Picture.h"
#include "runtime/WholeFile.h"
#include "shared/ModuleLanguage.h"
#include "shared/mdlPlacementFunctions.h"

namespace quillo {

namespace {

namespace fs = std::filesystem;

// Copies the favorite's file to its new name, replacing a file there, then removes the
// original. Nothing changes for a name that would leave the folder, for a copy onto the file
// itself, or when the copy fails. The name comes from the folder's listing and is taken as it is.
void MoveFavoriteFile(const std::string& source, const std::string& folder,
                      const std::string& name) {
    if (!IsEntryName(name)) return;
    const fs::path from = runtime::ResolvePath(source);
    const fs::path to = runtime::ResolvePath(folder + "/" + name);
    std::error_code error;
    if (fs::exists(to, error) && fs::equivalent(from, to, error)) return;
    if (error || !runtime::CopyRegularFile(from, to)) return;
    fs::remove(from, error);
}

}  // namespace

frmMoveFavorite::frmMoveFavorite() : Form("frmMoveFavorite") {
    setBorderStyle(0);
    setShowInTaskbar(false);
    setWidth(PixelsToTwips(252));
    setHeight(PixelsToTwips(370));

    MoveInPixels(TV, 10, 10, 225, 289);
    for (runtime::DirListBox* list : {&DirMain, &DirSub, &DirCheck}) {
        list->setVisible(false);
        list->setHidden(true);
    }
    for (runtime::Label* button : {&cmdOK, &cmdCancel})
        button->setBackStyle(0);
    MoveInPixels(cmdOK, 88, 312, 65, 25);
    MoveInPixels(cmdCancel, 168, 312, 65, 25);

    Load = [this] { Form_Load(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
    CloseRequest = [this] { cmdCancel_Click(); };
}

void frmMoveFavorite::InitializeTreeView() {
    FavoritesTree(TV).Build();
}

void frmMoveFavorite::AddSubFolderNodes(const std::string& ParentKey,
                                        const std::string& Directory) {
    FavoritesTree(TV).AddSubFolders(ParentKey, Directory);
}

void frmMoveFavorite::Form_Load() {
    if (auto picture = runtime::LoadPicture(application().App().Path + "/" + LangName +
                                            "/FMFFormMoveFavorite.bmp"))
        setPicture(*picture);
    InitializeTreeView();
}

void frmMoveFavorite::setVisible(bool value) {
    if (value && loaded() && !Visible()) InitializeTreeView();
    Form::setVisible(value);
}

void frmMoveFavorite::cmdOK_Click() {
    frmOrganizeFavorite& organize = runtime::form<frmOrganizeFavorite>();
    runtime::ListView& list = organize.LV;
    // Without a chosen folder there is nowhere to move to.
    if (const runtime::Node* target = TV.SelectedItem()) {
        const std::string folder = FavoritesTree::Directory(*target);
        const int count = list.ListItems.Count();
        for (int i = 1; i <= count; ++i) {
            const runtime::ListItem* item = list.ListItems(i);
            if (item && item->Selected())
                MoveFavoriteFile(item->Key(), folder, item->Text() + ".url");
        }
    }
    const runtime::Node* listed = organize.TV.SelectedItem();
    organize.ReloadFavorite(listed ? listed->FullPath() : "Favorites");
    Unload();
}

void frmMoveFavorite::cmdCancel_Click() {
    Unload();
}

}  // namespace quillo
