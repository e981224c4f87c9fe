// The borderless main window handled as a window: moved by its title, sized from its edge band,
// maximized to the work area and back, minimized.
#include "mainwindow/FormMenu.h"
#include "mainwindow/RNfunctions.h"
#include "mainwindow/form1.h"
#include "runtime/Application.h"

namespace quillo {

void form1::wireWindow() {
    MouseMove = [this](int button, int shift, double x, double y) {
        Form_MouseMove(button, shift, x, y);
    };
    MouseDown = [this](int button, int shift, double x, double y) {
        Form_MouseDown(button, shift, x, y);
    };
    // The border label lies over almost all of the surface: the mouse over it is over the
    // window's own surface, so the edge band reaches under it.
    Label1.MouseMove = [this](int button, int shift, double x, double y) {
        Form_MouseMove(button, shift, x + Label1.Left(), y + Label1.Top());
    };
    Label1.MouseDown = [this](int button, int shift, double x, double y) {
        Form_MouseDown(button, shift, x + Label1.Left(), y + Label1.Top());
    };
    PictureTitle.MouseDown = [this](int, int, double, double) { PictureTitle_MouseDown(); };
    PictureTitleBar.MouseDown = [this](int, int, double, double) { PictureTitleBar_MouseDown(); };
    PictureTitle.DblClick = [this] { PictureTitle_DblClick(); };
    PictureTitleBar.DblClick = [this] { PictureTitleBar_DblClick(); };
    PictureWS01.Click = [this] { PictureWS01_Click(); };
    PictureWS02.Click = [this] { PictureWS02_Click(); };
}

void form1::Form_MouseMove(int, int, double X, double Y) {
    GetEdgeZone(*this, X, Y, ResizeZone);
}

void form1::Form_MouseDown(int, int, double, double) {
    // Any button starts the size loop, in the zone of the last move.
    ResizeFromEdge(*this, ResizeZone);
}

void form1::PictureTitle_MouseDown() {
    runtime::form<FormMenu>().Hide();
    application().backend().windows().startSystemMove(*this);
}

void form1::PictureTitleBar_MouseDown() {
    PictureTitle_MouseDown();
}

void form1::PictureTitle_DblClick() {
    ToggleMaximized(*this);
}

void form1::PictureTitleBar_DblClick() {
    ToggleMaximized(*this);
}

void form1::PictureWS01_Click() {
    MinimizeWindow(*this);
}

void form1::PictureWS02_Click() {
    ToggleMaximized(*this);
}

}  // namespace quillo
