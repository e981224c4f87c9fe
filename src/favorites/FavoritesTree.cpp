#include "favorites/FavoritesTree.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "favorites/FavoritesStore.h"
#include "mainwindow/Variables.h"
#include "runtime/FolderListing.h"
#include "runtime/PathResolver.h"

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

// Every sub-folder counts, also one whose name begins with ".".
std::vector<std::string> SubFolders(const std::string& directory) {
    return runtime::FolderListing::folders(directory, true).value_or(std::vector<std::string>{});
}

}  // namespace

FavoritesTree::FavoritesTree(runtime::TreeView& tree, std::function<void(runtime::Node&)> added)
    : tree_(&tree), added_(std::move(added)) {
    // A tree path names folders: it is joined as paths are, so a "\" in a folder's name stays
    // part of that name.
    tree_->setPathSeparator("/");
}

std::string FavoritesTree::Directory(const runtime::Node& node) {
    return WindowsDir + "/" + node.FullPath();
}

runtime::Node* FavoritesTree::AddChild(const std::string& ParentKey, int Position,
                                       const std::string& Text) {
    // Positions run together without a separator, so "MN1" "1" and "MN" "11" meet; the branch
    // added later takes a suffix, which stays the same while the folders do not change.
    const std::string wanted = ParentKey + std::to_string(Position);
    std::string key = wanted;
    for (int n = 2; tree_->Nodes.Item(key); ++n)
        key = wanted + "~" + std::to_string(n);
    runtime::Node* node = tree_->Nodes.Add(ParentKey, runtime::tvwChild, key, Text);
    if (node && added_) added_(*node);
    return node;
}

void FavoritesTree::Build() {
    tree_->Nodes.Clear();
    const std::string root = WindowsDir + "/Favorites";
    const std::vector<std::string> folders = SubFolders(root);
    tree_->Nodes.Add(nullptr, runtime::tvwLast, kRootKey, kRootText);
    walk_ = {Identity(root)};
    int position = 0;
    for (const std::string& name : folders) {
        runtime::Node* node = AddChild(kRootKey, ++position, name);
        if (node) AddSubFolders(node->Key(), root + "/" + name);
    }
    walk_.clear();
    tree_->Nodes.Item(kRootKey)->setExpanded(true);
}

void FavoritesTree::AddSubFolders(const std::string& ParentKey, const std::string& Directory) {
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

bool RenameDirectory(const std::string& directory, const std::string& name) {
    return !IsBlankName(name) && RenameInFolder(directory, name);
}

}  // namespace quillo
