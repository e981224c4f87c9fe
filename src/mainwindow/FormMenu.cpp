#include "mainwindow/FormMenu.h"

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
}

}  // namespace quillo
