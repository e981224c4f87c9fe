#pragma once

#include <functional>
#include <string>
#include <vector>

#include "runtime/Node.h"
#include "runtime/TreeView.h"

namespace quillo {

// The Favorites folder tree as every favorites dialog shows it: the root "MN" ("Favorites"),
// each child keyed by its parent's key and its position among its siblings. Its tree paths
// (FullPath) are the folder names joined by "/", so each one names its folder below WindowsDir.
class FavoritesTree {
  public:
    // Added is told of every node below the root right after it was added.
    explicit FavoritesTree(runtime::TreeView& tree, std::function<void(runtime::Node&)> added = {});

    // Rebuilds the whole tree from disk, the root expanded at the end.
    void Build();
    // Adds the sub-folders of Directory below the node ParentKey, depth first.
    void AddSubFolders(const std::string& ParentKey, const std::string& Directory);
    // Adds a child of the parent; the key is the parent's key and the position, made unique
    // when another branch holds it already. Returns the new node.
    runtime::Node* AddChild(const std::string& ParentKey, int Position, const std::string& Text);

    // The directory a node of the tree stands for.
    static std::string Directory(const runtime::Node& node);

  private:
    runtime::TreeView* tree_;
    std::function<void(runtime::Node&)> added_;
    // The folders being walked, as the file system names them, so a link back stops the walk.
    std::vector<std::string> walk_;
};

// Gives the directory a new name in its folder; false, changing nothing, for a name that shows
// as nothing, would leave the folder or is taken already (a folder is never merged into another).
bool RenameDirectory(const std::string& directory, const std::string& name);

}  // namespace quillo
