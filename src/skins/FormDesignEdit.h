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
class form1;

// The skin editor: a preview of the image library between a bar of nine picture buttons, a
// skin name box and a close spot, all over the editor's bitmap.
class FormDesignEdit : public runtime::Form {
  public:
    FormDesignEdit();
    ~FormDesignEdit() override;

    // The button bar: 0 clear to blank buttons, 1 background colour, 2 add pictures, 3 and 4
    // the arrows (pictures of the window's own; 3 steps back, 4 on), 5 delete, 6 skins, 7 save
    // as, 8 save. Every button starts "Unindented".
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

    void Picture1_Click(int Index);
    // The pressed look of the button under the mouse, and back.
    void Picture1_MouseDown(int Index);
    void Picture1_MouseUp(int Index);
    // Gives a strip of the main window the colour chosen in the main window's colour dialog;
    // the strip's picture is taken off and put back, so it stays.
    void ChangeBackColor(form1& MainWindow, runtime::PictureBox& Strip);
    // Plays the preview's clip again after every media device was closed; a picture on show
    // has nothing to play.
    void restartPreviewClip();
    // A press on the window's surface closes the program menu and moves the window.
    void Form_MouseDown();
    // The close spot hides the editor; the library, the preview and the engine stay as they are.
    void Label1_Click();

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
    void playPreviewClip(const std::string& alias);
    void wireButtonBar();
    // Button 0: the main window's buttons show their blank pictures, its colours become the
    // inactive title colour and the strips forget their files; the name boxes read "New File".
    void ClearToBlankButtons();
    // Button 1: the main window's background colour from its colour dialog, the editor off
    // the topmost layer meanwhile. A cancelled dialog changes nothing.
    void ChooseBackgroundColor();
};

}  // namespace quillo
