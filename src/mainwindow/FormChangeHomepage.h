#pragma once

#include "runtime/Form.h"
#include "runtime/Image.h"
#include "runtime/Label.h"
#include "runtime/TextBox.h"

namespace quillo {

// The home-page window: an address box with an OK and a close spot over its bitmap. Closing
// hides it, so the box keeps what was typed until the next showing.
class FormChangeHomepage : public runtime::Form {
  public:
    FormChangeHomepage();

    runtime::TextBox& Text1 = add<runtime::TextBox>("Text1");
    // OK: a transparent label over the bitmap's button.
    runtime::Label& Label1 = add<runtime::Label>("Label1");
    // Cancel: a transparent label over the bitmap's close mark, despite its name.
    runtime::Label& Image2 = add<runtime::Label>("Image2");
    runtime::Image& Image1 = add<runtime::Image>("Image1");

    void Form_Load();
    void Form_MouseDown();
    // Takes the typed address as the home page, for now and for the next start.
    void Label1_Click();
    void Image2_Click();
    void Text1_KeyDown(int& KeyCode);
};

}  // namespace quillo
