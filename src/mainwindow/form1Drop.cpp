// The drop handlers of the main window's picture buttons and bottom strips.
#include "mainwindow/RNfunctions.h"
#include "mainwindow/form1.h"
#include "runtime/Application.h"
#include "runtime/MediaCommands.h"

namespace quillo {

namespace {

// Only a picture box carries a picture to drop; any other dragged control is ignored.
const runtime::PictureBox* pictureBoxOf(const runtime::Control& source) {
    if (source.kind() != runtime::ControlKind::PictureBox) return nullptr;
    return static_cast<const runtime::PictureBox*>(&source);
}

}  // namespace

std::vector<runtime::Image*> form1::pictureButtons() {
    return {&PictureBack,  &PictureBookmark, &PictureClose, &PictureHideShow, &PictureHome,
            &PictureIcon,  &PictureMail,     &PictureNext,  &PictureReload,   &PictureStop,
            &PictureTitle, &PictureTitleBar, &PictureURL,   &PictureWS01,     &PictureWS02};
}

void form1::wireDrops() {
    for (runtime::Image* button : pictureButtons()) {
        button->setOLEDropMode(1);
        button->DragDrop = [button](runtime::Control& source, double, double) {
            if (const runtime::PictureBox* box = pictureBoxOf(source)) DropOnButton(*button, *box);
        };
        button->OLEDragDrop = [button](runtime::DataObject& data, int&, int, int, double, double) {
            OleDropOnButton(data, *button);
        };
    }
    for (runtime::PictureBox* strip :
         {&PictureBottomLeft, &PictureBottomCenter, &PictureBottomRight}) {
        strip->setOLEDropMode(1);
        // Any drop on the corner strip stops every media device first, whatever it carries.
        const bool corner = strip == &PictureBottomLeft;
        strip->DragDrop = [strip, corner](runtime::Control& source, double, double) {
            if (corner) runtime::mciSendString("Close all");
            if (const runtime::PictureBox* box = pictureBoxOf(source)) DropOnStrip(*strip, *box);
        };
        strip->OLEDragDrop = [strip, corner](runtime::DataObject& data, int&, int, int, double,
                                             double) {
            if (corner) runtime::mciSendString("Close all");
            OleDropOnStrip(data, *strip);
        };
        // A click on a strip does nothing.
        strip->Click = [] {};
    }
    PictureIcon.MouseMove = [this](int button, int shift, double x, double y) {
        PictureIcon_MouseMove(button, shift, x, y);
    };
    PictureIcon.MouseUp = [](int, int, double, double) {};
}

void form1::PictureIcon_MouseMove(int, int, double, double) {
    // The press that opened the program menu lets go of the mouse, so that its release reaches
    // the menu item under the pointer.
    application().backend().windows().releaseCapture();
}

}  // namespace quillo
