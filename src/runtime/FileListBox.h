#pragma once

#include <string>
#include <vector>

#include "runtime/Control.h"

namespace quillo::runtime {

// The files of one folder that match Pattern, in the platform's order, indexed from 0. Path
// starts as the program folder. The folder is read when Path or Pattern changes and on Refresh.
class FileListBox : public Control {
  public:
    FileListBox(Form& form, std::string name, int index, Control* container);

    const std::string& Path() const { return path_; }
    // Lists another folder ("\" and "/" both separate; separators at the end are dropped) and
    // runs PathChange when the path differs. Returns false when the folder cannot be read: the
    // list is then empty.
    bool setPath(std::string value);
    // Patterns separated by ";" ("*.bmp;*.gif"); "*.*" lists every file.
    const std::string& Pattern() const { return pattern_; }
    void setPattern(std::string value);
    // Whether hidden files (names beginning with ".") are listed too; they are not at first.
    bool Hidden() const { return hidden_; }
    void setHidden(bool value);
    // The name of the file at ListIndex, the empty text when none is chosen.
    std::string FileName() const { return List(listIndex_); }
    // Chooses the file of that name (letter case ignored); false when it is not listed.
    bool setFileName(const std::string& value);
    std::string List(int index) const;
    int ListCount() const { return static_cast<int>(names_.size()); }
    int ListIndex() const { return listIndex_; }
    // Chooses a file (-1: none) and runs Click.
    void setListIndex(int value);
    // Reads the folder again; false when it cannot be read.
    bool Refresh();

    Event<> PathChange;
    Event<> PatternChange;

    // User input: a click or a double-click on a listed file.
    void fireEntryClick(int index);
    void fireEntryDblClick(int index);

  private:
    std::string path_;
    std::string pattern_ = "*.*";
    std::vector<std::string> names_;
    int listIndex_ = -1;
    bool hidden_ = false;
};

}  // namespace quillo::runtime
