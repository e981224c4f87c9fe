#pragma once

#include "runtime/Form.h"
#include "runtime/Label.h"
#include "runtime/TextBox.h"

namespace quillo {

// The about window: the program's title picture (its background bitmap) and the language
// folder's agreement text, which the program menu puts into Text1. It is moved by a press on
// its surface and hidden, never unloaded, by its close spot, as the menu shows it again.
class FormAbout : public runtime::Form {
  public:
    FormAbout();

    runtime::TextBox& Text1 = add<runtime::TextBox>("Text1");
    // A transparent label over the bitmap's close mark.
    runtime::Label& LabelClose = add<runtime::Label>("LabelClose");

    void Form_Load();
    void Form_MouseDown();
    void LabelClose_Click();
};

}  // namespace quillo
