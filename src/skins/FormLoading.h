#pragma once

#include "runtime/CommonDialog.h"
#include "runtime/ControlArray.h"
#include "runtime/Form.h"
#include "runtime/Image.h"
#include "runtime/Label.h"
#include "runtime/ListBox.h"
#include "runtime/PictureBox.h"
#include "runtime/TextBox.h"

namespace quillo {

// The skin manager: the list of skins, a name box and picture buttons over its bitmap. Its short
// form shows the first two buttons; the long form, 39 pixels taller, the import and delete
// buttons below them too. Every action goes to the skin editor's engine.
class FormLoading : public runtime::Form {
  public:
    FormLoading();

    runtime::ListBox& ListSkins = add<runtime::ListBox>("ListSkins");
    runtime::TextBox& TextBoxSkinName = add<runtime::TextBox>("TextBoxSkinName");
    // 0 use this skin, 1 short/long, 2 import, 3 take off the list, 4 rename (beyond the
    // window's right edge).
    runtime::ControlArray<runtime::PictureBox> Picture1 =
        addArray<runtime::PictureBox>("Picture1", {0, 1, 2, 3, 4});
    runtime::Label& Label1 = add<runtime::Label>("Label1");  // close
    // The backgrounds of the short and the long form, kept here to swap them; never shown.
    runtime::Image& Image1 = add<runtime::Image>("Image1");
    runtime::Image& Image2 = add<runtime::Image>("Image2");
    runtime::CommonDialog& CommonDialog1 = add<runtime::CommonDialog>("CommonDialog1");

    // True while the long form is shown. The program menu cuts the window back to the short
    // height without clearing it, so the switch follows this, not the height.
    bool FormBottomVisible = false;

    void Form_Load();
    void Form_MouseDown();
    void Label1_Click();
    void ListSkins_Click();
    void Picture1_Click(int Index);
    void Picture1_MouseDown(int Index);
    void Picture1_MouseUp(int Index);
};

}  // namespace quillo
