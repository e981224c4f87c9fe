#pragma once

#include "runtime/ControlArray.h"
#include "runtime/Form.h"
#include "runtime/Label.h"
#include "runtime/PictureBox.h"
#include "runtime/Timer.h"

namespace quillo {

// The program menu: eight text items over the menu bitmap, opened by the program icon of the
// main window. The language pack gives the items their captions and the window its bitmap.
class FormMenu : public runtime::Form {
  public:
    FormMenu();

    // The items, each sized to its caption; only their Top changes when the menu opens.
    runtime::ControlArray<runtime::Label> LabelMenu =
        addArray<runtime::Label>("LabelMenu", {0, 1, 2, 3, 4, 5, 6, 7});
    // Holds the menu bitmap; it takes the bitmap's size, which gives the menu its height.
    runtime::PictureBox& Picture1 = add<runtime::PictureBox>("Picture1");
    // Closes the menu once the pointer has left it (100 ms, off until the pointer first
    // crosses the menu's background).
    runtime::Timer& TimerCloseMenu = add<runtime::Timer>("TimerCloseMenu");
};

}  // namespace quillo
