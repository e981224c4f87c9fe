#include "mainwindow/FormMenu.h"

#include "mainwindow/form1.h"
#include "runtime/Application.h"
#include "shared/mdlPlacementFunctions.h"

namespace quillo {

using namespace runtime;

namespace {

constexpr Color kItemBack = 0xFFC0C0;
constexpr Color kItemFore = 0x4080;
// The Top of each item in pixels: steps of 24, the last one 23.
constexpr int kItemTops[] = {10, 34, 58, 82, 106, 130, 154, 177};

}  // namespace

FormMenu::FormMenu() : Form("FormMenu") {
    setBorderStyle(0);
    setShowInTaskbar(false);
    // The size the menu bitmap was drawn for; the menu sets its own size each time it opens.
    setWidth(PixelsToTwips(160));
    setHeight(PixelsToTwips(204));

    const Font itemFont{"MS PGothic", 9.75, true, false, false, 128};
    for (auto& [index, label] : LabelMenu) {
        label->setFont(itemFont);
        label->setBackColor(kItemBack);
        label->setForeColor(kItemFore);
        label->setAutoSize(true);
        label->Move(165, PixelsToTwips(kItemTops[index]));
    }

    Picture1.setBorderStyle(0);
    Picture1.setAutoSize(true);
    Picture1.Move(2040, 3240);

    TimerCloseMenu.setEnabled(false);
    TimerCloseMenu.setInterval(100);

    Load = [this] { Form_Load(); };
    MouseMove = [this](int button, int, double, double) { Form_MouseMove(button); };
    for (auto& [index, label] : LabelMenu) {
        const auto item = static_cast<std::int16_t>(index);
        label->MouseMove = [this, item](int button, int, double, double) {
            LabelMenu_MouseMove(item, button);
        };
        label->MouseUp = [this](int, int, double, double) { LabelMenu_MouseUp(); };
    }
    TimerCloseMenu.Tick = [this] { TimerCloseMenu_Timer(); };
    // The menu closes by hiding; its logic stays for the next opening.
    CloseRequest = [this] { Hide(); };
}

void FormMenu::Form_Load() {
    application().backend().windows().setTopmost(*this, true);
    Menu = std::make_unique<ClassMenu>();
    Menu->FormLoad(*this);
}

void FormMenu::Form_MouseMove(int Button) {
    Menu->ProcessFormMenuMouseMove(*this, runtime::form<form1>(),
                                   static_cast<std::int16_t>(Button));
}

void FormMenu::LabelMenu_MouseMove(std::int16_t Index, int Button) {
    Menu->ProcessLabelMenuMouseMove(*this, runtime::form<form1>(),
                                    static_cast<std::int16_t>(Button), Index);
}

void FormMenu::LabelMenu_MouseUp() {
    Menu->ExitMenu(*this, runtime::form<form1>());
}

void FormMenu::TimerCloseMenu_Timer() {
    Menu->ProcessTimerCloseMenu(*this, runtime::form<form1>());
}

}  // namespace quillo
