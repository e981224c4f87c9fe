#include "mainwindow/FormChangeHomepage.h"

#include "runtime/Application.h"
#include "shared/ModuleFucns.h"
#include "shared/ModuleLanguage.h"
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

    Load = [this] { Form_Load(); };
    MouseDown = [this](int, int, double, double) { Form_MouseDown(); };
    Label1.Click = [this] { Label1_Click(); };
    Image2.Click = [this] { Image2_Click(); };
    CloseRequest = [this] { Image2_Click(); };
    Text1.KeyDown = [this](int& keyCode, int) { Text1_KeyDown(keyCode); };
}

void FormChangeHomepage::Form_Load() {
    // Filled once: later showings keep whatever the box held when it was hidden.
    Text1.setText(HomePage);
}

void FormChangeHomepage::Form_MouseDown() {
    application().backend().windows().startSystemMove(*this);
}

void FormChangeHomepage::Label1_Click() {
    HomePage = Text1.Text();
    std::string contents = Text1.Text();
    // The home page holds for this run even when the file cannot be written; the next start
    // then keeps the one it had.
    FileIO("Write", application().App().Path + "/homepage.ini", contents);
    Hide();
}

void FormChangeHomepage::Image2_Click() {
    Hide();
}

void FormChangeHomepage::Text1_KeyDown(int& KeyCode) {
    if (KeyCode == 13) Label1_Click();
}

}  // namespace quillo
