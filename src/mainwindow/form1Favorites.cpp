// The favorites button opens a menu of the Favorites folder tree, with the commands that open the
// add-favorite and organize-favorites dialogs; a chosen favorite opens in the main browser.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "favorites/frmAddFavorite.h"
#include "favorites/frmOrganizeFavorite.h"
#include "mainwindow/form1.h"
#include "runtime/Application.h"
#include "runtime/PathResolver.h"
#include "runtime/Utf8.h"
#include "shared/ModuleFucns.h"
#include "shared/mdlPlacementFunctions.h"
#include "shared/mdlSpecialDirectory.h"

namespace quillo {

namespace {

void SetSizeInPixels(runtime::Form& window, std::int32_t width, std::int32_t height) {
    window.setWidth(PixelsToTwips(width));
    window.setHeight(PixelsToTwips(height));
}

// Every opening puts both dialogs back to their fixed sizes and control places.
void LayOutFavoriteDialogs() {
    frmAddFavorite& add = runtime::form<frmAddFavorite>();
    SetSizeInPixels(add, 251, 370);
    MoveInPixels(add.txtFavoriteName, 8, 25, 228, 19);
    MoveInPixels(add.TV, 8, 51, 228, 249);
    MoveInPixels(add.cmdNew, 16, 312, 65, 25);
    MoveInPixels(add.cmdOK, 88, 312, 65, 25);
    MoveInPixels(add.cmdCancel, 168, 312, 65, 25);

    frmOrganizeFavorite& organize = runtime::form<frmOrganizeFavorite>();
    SetSizeInPixels(organize, 359, 373);
    MoveInPixels(organize.cmdNew, 24, 20, 49, 25);
    MoveInPixels(organize.cmdRename, 88, 20, 49, 25);
    MoveInPixels(organize.cmdDelete, 152, 20, 49, 25);
    MoveInPixels(organize.cmdMove, 216, 20, 49, 25);
    MoveInPixels(organize.cmdClose, 280, 20, 49, 25);
    MoveInPixels(organize.TV, 11, 62, 161, 278);
    MoveInPixels(organize.LV, 183, 62, 161, 278);
}

// A whole number of twips, a half going to the even neighbour.
double Whole(double twips) {
    return std::nearbyint(twips);
}

// The name of the listed entry: the list gives the folder's path, a separator and the name.
std::string ListedName(const runtime::DirListBox& list, int index) {
    return list.List(index).substr(list.Path().size() + 1);
}

// The same folder however it is reached (links, letter case), for telling loops apart.
std::string Identity(const std::string& folder) {
    std::error_code error;
    std::filesystem::path real = std::filesystem::canonical(runtime::ResolvePath(folder), error);
    return error ? folder : real.string();
}

// The page title as a file name: the characters that file names cannot hold become "_".
std::string FavoriteName(std::string title) {
    std::replace_if(
        title.begin(), title.end(),
        [](char c) { return std::string_view("\"*/:<>?\\|").find(c) != std::string_view::npos; },
        '_');
    return title;
}

// The address of an Internet shortcut: the rest of its last line that begins with "URL=".
// Lines end with CR LF, CR or LF.
std::string ShortcutAddress(const std::string& contents) {
    std::string address;
    std::size_t start = 0;
    while (start < contents.size()) {
        std::size_t end = contents.find_first_of("\r\n", start);
        if (end == std::string::npos) end = contents.size();
        std::string_view line(contents.data() + start, end - start);
        if (line.starts_with("URL=")) address = line.substr(4);
        start = end;
        if (start < contents.size() && contents[start] == '\r') ++start;
        if (start < contents.size() && contents[start] == '\n') ++start;
    }
    return address;
}

}  // namespace

void form1::wireFavorites() {
    PictureBookmark.Click = [this] { PictureBookmark_Click(); };
}

void form1::PictureBookmark_Click() {
    LayOutFavoriteDialogs();
    BuildFavoriteMenu();
    // The menu stays alive while it is open, even when a newer opening replaces it.
    std::shared_ptr<runtime::PopupMenu> menu = MenuFavorite;
    const double left = Whole(PictureBookmark.Left());
    const double top = Whole(PictureBookmark.Top());
    const double width = Whole(PictureBookmark.Width());
    const double height = Whole(PictureBookmark.Height());
    // At the button's lower left corner, leaving the button itself uncovered.
    menu->ShowMenu(left, top + height, left, top, left + width, top + height,
                   PictureBookmark.container());
}

void form1::BuildFavoriteMenu() {
    MenuFavorite = std::make_shared<runtime::PopupMenu>(*this);
    MenuFavorite->Click = [this](long item) {
        MenuFavorite_Click(static_cast<std::int32_t>(item));
    };
    const std::string root = GetFavoritesDirectory(hWnd());
    MenuFavorite->Reset();

    MenuFavorite->AddItem("-Organize", 0, "");
    const long add = MenuFavorite->AddItem("Add To Favorites\tAlt+A", 0, "Add");
    MenuFavorite->AddItem("Organize Favorites\tAlt+O", 0, "Organize");
    MenuFavorite->AddItem("-List", 0, "");
    if (WebBrowser2.LocationURL().empty()) MenuFavorite->EnableItem(add, false);

    if (root.empty()) {
        // Without a Favorites folder there is nothing to list; the folder the lists happen to
        // show must not stand in for it.
        MenuFavorite->EnableItem(MenuFavorite->AddItem("Empty", 0, ""), false);
        return;
    }
    favoriteWalk_.clear();
    AddFavoriteFolders(0, root);
    AddFavoriteFiles(0, root);
}

void form1::AddFavoriteFolders(std::int32_t Parent, const std::string& Folder) {
    // The lists are shared by every level of the walk: take this folder's names first.
    DirSub.setPath(Folder);
    std::vector<std::string> names;
    for (int i = 0; i < DirSub.ListCount(); ++i)
        names.push_back(ListedName(DirSub, i));

    favoriteWalk_.push_back(Identity(Folder));
    for (const std::string& name : names) {
        // Names show exactly as they are on disk.
        const long entry = MenuFavorite->AddItem(name, Parent, Folder, true);
        if (name.empty()) continue;
        const std::string subFolder = Folder + "/" + name;
        DirCheck.setPath(subFolder);
        const bool walked = std::find(favoriteWalk_.begin(), favoriteWalk_.end(),
                                      Identity(subFolder)) != favoriteWalk_.end();
        if (DirCheck.ListCount() > 0 && !walked)
            AddFavoriteFolders(static_cast<std::int32_t>(entry), subFolder);
        AddFavoriteFiles(static_cast<std::int32_t>(entry), subFolder);
    }
    favoriteWalk_.pop_back();
}

void form1::AddFavoriteFiles(std::int32_t Parent, const std::string& Folder) {
    flbFavorite.setPath(Folder);
    if (flbFavorite.ListCount() == 0) {
        MenuFavorite->EnableItem(MenuFavorite->AddItem("Empty", Parent, ""), false);
        return;
    }
    for (int i = 0; i < flbFavorite.ListCount(); ++i) {
        const std::string file = flbFavorite.List(i);
        // A name without an extension is shown whole rather than ending the folder's list.
        const std::size_t dot = file.rfind('.');
        const std::string caption = dot == std::string::npos ? file : file.substr(0, dot);
        MenuFavorite->AddItem(caption, Parent, Folder + "/" + caption, true);
    }
}

void form1::MenuFavorite_Click(std::int32_t ItemNumber) {
    const std::string key = MenuFavorite ? MenuFavorite->ItemKey(ItemNumber) : std::string();
    // Headings, placeholders and anything without a key name no file.
    if (key.empty()) return;
    if (key == "Add") {
        frmAddFavorite& dialog = runtime::form<frmAddFavorite>();
        const std::string name = FavoriteName(WebBrowser2.LocationName());
        dialog.setTag(WebBrowser2.LocationURL());
        dialog.txtFavoriteName.setText(name);
        dialog.SelectName();
        dialog.Show(runtime::ShowMode::Modal);
    } else if (key == "Organize") {
        runtime::form<frmOrganizeFavorite>().Show(runtime::ShowMode::Modal);
    } else {
        const std::string file = GetShortPath(key + ".url");
        std::string contents;
        // A missing or unreadable file is no favorite: nothing happens.
        if (!FileIO("GetContents", file, contents)) return;
        WebBrowser2.Navigate(ShortcutAddress(contents));
    }
}

}  // namespace quillo
