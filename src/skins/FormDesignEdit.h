#pragma once

#include <memory>

#include "runtime/CommonDialog.h"
#include "runtime/ControlArray.h"
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

    void Form_Load();
};

}  // namespace quillo
