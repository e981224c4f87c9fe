#include "TestWindow.h"

#include "runtime/Application.h"

namespace quillo {

using namespace runtime;

TestWindow::TestWindow(std::string pictureFile)
    : Form("TestWindow"), pictureFile_(std::move(pictureFile)) {
    Load = [this] { Form_Load(); };
    Resize = [this] { Form_Resize(); };
    MouseMove = [this](int b, int s, double x, double y) { Form_MouseMove(b, s, x, y); };
    MouseDown = [this](int b, int s, double x, double y) { Form_MouseDown(b, s, x, y); };
    Label1.MouseDown = [this](int, int, double, double) {
        application().backend().windows().startSystemMove(*this);
    };
    KeyDown = [this](int& keyCode, int shift) { Form_KeyDown(keyCode, shift); };
    DblClick = [this] { Unload(); };
    Label1.DblClick = [this] { Unload(); };
}

void TestWindow::Form_Load() {
    setBorderStyle(0);
    setCaption("Quillo");
    setBackColor(RGB(255, 236, 160));
    const Screen& screen = application().screen();
    Move((screen.Width - 10800) / 2, (screen.Height - 8100) / 2, 10800, 8100);

    Label1.setCaption("Quillo");
    Label1.setFont({"Impact", 28, true});
    Label1.setForeColor(RGB(40, 60, 160));
    Label1.setBackStyle(0);
    Label1.setAlignment(2);

    auto picture = LoadPicture(pictureFile_);
    Image1.setStretch(true);
    if (picture) Image1.setPicture(*picture);
    Image1.Move(300, 1200, 2400, 2400);

    Picture1.setBackColor(RGB(160, 220, 255));
    if (picture) Picture1.setPicture(*picture);
    Label2.setCaption("ＭＳ Ｐゴシック: こんにちは");
    Label2.setFont({"ＭＳ Ｐゴシック", 12, false, false, false, 128});
    Label2.setBackStyle(0);
    Label2.setAutoSize(true);
    Label2.Move(150, 1500);
    WebBrowser1.Navigate("www.quillo.example");
}

void TestWindow::Form_Resize() {
    Label1.Move(0, 240, Width(), 900);
    Picture1.Move(3000, 1200, Width() - 3300, Height() - 1500);
    WebBrowser1.Move(0, 1900, Picture1.ScaleWidth(), Picture1.ScaleHeight() - 1900);
}

void TestWindow::Form_MouseMove(int, int, double x, double y) {
    // A 4-pixel band along the edges sizes the window.
    const double band = 4 * application().screen().TwipsPerPixelX;
    const bool left = x<band, right = x> Width() - band;
    const bool top = y<band, bottom = y> Height() - band;
    edge_ = top && left       ? 13
            : top && right    ? 14
            : bottom && left  ? 16
            : bottom && right ? 17
            : left            ? 10
            : right           ? 11
            : top             ? 12
            : bottom          ? 15
                              : 0;
    static constexpr int pointers[] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9, 9, 7, 8, 6, 7, 6, 8};
    setMousePointer(pointers[edge_]);
}

void TestWindow::Form_MouseDown(int, int, double, double) {
    if (edge_ != 0)
        application().backend().windows().startSystemResize(*this, edge_);
    else
        application().backend().windows().startSystemMove(*this);
}

void TestWindow::Form_KeyDown(int& keyCode, int) {
    if (keyCode == 27) Unload();
}

}  // namespace quillo
