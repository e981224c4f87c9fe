#pragma once

#include <string>
#include <vector>

#include "runtime/Control.h"

namespace quillo::runtime {

// The sub-folders of one folder, in the platform's order. List(i) for i from 0 is the full path
// of a sub-folder: Path, "\" and its name, so the name is the text after the last "\". List(-1)
// is Path itself, List(-2) the folder above it, and so on. Path starts as the program folder.
class DirListBox : public Control {
  public:
    DirListBox(Form& form, std::string name, int index, Control* container);

    const std::string& Path() const { return path_; }
    // Lists another folder ("\" and "/" both separate; separators at the end are dropped) and
    // runs Change when the path differs. Returns false when the folder cannot be read: the list
    // is then empty.
    bool setPath(std::string value);
    // Whether hidden folders (names beginning with ".") are listed too; they are not at first.
    bool Hidden() const { return hidden_; }
    void setHidden(bool value);
    std::string List(int index) const;
    int ListCount() const { return static_cast<int>(names_.size()); }
    // -1 while the current folder is chosen.
    int ListIndex() const { return listIndex_; }
    void setListIndex(int value);
    bool Refresh();

    Event<> Change;

    // User input: a click chooses a sub-folder, a double-click opens it.
    void fireEntryClick(int index);
    void fireEntryDblClick(int index);

  private:
    std::string path_;
    std::vector<std::string> names_;
    int listIndex_ = -1;
    bool hidden_ = false;
};

}  // namespace quillo::runtime
