#include "skins/FormDesignEdit.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>

#include "mainwindow/RNfunctions.h"
#include "mainwindow/form1.h"
#include "runtime/Application.h"
#include "runtime/MediaCommands.h"
#include "runtime/PathResolver.h"
#include "runtime/Picture.h"
#include "runtime/WholeFile.h"
#include "shared/MessageBox.h"
#include "shared/ModuleFucns.h"
#include "shared/ModuleLanguage.h"
#include "shared/mdlPlacementFunctions.h"
#include "skins/ArrowButtons.h"
#include "skins/ClassSkins.h"
#include "skins/FormSaveAs.h"

namespace quillo {

namespace {

// Where each button lies and how big its bitmap is, in pixels.
struct ButtonPlace {
    int index;
    int left, top, width, height;
    const char* toolTip;
};
constexpr ButtonPlace kButtons[] = {
    {0, 9, 41, 102, 34, "Clear Background Images"},
    {1, 115, 41, 102, 34, "Change Background Color"},
    {2, 9, 169, 64, 48, "Add Images To Box"},
    {3, 120, 169, 45, 48, "Next Image"},
    {4, 77, 169, 40, 48, "Previous Image"},
    {5, 168, 169, 45, 48, "Delete Images From Box"},
    {6, 9, 258, 50, 30, "Loading Panel"},
    {7, 115, 258, 102, 30, "Saving Panel"},
    {8, 62, 258, 50, 30, ""},
};

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

bool isClip(const std::string& path) {
    return endsWith(runtime::LowerAscii(path), ".avi");
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Every copy of "<entry>" taken out of the text, letters compared without case.
std::string withoutEntry(const std::string& text, const std::string& entry) {
    const std::string needle = runtime::LowerAscii("<" + entry + ">");
    const std::string lowered = runtime::LowerAscii(text);
    std::string result;
    std::size_t from = 0;
    for (std::size_t at = lowered.find(needle); at != std::string::npos;
         at = lowered.find(needle, from)) {
        result.append(text, from, at - from);
        from = at + needle.size();
    }
    result.append(text, from, std::string::npos);
    return result;
}

// Folds the white space between entries as NormalizeWhitespace does, but leaves the paths
// themselves alone: a path may hold runs of spaces and must still name its file.
std::string foldOutsideEntries(const std::string& text) {
    std::string result;
    bool inEntry = false;
    bool pendingSpace = false;
    for (char c : text) {
        if (!inEntry && isSpace(c)) {
            pendingSpace = true;
            continue;
        }
        if (pendingSpace && !result.empty()) result += ' ';
        pendingSpace = false;
        result += c;
        if (!inEntry && c == '<')
            inEntry = true;
        else if (inEntry && c == '>')
            inEntry = false;
    }
    if (pendingSpace && !result.empty()) result += ' ';
    return result;
}

std::vector<std::string> entriesOf(const std::string& text) {
    return ExtractAll("<", ">", "Insensitive", "Exclusive", "Closest", text);
}

// The place of the first entry that names the path, letters compared without case; -1 when no
// entry does. The empty tail is no entry.
int placeOf(const std::vector<std::string>& entries, const std::string& path) {
    const std::string lowered = runtime::LowerAscii(path);
    for (std::size_t i = 0; i + 1 < entries.size(); ++i)
        if (runtime::LowerAscii(entries[i]) == lowered) return static_cast<int>(i);
    return -1;
}

bool inRange(const std::vector<std::string>& entries, int index) {
    return index >= 0 && index < static_cast<int>(entries.size());
}

}  // namespace

FormDesignEdit::FormDesignEdit() : Form("FormDesignEdit") {
    setBorderStyle(0);
    setShowInTaskbar(false);
    setWidth(PixelsToTwips(226));
    setHeight(PixelsToTwips(294));

    for (const ButtonPlace& place : kButtons) {
        runtime::PictureBox& button = Picture1(place.index);
        button.setBorderStyle(0);
        button.setToolTipText(place.toolTip);
        button.setTag("Unindented");
        MoveInPixels(button, place.left, place.top, place.width, place.height);
    }
    // The arrows are the window's own: the language pack gives them no pictures.
    Picture1(3).setPicture(
        ArrowButtonPicture(ArrowDirection::Right, kButtons[3].width, kButtons[3].height));
    Picture1(4).setPicture(
        ArrowButtonPicture(ArrowDirection::Left, kButtons[4].width, kButtons[4].height));

    Label1.setBackStyle(0);
    MoveInPixels(Label1, 196, 11, 20, 20);
    PictureImageBox.setBorderStyle(0);
    PictureImageBox.setAutoRedraw(true);
    PictureImageBox.setOLEDropMode(1);
    PictureImageBox.OLEDragDrop = [this](runtime::DataObject& data, int& effect, int button,
                                         int shift, double x, double y) {
        PictureImageBox_OLEDragDrop(data, effect, button, shift, x, y);
    };
    MoveInPixels(PictureImageBox, 9, 79, 208, 83);
    Image1.setVisible(false);
    MoveInPixels(TextBoxSkinName, 10, 224, 208, 25);

    Load = [this] { Form_Load(); };
    wireButtonBar();
    // Closing the editor only hides it, as its close label does: the library, the preview and
    // its engine stay for the next opening.
    CloseRequest = [this] { Label1_Click(); };
}

FormDesignEdit::~FormDesignEdit() = default;

void FormDesignEdit::Form_Load() {
    application().backend().windows().setTopmost(*this, true);
    Skins = std::make_unique<ClassSkins>(ClassSkins::Surroundings{
        []() -> runtime::Form& { return runtime::form<form1>(); },
        [](runtime::Form& window) { ArrangeMainWindow(static_cast<form1&>(window)); }});
    Skins->Init(runtime::form<FormSaveAs>());

    LibraryText.clear();
    FileIO("GetBinary", libraryPath(), LibraryText);
    LibraryEntries = entriesOf(LibraryText);
    LibraryIndex = 0;
    // An empty library has nothing to show; the window opens with an empty preview.
    if (LibraryEntries.empty()) return;
    PictureImageBox.setTag(LibraryEntries[0]);
    ShowLibraryItem(PictureImageBox.Tag());
    PictureImageBox.setDragMode(0);
}

std::string FormDesignEdit::libraryPath() const {
    return runtime::app().App().Path + "/imagelib.txt";
}

std::string FormDesignEdit::previewAlias() const {
    return "\"" + runtime::form<form1>().Tag() + "CUSTOMIZE\"";
}

void FormDesignEdit::showMessage(const std::string& text) {
    runtime::form<form1>().MessageBox1.show(text);
}

void FormDesignEdit::playPreviewClip(const std::string& alias) {
    runtime::mciSendString("Open \"" + PictureImageBox.Tag() + "\" Type AVIVideo Alias " + alias +
                           " Style Child Parent " + std::to_string(PictureImageBox.hWnd()));
    const auto pixels = [](double twips) {
        return std::to_string(TwipsToPixels(static_cast<std::int32_t>(std::lround(twips))));
    };
    runtime::mciSendString("Put " + alias + " Destination At 0 0 " +
                           pixels(PictureImageBox.Width()) + " " +
                           pixels(PictureImageBox.Height()));
    runtime::mciSendString("play " + alias + " notify repeat");
}

void FormDesignEdit::restartPreviewClip() {
    if (isClip(PictureImageBox.Tag())) playPreviewClip(previewAlias());
}

bool FormDesignEdit::ShowLibraryItem(const std::string& File) {
    const std::string alias = previewAlias();
    if (File.empty()) {
        // Nothing to show (a failed deletion left no entry on show): the box stays empty.
        runtime::mciSendString("Close " + alias);
        PictureImageBox.setPicture({});
        PictureImageBox.Cls();
        PictureImageBox.setTag("");
        return true;
    }
    if (isClip(File)) {
        PictureImageBox.setTag(File);
        runtime::mciSendString("Close " + alias);
        // The clip plays over an empty box: one that cannot be played leaves no picture of an
        // entry that is no longer on show.
        PictureImageBox.setPicture({});
        PictureImageBox.Cls();
        playPreviewClip(alias);
        return true;
    }
    runtime::mciSendString("Close " + alias);
    const std::optional<runtime::Picture> picture = runtime::LoadPicture(File);
    if (!picture) return false;
    Image1.setPicture(*picture);
    PictureImageBox.setPicture({});
    PictureImageBox.Cls();
    PictureImageBox.setTag(File);
    const std::optional<runtime::Picture> again = runtime::LoadPicture(PictureImageBox.Tag());
    if (!again) return false;
    Image1.setPicture(*again);

    const double width = PictureImageBox.Width();
    const double height = PictureImageBox.Height();
    const long pictureWidth = again->widthHimetric();
    const long pictureHeight = again->heightHimetric();
    if (width < pictureWidth || Image1.Height() > height)
        PictureImageBox.PaintPicture(*again, 0, 0, width, height);
    else
        PictureImageBox.PaintPicture(*again, width / 1.68 - pictureWidth / 2.0,
                                     height / 2 - pictureHeight / 2.1);
    return true;
}

void FormDesignEdit::stepFailed() {
    PictureImageBox.setPicture({});
    PictureImageBox.Cls();
    PictureImageBox.setDragMode(0);
    showMessage(MsgLibraryItemFailed);
}

void FormDesignEdit::step(int direction) {
    const int upper = static_cast<int>(LibraryEntries.size()) - 1;
    LibraryIndex = static_cast<std::int16_t>(LibraryIndex + direction);
    if (direction > 0 && LibraryIndex == upper) LibraryIndex = 0;
    if (direction < 0 && LibraryIndex < 0) LibraryIndex = static_cast<std::int16_t>(upper - 1);
    if (!inRange(LibraryEntries, LibraryIndex)) {
        stepFailed();
        return;
    }
    if (direction > 0) PictureImageBox.setTag(LibraryEntries[LibraryIndex]);
    if (!ShowLibraryItem(LibraryEntries[LibraryIndex])) DeleteLibraryItem();
}

void FormDesignEdit::ShowNextItem() {
    step(1);
}

void FormDesignEdit::ShowPreviousItem() {
    step(-1);
}

void FormDesignEdit::ClickTheNextButton() {
    ShowNextItem();
}

void FormDesignEdit::deleteFailed() {
    PictureImageBox.setPicture({});
    PictureImageBox.Cls();
    PictureImageBox.setDragMode(0);
    PictureImageBox.setTag("");
    runtime::mciSendString("Close " + previewAlias());
    showMessage(MsgLibraryItemFailed);
}

void FormDesignEdit::DeleteLibraryItem() {
    if (!inRange(LibraryEntries, LibraryIndex)) {
        deleteFailed();
        return;
    }
    const std::string gone = LibraryEntries[LibraryIndex];
    // The entry goes from the library as it stands now: what another copy of the program added
    // since this one read it stays.
    const std::optional<std::string> current = runtime::ReadFileForChange(libraryPath());
    std::string remaining = current ? foldOutsideEntries(withoutEntry(*current, gone)) : "";
    // A library that cannot be read or written keeps the entry, on disk as here.
    if (!current || !FileIO("Write", libraryPath(), remaining)) {
        deleteFailed();
        return;
    }
    // The entry that followed the deleted one in the library as it was takes its place.
    if (const int place = placeOf(entriesOf(*current), gone); place >= 0)
        LibraryIndex = static_cast<std::int16_t>(place);
    LibraryText = std::move(remaining);
    LibraryEntries = entriesOf(LibraryText);
    if (LibraryIndex >= static_cast<int>(LibraryEntries.size()) - 1) LibraryIndex = 0;
    if (!inRange(LibraryEntries, LibraryIndex)) {
        deleteFailed();
        return;
    }
    ShowLibraryItem(LibraryEntries[LibraryIndex]);
}

void FormDesignEdit::addFailed() {
    showMessage(MsgLibraryAddFailed);
    ShowLibraryItem(PictureImageBox.Tag());
}

bool FormDesignEdit::addToLibrary(const std::string& File) {
    // The entry's delimiters cannot stand inside a path without breaking the library.
    if (File.find_first_of("<>\r\n") != std::string::npos) return false;
    // The library as it stands now tells whether the file is in it: another copy of the program
    // may have added it since this one read the library. The entry on show keeps its place.
    std::optional<std::string> current = runtime::ReadFileForChange(libraryPath());
    if (!current) return false;
    LibraryText = std::move(*current);
    LibraryEntries = entriesOf(LibraryText);
    if (const int shown = placeOf(LibraryEntries, PictureImageBox.Tag()); shown >= 0)
        LibraryIndex = static_cast<std::int16_t>(shown);
    if (const int listed = placeOf(LibraryEntries, File); listed >= 0) {
        // The entry on show is the one listed, so a deletion now takes that entry.
        LibraryIndex = static_cast<std::int16_t>(listed);
        ShowLibraryItem(File);
        return true;
    }
    std::string entry = "<" + File + ">";
    if (!FileIO("Append", libraryPath(), entry)) return false;
    FileIO("GetBinary", libraryPath(), LibraryText);
    LibraryEntries = entriesOf(LibraryText);
    LibraryIndex = static_cast<std::int16_t>(static_cast<int>(LibraryEntries.size()) - 2);
    if (!inRange(LibraryEntries, LibraryIndex)) return false;
    ShowLibraryItem(LibraryEntries[LibraryIndex]);
    PictureImageBox.setDragMode(1);
    return true;
}

void FormDesignEdit::AddLibraryItem() {
    CommonDialog1.setFileName("");
    CommonDialog1.setInitDir(runtime::app().App().Path + "/avi/");
    if (!CommonDialog1.ShowOpen()) return;
    const std::string file = CommonDialog1.FileName();
    if (file.empty()) return;
    if (!endsWith(file, ".avi")) {
        const std::optional<runtime::Picture> picture = runtime::LoadPicture(file);
        if (!picture) return addFailed();
        Image1.setPicture(*picture);
    }
    if (!addToLibrary(file)) addFailed();
}

void FormDesignEdit::PictureImageBox_OLEDragDrop(runtime::DataObject& Data, int& /*Effect*/,
                                                 int /*Button*/, int /*Shift*/, double /*X*/,
                                                 double /*Y*/) {
    const std::string file = Data.Files(1);
    if (file.empty()) return;
    if (!isClip(file)) {
        const std::optional<runtime::Picture> picture = runtime::LoadPicture(file);
        if (!picture) return addFailed();
        Image1.setPicture(*picture);
    }
    if (!addToLibrary(file)) addFailed();
}

}  // namespace quillo
