#include "mainwindow/FormAbout.h"

#include "shared/mdlPlacementFunctions.h"

namespace quillo {

FormAbout::FormAbout() : Form("FormAbout") {
    setCaption("About Quillo 3.0");
    setBorderStyle(0);
    // The size of FAFormAbout.bmp; the text lies in the blank panel the bitmap leaves for it.
    setWidth(PixelsToTwips(400));
    setHeight(PixelsToTwips(300));

    Text1.setMultiLine(true);
    Text1.setLocked(true);
    MoveInPixels(Text1, 16, 100, 368, 184);
}

}  // namespace quillo
