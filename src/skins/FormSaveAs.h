#pragma once

#include "runtime/ControlArray.h"
#include "runtime/Form.h"
#include "runtime/Label.h"
#include "runtime/ListBox.h"
#include "runtime/PictureBox.h"
#include "runtime/TextBox.h"

namespace quillo {

// The save-as window: the list of skins, the name to save under, OK and Cancel over its bitmap.
// Saving goes to the skin editor's engine.
class FormSaveAs : public runtime::Form {
  public:
    FormSaveAs();

    runtime::ListBox& ListSkins = add<runtime::ListBox>("ListSkins");
    runtime::TextBox& TextBoxSkinName = add<runtime::TextBox>("TextBoxSkinName");
    // 0 OK (save), 1 Cancel.
    runtime::ControlArray<runtime::PictureBox> Picture1 =
        addArray<runtime::PictureBox>("Picture1", {0, 1});
    runtime::Label& Label1 = add<runtime::Label>("Label1");  // close

    void Form_Load();
    void Form_MouseDown();
    void Label1_Click();
    void ListSkins_Click();
    void Picture1_Click(int Index);
    void Picture1_MouseDown(int Index);
    void Picture1_MouseUp(int Index);
};

}  // namespace quillo
