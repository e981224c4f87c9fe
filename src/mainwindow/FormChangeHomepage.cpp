#include "mainwindow/FormChangeHomepage.h"

#include "shared/mdlPlacementFunctions.h"

namespace quillo {

FormChangeHomepage::FormChangeHomepage() : Form("FormChangeHomepage") {
    setBorderStyle(0);
    setWidth(PixelsToTwips(399));
    setHeight(PixelsToTwips(83));

    MoveInPixels(Image2, 368, 0, 25, 25);
    Image2.setBackStyle(0);
    MoveInPixels(Image1, 16, 32, 32, 32);
    MoveInPixels(Text1, 59, 37, 249, 25);
    MoveInPixels(Label1, 336, 40, 49, 25);
    Label1.setBackStyle(0);
}

}  // namespace quillo
