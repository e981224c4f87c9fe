#include "mainwindow/FormAbout.h"

#include "runtime/Application.h"
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
    LabelClose.setBackStyle(0);
    MoveInPixels(LabelClose, 366, 8, 26, 26);

    Load = [this] { Form_Load(); };
    MouseDown = [this](int, int, double, double) { Form_MouseDown(); };
    LabelClose.Click = [this] { LabelClose_Click(); };
    CloseRequest = [this] { LabelClose_Click(); };
}

void FormAbout::Form_Load() {
    application().backend().windows().setTopmost(*this, true);
    const runtime::Screen& screen = application().screen();
    setTop(screen.Height / 2 - Height() / 2);
    setLeft(screen.Width / 2 - Width() / 2);
}

void FormAbout::Form_MouseDown() {
    application().backend().windows().startSystemMove(*this);
}

void FormAbout::LabelClose_Click() {
    Hide();
}

}  // namespace quillo
