// Changing the skin store: saving the main window's looks as a skin, taking a skin off the list,
// renaming it; and the pressed look of the skin windows' picture buttons.
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "runtime/FileCalls.h"
#include "runtime/Form.h"
#include "runtime/Label.h"
#include "runtime/ListBox.h"
#include "runtime/PathResolver.h"
#include "runtime/PictureBox.h"
#include "runtime/TextBox.h"
#include "runtime/Utf8.h"
#include "runtime/WholeFile.h"
#include "shared/MessageBox.h"
#include "shared/ModuleFucns.h"
#include "shared/ModuleLanguage.h"
#include "shared/mdlPlacementFunctions.h"
#include "skins/ClassSkins.h"
#include "skins/SkinAside.h"
#include "skins/SkinNames.h"

namespace quillo {

using namespace runtime;
namespace fs = std::filesystem;

namespace {

const std::string kDefaultSkinLower = "quillo";
// Where a save gathers the new skin's files before they replace the skin folder.
const std::string kTemporaryFolder = "tz3tz3temp";

// The descriptor's picture buttons, fields 3 to 17 in order.
constexpr const char* kButtons[] = {
    "PictureIcon",  "PictureTitleBar", "PictureTitle", "PictureWS01",     "PictureWS02",
    "PictureClose", "PictureHideShow", "PictureURL",   "PictureBookmark", "PictureBack",
    "PictureNext",  "PictureReload",   "PictureStop",  "PictureHome",     "PictureMail"};
// The order in which a save copies the controls' files.
constexpr const char* kCopyOrder[] = {
    "PictureIcon",     "PictureTitle",      "PictureWS01",         "PictureWS02",
    "PictureClose",    "PictureTitleBar",   "PictureHideShow",     "PictureURL",
    "PictureBookmark", "PictureBottomLeft", "PictureBottomCenter", "PictureBottomRight",
    "PictureBack",     "PictureNext",       "PictureReload",       "PictureStop",
    "PictureHome",     "PictureMail"};
const std::string kStripClip = "PictureBottomLeft";

template <class T>
T* controlOf(Form& form, const std::string& name) {
    return dynamic_cast<T*>(form.findControl(name));
}

std::string trimSpaces(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool isReserved(const std::string& name) {
    const std::string lower = LowerAscii(name);
    return lower == kDefaultSkinLower || lower == kTemporaryFolder;
}

// The bottom-left strip's file keeps the last four characters of its source ("avi" marks a
// clip). Only what follows a separator counts, and brackets are dropped, so the name stays a
// file of the skin folder and a field of the descriptor.
std::string stripClipName(const std::string& sourceTag) {
    const int length = CodePointCount(sourceTag);
    std::string tail = CodePointSlice(sourceTag, length > 4 ? length - 4 : 0, 4);
    const std::size_t separator = tail.find_last_of("/\\");
    if (separator != std::string::npos) tail.erase(0, separator + 1);
    std::string kept;
    for (unsigned char c : tail)
        if (c >= 0x20 && c != '<' && c != '>') kept += static_cast<char>(c);
    return kStripClip + kept;
}

std::string colourText(Color colour) {
    return std::to_string(static_cast<std::int32_t>(colour));
}

std::string labelColour(Form& form1, const std::string& name) {
    auto* label = controlOf<Label>(form1, name);
    return colourText(label ? label->ForeColor() : 0);
}

// Deleting without force: a read-only file anywhere inside keeps the whole folder, rather than
// leaving it half deleted.
bool deleteFolderUnforced(const fs::path& folder) {
    std::error_code error;
    fs::recursive_directory_iterator walk(folder, error);
    for (; !error && walk != fs::recursive_directory_iterator(); walk.increment(error)) {
        const fs::perms perms = walk->symlink_status(error).permissions();
        if (error) return false;
        if (!walk->is_symlink(error) && (perms & fs::perms::owner_write) == fs::perms::none)
            return false;
    }
    if (error) return false;
    fs::remove_all(folder, error);
    return !error;
}

}  // namespace

bool ClassSkins::confirmed(const std::string& question) {
    auto* box = controlOf<MessageBox>(around_.mainWindow(), "MessageBox1");
    // A box closed without a click is no consent.
    return box && box->show(question, "YESNO") == "YES";
}

bool ClassSkins::MakeSkinFolder(const std::string& FolderName) {
    std::error_code error;
    const fs::path folder = ResolvePath(programFolder() + "/skins/" + FolderName);
    fs::create_directory(folder, error);
    return !error && fs::is_directory(folder, error);
}

void ClassSkins::ProcessPictureSaveClick(Form& SourceForm, Form& form1) {
    auto* box = controlOf<TextBox>(SourceForm, "TextBoxSkinName");
    if (!box) return;
    std::string name = trimSpaces(box->Text());
    box->setText(name);
    if (name.find('.') != std::string::npos) return;
    if (name.empty()) {
        showMessage(MsgNoSkinName);
        return;
    }
    if (LowerAscii(name) == kDefaultSkinLower) {
        showMessage(MsgDefaultSkinSave);
        return;
    }
    // Refused as a full stop is: it would leave the skins folder, break the skin list, or be
    // the folder the save itself works in.
    if (!IsSafeSkinName(name) || isReserved(name)) return;
    if (!confirmed(MsgConfirmSave + name + "?")) return;
    SavingTheme(form1, name);
}

void ClassSkins::SavingTheme(Form& form1, std::string& Filename) {
    NewThemeText = "<" + colourText(form1.BackColor()) + ">";
    NewThemeText += "<" + labelColour(form1, "LabelStatusBarMain") + ">";
    NewThemeText += "<" + labelColour(form1, "LabelStatusBarMini") + ">";
    for (const char* name : kButtons)
        NewThemeText += "<" + std::string(name) + ">";
    const Control* clipStrip = form1.findControl(kStripClip);
    const std::string clipName = stripClipName(clipStrip ? clipStrip->Tag() : "");
    NewThemeText += "<" + clipName + "><PictureBottomCenter><PictureBottomRight>";

    Filename = GetFileTitle(Filename);
    if (!IsSafeSkinName(Filename) || isReserved(Filename)) return;
    // The Tags may name files of a skin that an earlier save left aside.
    putSkinAsideBack();
    // The new skin is made whole beside the old one, which goes only once the new one is
    // complete: on any failure the old skin stays as it was and nothing else is written.
    const std::string skins = programFolder() + "/skins/";
    const bool made = gatherSkin(form1, clipName, Filename) && replaceSkinFolder(Filename);
    std::error_code error;
    fs::remove_all(ResolvePath(skins + kTemporaryFolder), error);
    std::string current = "<" + Filename + ">";
    if (!made || !LoadTheme(skins + Filename + "/" + Filename + ".tz3") ||
        !FileIO("Write", programFolder() + "/rn418.ini", current))
        showMessage(MsgSaveFailed);
}

bool ClassSkins::gatherSkin(Form& form1, const std::string& clipName, const std::string& Filename) {
    const std::string temporary = programFolder() + "/skins/" + kTemporaryFolder;
    std::error_code error;
    // Files left by an earlier save that failed belong to no skin being saved now.
    fs::remove_all(ResolvePath(temporary), error);
    if (error || !MakeSkinFolder(kTemporaryFolder)) return false;
    const std::string gathered = ResolvePath(temporary);
    for (const char* name : kCopyOrder) {
        const Control* control = form1.findControl(name);
        if (!control || control->Tag().empty()) continue;
        const fs::path source = ResolvePath(control->Tag());
        // A picture the window names but the skin would lack makes the skin incomplete; only
        // plain files count, never a folder or a device.
        if (!fs::is_regular_file(source, error)) return false;
        const std::string target = name == kStripClip ? clipName : std::string(name);
        if (!CopyRegularFile(source, gathered + "/" + target)) return false;
    }
    std::string descriptor = NewThemeText;
    return FileIO("Write", gathered + "/" + Filename + ".tz3", descriptor);
}

bool ClassSkins::replaceSkinFolder(const std::string& Filename) {
    const std::string skins = programFolder() + "/skins/";
    const std::string target = ResolvePath(skins + Filename);
    SkinAside aside(skins);
    // A skin an earlier save left aside goes back first, or away once its folder is whole.
    aside.settle();
    std::error_code error;
    const bool replacing = fs::exists(fs::symlink_status(target, error));
    if (replacing && !aside.take(target)) return false;
    if (!MoveEntry(ResolvePath(skins + kTemporaryFolder), target)) {
        // What cannot go back now waits aside for the next save or start-up.
        if (replacing) aside.putBack();
        return false;
    }
    aside.settle();
    return true;
}

void ClassSkins::ProcessPictureRemove_Click(Form& SourceForm) {
    auto* box = controlOf<TextBox>(SourceForm, "TextBoxSkinName");
    if (!box) return;
    if (LowerAscii(box->Text()) == kDefaultSkinLower) {
        showMessage(MsgDefaultSkinRemove);
        return;
    }
    std::string name = box->Text();
    CapitalizeFirst(name);
    // The list on disk decides: the other engine instance may have listed skins since.
    FileIO("GetBinary", programFolder() + "/skinlib.txt", SkinLibText);
    SkinLibText = ReplaceSkinEntries(WithoutLineBreaks(SkinLibText), name, "");
    if (!writeSkinList()) {
        showMessage(MsgRemoveFailed);
        return;
    }
    Init(SourceForm);
    // An emptied list has no last entry to select, and that is no failure.
    if (auto* list = controlOf<ListBox>(SourceForm, "ListSkins"); list && list->ListCount() > 0)
        list->setListIndex(list->ListCount() - 1);
}

void ClassSkins::Rename(Form& SourceForm) {
    auto* box = controlOf<TextBox>(SourceForm, "TextBoxSkinName");
    auto* list = controlOf<ListBox>(SourceForm, "ListSkins");
    if (!box || !list) return;
    const std::string newName = trimSpaces(box->Text());
    box->setText(newName);
    const int selected = list->ListIndex();
    if (selected < 0 || selected >= list->ListCount()) return;
    const std::string oldName = list->List(selected);
    if (LowerAscii(newName) == kDefaultSkinLower || LowerAscii(oldName) == kDefaultSkinLower) {
        showMessage(MsgDefaultSkinRename);
        return;
    }
    if (LowerAscii(oldName) == LowerAscii(newName)) return;
    // An empty name or a ".." would make the skins folder itself, or a folder outside it, the
    // one deleted and moved. A full stop is refused as a save refuses it: a skin's name is its
    // descriptor's title, which ends at the first full stop.
    if (!IsSafeSkinName(oldName) || !IsSafeSkinName(newName) || isReserved(oldName) ||
        isReserved(newName) || newName.find('.') != std::string::npos) {
        showMessage(MsgRenameFailed);
        return;
    }
    if (!confirmed(MsgConfirmRename1 + oldName + MsgConfirmRename2 + newName + "?")) return;
    putSkinAsideBack();

    const std::string skins = programFolder() + "/skins/";
    const fs::path oldFolder = ResolvePath(skins + oldName);
    std::error_code error;
    // A skin listed without its folder moves nothing; the other skin must not lose its folder
    // for it.
    if (!fs::is_directory(oldFolder, error)) {
        showMessage(MsgRenameFailed);
        return;
    }
    const fs::path existing = ResolvePath(skins + newName);
    if (fs::exists(existing, error) && !deleteFolderUnforced(existing)) {
        showMessage(MsgRenameFailed);
        return;
    }
    const fs::path newFolder = ResolvePath(skins + newName);
    fs::rename(oldFolder, newFolder, error);
    if (!error) {
        const std::string inside = skins + newName + "/";
        fs::rename(ResolvePath(inside + oldName + ".tz3"), ResolvePath(inside + newName + ".tz3"),
                   error);
    }
    if (error) {
        showMessage(MsgRenameFailed);
        return;
    }
    // A list that cannot be read keeps the text last read, which then takes the new name.
    FileIO("GetBinary", programFolder() + "/skinlib.txt", SkinLibText);
    SkinLibText = WithoutLineBreaks(SkinLibText);
    SkinLibText = ReplaceSkinEntries(SkinLibText, oldName,
                                     SkinListed(SkinLibText, newName) ? std::string() : newName);
    if (!writeSkinList()) {
        showMessage(MsgRenameFailed);
        return;
    }
    Init(SourceForm);
}

void ClassSkins::IndentButton(PictureBox& Picture1) {
    PictureBox* pressed = indentedAlive_.expired() ? nullptr : IndentedBox;
    if (pressed == &Picture1) return;
    // A press whose release never came gives that button its picture back first.
    if (pressed) UnindentButton(*pressed);
    IndentedBox = &Picture1;
    indentedAlive_ = Picture1.lifetime();
    KeptPicture = Picture1.getPicture();
    Picture1.setPicture(Picture{});
    // What an earlier release drew would cover the smaller picture.
    Picture1.Cls();
    Picture1.PaintPicture(KeptPicture, PixelsToTwips(2), PixelsToTwips(2),
                          Picture1.Width() - PixelsToTwips(4),
                          Picture1.Height() - PixelsToTwips(4));
}

void ClassSkins::UnindentButton(PictureBox& Picture1) {
    if (indentedAlive_.expired() || IndentedBox != &Picture1) return;
    IndentedBox = nullptr;
    indentedAlive_.reset();
    Picture1.setPicture(KeptPicture);
    Picture1.Cls();
    Picture1.PaintPicture(KeptPicture, 0, 0, Picture1.Width(), Picture1.Height());
}

}  // namespace quillo
