#pragma once

#include <string>

#include "runtime/Control.h"

namespace quillo {

// The skinned message box as a control of its host window: it draws nothing and keeps a fixed
// size; show() asks the question in FormMessageBox.
class MessageBox : public runtime::Control {
  public:
    MessageBox(runtime::Form& form, std::string name, int index, runtime::Control* container);

    // Shows Message modally and topmost with the buttons of BoxType, "OK" (the default) or
    // "YESNO", compared in upper case, and waits. Returns the clicked button's word, "YES", "NO"
    // or "OK", or "" when the box closed without a click, which callers take as a refusal. A
    // question asked while another box waits opens a box of its own; each caller gets its word.
    std::string show(const std::string& Message, const std::string& BoxType = "OK");

  protected:
    // Any resize gives the control its fixed size back.
    void sizeChanged() override;

  private:
    bool fixing_ = false;
};

}  // namespace quillo
