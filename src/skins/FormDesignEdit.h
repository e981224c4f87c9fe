#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "runtime/CommonDialog.h"
#include "runtime/ControlArray.h"
#include "runtime/DataObject.h"
#include "runtime/Form.h"
#include "runtime/Image.h"
#include "runtime/Label.h"
#include "runtime/PictureBox.h"
#include "runtime/TextBox.h"

namespace quillo {

class ClassSkins;

// The skin editor: a preview of the image library between a bar of nine picture buttons, a
// skin name box and a close spot, all over the editor's bitmap.
class FormDesignEdit : public runtime::Form {
  public:
    FormDesignEdit();
    ~FormDesignEdit() override;

    // The button bar: 0 clear, 1 colour, 2 add pictures, 3 and 4 the arrows (drawn on the
    // window's bitmap, no picture of their own), 5 delete, 6 skins, 7 save as, 8 save.
    runtime::ControlArray<runtime::PictureBox> Picture1 =
        addArray<runtime::PictureBox>("Picture1", {0, 1, 2, 3, 4, 5, 6, 7, 8});
    runtime::Label& Label1 = add<runtime::Label>("Label1");  // close
    // The preview of the library entry on show; its Tag holds that entry's path.
    runtime::PictureBox& PictureImageBox = add<runtime::PictureBox>("PictureImageBox");
    // Takes a picture at its natural size to measure it; never shown.
    runtime::Image& Image1 = add<runtime::Image>("Image1");
    runtime::CommonDialog& CommonDialog1 = add<runtime::CommonDialog>("CommonDialog1");
    runtime::TextBox& TextBoxSkinName = add<runtime::TextBox>("TextBoxSkinName");

    // The engine of the editor, the skin manager and the save-as window, made at load; it
    // shares no state with the main window's own engine.
    std::unique_ptr<ClassSkins> Skins;

    // The image library: the text of imagelib.txt as last read or written, its entries (the
    // last element is the empty tail; an empty library has no elements) and the one on show.
    std::string LibraryText;
    std::vector<std::string> LibraryEntries;
    std::int16_t LibraryIndex = 0;

    void Form_Load();

    // Shows a library entry in the preview: a clip plays inside the box, a picture is painted
    // into it. False when the file is no picture.
    bool ShowLibraryItem(const std::string& File);
    // Adds a file chosen in the open dialog to the library and shows it.
    void AddLibraryItem();
    void ShowPreviousItem();
    void ShowNextItem();
    // Removes the entry on show from the library and shows the one that takes its place.
    void DeleteLibraryItem();
    void ClickTheNextButton();
    void PictureImageBox_OLEDragDrop(runtime::DataObject& Data, int& Effect, int Button, int Shift,
                                     double X, double Y);

  private:
    std::string libraryPath() const;
    // The preview's media alias between double quotes.
    std::string previewAlias() const;
    void showMessage(const std::string& text);
    // Adds a file already known to load (or a clip) unless the library holds it already.
    bool addToLibrary(const std::string& File);
    void addFailed();
    void stepFailed();
    void deleteFailed();
    void step(int direction);
};

}  // namespace quillo
