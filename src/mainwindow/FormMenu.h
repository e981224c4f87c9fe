#pragma once

#include <cstdint>
#include <memory>

#include "mainwindow/ClassMenu.h"
#include "runtime/ControlArray.h"
#include "runtime/Form.h"
#include "runtime/Label.h"
#include "runtime/PictureBox.h"
#include "runtime/Timer.h"

namespace quillo {

// The program menu: eight text items over the menu bitmap, opened by the program icon of the
// main window. The language pack gives the items their captions and the window its bitmap.
// The handlers forward to Menu, which holds the logic.
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

    // Created at load, kept for the window's life.
    std::unique_ptr<ClassMenu> Menu;

    void Form_Load();
    void Form_MouseMove(int Button);
    void LabelMenu_MouseMove(std::int16_t Index, int Button);
    void LabelMenu_MouseUp();
    void TimerCloseMenu_Timer();
};

}  // namespace quillo
