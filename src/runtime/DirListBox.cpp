#include "runtime/DirListBox.h"

#include "runtime/Application.h"
#include "runtime/FolderListing.h"

namespace quillo::runtime {

namespace {

// The folder above path: the text before its last separator.
std::string above(const std::string& path) {
    std::size_t cut = path.find_last_of('/');
    if (cut == std::string::npos) return path;
    return cut == 0 ? path.substr(0, 1) : path.substr(0, cut);
}

}  // namespace

DirListBox::DirListBox(Form& form, std::string name, int index, Control* container)
    : Control(form, ControlKind::DirListBox, std::move(name), index, container),
      path_(FolderListing::trimmed(form.application().App().Path)) {
    Refresh();
}

bool DirListBox::Refresh() {
    auto listed = FolderListing::folders(path_, hidden_);
    names_ = listed ? std::move(*listed) : std::vector<std::string>{};
    listIndex_ = -1;
    changed(Property::Items);
    changed(Property::ListIndex);
    return listed.has_value();
}

void DirListBox::setHidden(bool value) {
    if (value == hidden_) return;
    hidden_ = value;
    Refresh();
}

bool DirListBox::setPath(std::string value) {
    std::string path = FolderListing::trimmed(value);
    bool differs = path != path_;
    path_ = std::move(path);
    bool readable = Refresh();
    if (differs) form().application().dispatch([this] { Change(); });
    return readable;
}

std::string DirListBox::List(int index) const {
    if (index >= ListCount()) return "";
    if (index >= 0) return path_ + "/" + names_[static_cast<std::size_t>(index)];
    std::string folder = path_;
    for (int level = -1; level > index; --level)
        folder = above(folder);
    return folder;
}

void DirListBox::setListIndex(int value) {
    listIndex_ = value >= 0 && value < ListCount() ? value : -1;
    changed(Property::ListIndex);
    form().application().dispatch([this] { Click(); });
}

void DirListBox::fireEntryClick(int index) {
    if (index < 0 || index >= ListCount()) return;
    form().application().dispatch([this, index] { setListIndex(index); });
}

void DirListBox::fireEntryDblClick(int index) {
    if (index < 0 || index >= ListCount()) return;
    std::string folder = List(index);
    form().application().dispatch([this, folder] { setPath(folder); });
}

}  // namespace quillo::runtime
