#include "runtime/FileListBox.h"

#include "runtime/Application.h"
#include "runtime/FolderListing.h"
#include "runtime/PathResolver.h"

namespace quillo::runtime {

FileListBox::FileListBox(Form& form, std::string name, int index, Control* container)
    : Control(form, ControlKind::FileListBox, std::move(name), index, container),
      path_(FolderListing::trimmed(form.application().App().Path)) {
    Refresh();
}

bool FileListBox::Refresh() {
    auto listed = FolderListing::files(path_, pattern_, hidden_);
    names_ = listed ? std::move(*listed) : std::vector<std::string>{};
    listIndex_ = -1;
    changed(Property::Items);
    changed(Property::ListIndex);
    return listed.has_value();
}

void FileListBox::setHidden(bool value) {
    if (value == hidden_) return;
    hidden_ = value;
    Refresh();
}

bool FileListBox::setPath(std::string value) {
    std::string path = FolderListing::trimmed(value);
    bool differs = path != path_;
    path_ = std::move(path);
    bool readable = Refresh();
    if (differs) form().application().dispatch([this] { PathChange(); });
    return readable;
}

void FileListBox::setPattern(std::string value) {
    bool differs = value != pattern_;
    pattern_ = std::move(value);
    Refresh();
    if (differs) form().application().dispatch([this] { PatternChange(); });
}

bool FileListBox::setFileName(const std::string& value) {
    std::string wanted = LowerAscii(value);
    for (int i = 0; i < ListCount(); ++i)
        if (LowerAscii(names_[static_cast<std::size_t>(i)]) == wanted) {
            setListIndex(i);
            return true;
        }
    return false;
}

std::string FileListBox::List(int index) const {
    if (index < 0 || index >= ListCount()) return "";
    return names_[static_cast<std::size_t>(index)];
}

void FileListBox::setListIndex(int value) {
    listIndex_ = value >= 0 && value < ListCount() ? value : -1;
    changed(Property::ListIndex);
    form().application().dispatch([this] { Click(); });
}

void FileListBox::fireEntryClick(int index) {
    if (index < 0 || index >= ListCount()) return;
    form().application().dispatch([this, index] { setListIndex(index); });
}

void FileListBox::fireEntryDblClick(int index) {
    if (index < 0 || index >= ListCount()) return;
    form().application().dispatch([this] { DblClick(); });
}

}  // namespace quillo::runtime
