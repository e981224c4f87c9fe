#include "skins/SkinAside.h"

#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

#include "runtime/FileCalls.h"
#include "runtime/FolderListing.h"
#include "runtime/PathResolver.h"
#include "shared/ModuleFucns.h"
#include "skins/SkinNames.h"

namespace quillo {

namespace fs = std::filesystem;
using runtime::ResolvePath;

namespace {

// No skin name holds a full stop, so these meet no skin.
const std::string kAside = "tz3tz3temp.old";
const std::string kAsideName = "tz3tz3temp.old.name";

bool present(const std::string& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(ResolvePath(path), error));
}

}  // namespace

SkinAside::SkinAside(std::string skinsFolder)
    : skins_(std::move(skinsFolder)), aside_(skins_ + kAside), note_(skins_ + kAsideName) {}

bool SkinAside::occupied() const {
    return present(aside_);
}

std::string SkinAside::standsFor() const {
    if (!occupied()) return {};
    std::string name;
    if (FileIO("GetBinary", note_, name)) {
        name = WithoutLineBreaks(name);
        if (IsSafeSkinName(name)) return name;
    }
    // A folder set aside before its name was noted beside it: its one descriptor names it.
    const auto descriptors = runtime::FolderListing::files(aside_, "*.tz3", true);
    if (!descriptors || descriptors->size() != 1) return {};
    name = GetFileTitle(descriptors->front());
    return IsSafeSkinName(name) ? name : std::string();
}

bool SkinAside::whole(const std::string& name) const {
    std::error_code error;
    return fs::is_regular_file(ResolvePath(skins_ + name + "/" + name + ".tz3"), error);
}

void SkinAside::forgetName() const {
    std::error_code error;
    fs::remove(ResolvePath(note_), error);
}

bool SkinAside::putBack() {
    return putBack(standsFor());
}

bool SkinAside::putBack(const std::string& name) {
    if (!occupied()) {
        forgetName();
        return true;
    }
    if (name.empty() || present(skins_ + name)) return false;
    if (!runtime::MoveEntry(ResolvePath(aside_), ResolvePath(skins_ + name))) return false;
    forgetName();
    return true;
}

bool SkinAside::settle() {
    const std::string name = standsFor();
    if (putBack(name)) return true;
    if (name.empty() || !whole(name)) return false;
    std::error_code error;
    fs::remove_all(ResolvePath(aside_), error);
    if (error) return false;
    forgetName();
    return true;
}

bool SkinAside::take(const std::string& folder) {
    if (occupied()) return false;
    std::string name = fs::path(folder).filename().string();
    return FileIO("Write", note_, name) && runtime::MoveEntry(folder, ResolvePath(aside_));
}

}  // namespace quillo
