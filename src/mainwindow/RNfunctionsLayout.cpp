// The main window's layout: every control placed from the window's current size.
#include <cmath>
#include <cstdint>

#include "mainwindow/FormMenu.h"
#include "mainwindow/RNfunctions.h"
#include "mainwindow/form1.h"
#include "runtime/Application.h"
#include "runtime/MediaCommands.h"
#include "runtime/PathResolver.h"
#include "shared/mdlPlacementFunctions.h"

namespace quillo {

namespace {

constexpr int kMinimumWidthPx = 432;
constexpr int kMinimumHeightPx = 156;
constexpr int kSidePaneWidthPx = 186;

// "n px" at the moment of use, as a length in twips.
double px(std::int32_t pixels) {
    return PixelsToTwips(pixels);
}

bool endsWithAvi(const std::string& path) {
    return runtime::LowerAscii(path).ends_with(".avi");
}

void ArrangeBorderLabel(form1& frm) {
    frm.Label1.setTop(BorderWidth);
    frm.Label1.setLeft(BorderWidth);
    // The label reaches one border width past the right edge and stops two short of the bottom,
    // where the bottom line is drawn.
    if (frm.Width() - 2.0 * BorderWidth > 0) frm.Label1.setWidth(frm.Width() - BorderWidth);
    if (frm.Height() - 2.0 * BorderWidth > 0)
        frm.Label1.setHeight(frm.Height() - 3.0 * BorderWidth);
}

void ArrangeTitleBar(form1& frm) {
    runtime::Frame& bar = frm.FrameTitleBar;
    bar.setTop(TitleBarTop);
    bar.setLeft(MarginLeft);
    const double width = frm.Width() - (static_cast<double>(MarginRight) + MarginLeft);
    if (width > 0) bar.setWidth(width);
    const double centred = bar.Width() / 2 - frm.PictureTitle.Width() / 2;
    if (centred > 0) frm.PictureTitle.setLeft(centred);
    frm.PictureTitleBar.setWidth(bar.Width());
    runtime::Image* const buttons[] = {&frm.PictureClose, &frm.PictureWS02, &frm.PictureWS01};
    for (int k = 1; k <= 3; ++k) {
        const double left = bar.Width() - static_cast<double>(k) * TitleButtonPitch;
        if (left > 0) buttons[k - 1]->setLeft(left);
    }
}

// The centre strip fills the gap up to the right strip, its picture repainted stretched; a Tag
// that names no picture leaves it blank.
void stretchCentreStrip(form1& frm, double width) {
    runtime::PictureBox& strip = frm.PictureBottomCenter;
    strip.setPicture(runtime::Picture{});
    strip.Cls();
    strip.setWidth(width);
    if (strip.Tag().empty()) return;
    if (std::optional<runtime::Picture> picture = runtime::LoadPicture(strip.Tag()))
        strip.PaintPicture(*picture, 0, 0, strip.Width(), strip.Height());
}

void ArrangeDashBoard(form1& frm) {
    runtime::Frame& dash = frm.FrameDashBoard;
    dash.setLeft(px(3));
    const double top = frm.Height() - dash.Height() - px(3);
    if (top > 0) dash.setTop(top);
    const double width = frm.Width() - px(2) - px(3);
    if (width > 0) dash.setWidth(width);

    runtime::PictureBox& right = frm.PictureBottomRight;
    if (dash.Width() - right.Width() > 0) right.setLeft(dash.Width() - right.Width());
    const double gap = right.Left() - frm.PictureBottomCenter.Left();
    if (gap > 0) stretchCentreStrip(frm, gap);

    runtime::Image& bookmark = frm.PictureBookmark;
    if (dash.Width() - bookmark.Width() > 0) bookmark.setLeft(dash.Width() - bookmark.Width());
    if (bookmark.Left() - frm.ComboURL.Left() > 0)
        frm.ComboURL.setWidth(bookmark.Left() - frm.ComboURL.Left());
    if (frm.PictureBottomCenter.Width() - frm.LabelStatusBarMain.Left() > 0)
        frm.LabelStatusBarMain.setWidth(frm.PictureBottomCenter.Width());
}

}  // namespace

void ArrangeBrowserPanes(form1& frm) {
    runtime::WebBrowser& side = frm.WebBrowser1;
    runtime::WebBrowser& page = frm.WebBrowser2;
    const double top = frm.FrameTitleBar.Top() + frm.FrameTitleBar.Height() + BrowserTopGap;
    side.setTop(top);
    page.setTop(top);
    // Both heights come from the side pane's top, which is the main pane's too.
    const double height =
        frm.Height() - (side.Top() + frm.FrameDashBoard.Height() + BrowserBottomGap);
    if (height > 0) side.setHeight(height);
    if (height > 0) page.setHeight(height);

    if (!side.Visible()) {
        page.setLeft(static_cast<double>(BrowserLeftInset) + MarginLeft);
        const double width = frm.Width() + side.Width() -
                             (px(3) + MarginRight + MarginLeft + BrowserLeftInset +
                              static_cast<double>(SidePaneAllowance));
        if (width > 0) page.setWidth(width);
        return;
    }
    const double raw =
        frm.Width() - (static_cast<double>(MarginRight) + MarginLeft + BrowserInsetWidth);
    const std::int64_t allowance = raw > 0 ? std::llround(raw) : 0;
    side.setWidth(px(kSidePaneWidthPx));
    if (allowance - SidePaneAllowance > 0)
        page.setWidth(static_cast<double>(allowance - SidePaneAllowance));
    side.setLeft(static_cast<double>(BrowserLeftInset) + MarginLeft);
    // The main pane overlaps the side pane's last two pixels.
    page.setLeft(side.Left() + side.Width() - px(2));
}

void ArrangeMainWindow(form1& frm) {
    runtime::form<FormMenu>().Hide();
    if (frm.getWindowState() == runtime::WindowState::Minimized) return;
    if (endsWithAvi(frm.PictureBottomLeft.Tag()))
        runtime::mciSendString("play \"" + frm.Tag() + "\" from 0");

    // The window system keeps the window at the minimum while the user sizes it.
    frm.setMinimumSize(px(kMinimumWidthPx), px(kMinimumHeightPx));
    // Setting the size raises Resize at once; the nested layout finds the minimum and keeps it.
    if (frm.Height() <= px(kMinimumHeightPx))
        frm.setHeight(px(kMinimumHeightPx));
    else if (frm.WebBrowser1.Tag() == "ENABLED")
        frm.WebBrowser1.setVisible(true);
    if (frm.Width() <= px(kMinimumWidthPx)) frm.setWidth(px(kMinimumWidthPx));

    ArrangeBorderLabel(frm);
    frm.LineRight.setX1(frm.Width() - px(1));
    frm.LineRight.setX2(frm.Width() - px(1));
    frm.LineRight.setY1(0);
    frm.LineRight.setY2(frm.Height());
    ArrangeTitleBar(frm);
    ArrangeDashBoard(frm);
    ArrangeBrowserPanes(frm);
    frm.LineBottom.setX1(0);
    frm.LineBottom.setX2(frm.Width());
    frm.LineBottom.setY1(frm.Height() - px(1));
    frm.LineBottom.setY2(frm.Height() - px(1));
}

}  // namespace quillo
