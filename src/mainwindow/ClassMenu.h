#pragma once

#include <cstdint>
#include <string>

namespace quillo {

class FormMenu;
class form1;

// The program menu's logic; FormMenu's handlers only forward here. FormParent is always the
// main window.
class ClassMenu {
  public:
    // The caption of the item last highlighted; "" once the menu closed without a choice.
    std::string SelectedItem;

    void FormLoad(FormMenu& form1);
    // The pointer crossed the menu's background: from now on the close timer watches it.
    void ProcessFormMenuMouseMove(FormMenu& FormMenu, form1& FormParent, std::int16_t Button);
    void ProcessLabelMenuMouseMove(FormMenu& FormMenu, form1& FormParent, std::int16_t Button,
                                   std::int16_t Index);
    void HighlightSelectedItem(FormMenu& FormMenu, std::int16_t Index);
    // Closes the menu without a choice when the pointer is outside it; its edges count as inside.
    void ProcessTimerCloseMenu(FormMenu& FormMenu, form1& FormParent);
    // Closes the menu and runs the item named by SelectedItem.
    void ExitMenu(FormMenu& FormMenu, form1& FormParent);

  private:
    void runItem(FormMenu& menu, form1& FormParent);

    std::int32_t x_ = 0;
    std::int32_t y_ = 0;
};

}  // namespace quillo
