#pragma once

#include <string>

#include "runtime/Form.h"
#include "runtime/Label.h"
#include "runtime/TextBox.h"

namespace quillo {

// The save-design dialog: a name box over the dialog's bitmap, whose buttons are transparent
// labels. Tag holds the address of the design to keep; Save adds "name~address" to the list, after
// asking when the name is there already.
class frmSaveDesign : public runtime::Form {
  public:
    frmSaveDesign();

    runtime::TextBox& Text1 = add<runtime::TextBox>("Text1");
    runtime::Label& cmdSave = add<runtime::Label>("cmdSave");
    runtime::Label& cmdCancel = add<runtime::Label>("cmdCancel");
    runtime::Label& LabelClose = add<runtime::Label>("LabelClose");

    // The list file.
    std::string DesignPath;

    void Form_Load();
    void Form_MouseDown();
    void cmdSave_Click();
    void cmdCancel_Click();
    void LabelClose_Click();
    void Text1_KeyPress(int& KeyAscii);
};

}  // namespace quillo
