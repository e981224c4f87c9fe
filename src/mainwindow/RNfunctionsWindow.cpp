// Window handling of the borderless main window: edge zones, system move and size loops,
// maximizing to the work area and minimizing.
#include <cmath>
#include <cstdint>

#include "mainwindow/RNfunctions.h"
#include "mainwindow/form1.h"
#include "runtime/Application.h"
#include "shared/mdlPlacementFunctions.h"

namespace quillo {

std::int32_t RestoreTop = 0;
std::int32_t RestoreLeft = 0;
std::int32_t RestoreWidth = 0;
std::int32_t RestoreHeight = 0;

namespace {

constexpr int kBandPx = 4;

// Mouse pointers: the platform's sizing arrows.
constexpr int kPointerDefault = 0;
constexpr int kPointerNorthEast = 6;
constexpr int kPointerNorthSouth = 7;
constexpr int kPointerNorthWest = 8;
constexpr int kPointerWestEast = 9;

struct Zone {
    const char* name;
    int pointer;
    int hitCode;
};

// In the order a press compares them; the codes are the window system's border codes.
constexpr Zone kEdges[] = {
    {"TOP", kPointerNorthSouth, 12},    {"TOPRIGHT", kPointerNorthEast, 14},
    {"RIGHT", kPointerWestEast, 11},    {"BOTTOMRIGHT", kPointerNorthWest, 17},
    {"BOTTOM", kPointerNorthSouth, 15}, {"BOTTOMLEFT", kPointerNorthEast, 16},
    {"LEFT", kPointerWestEast, 10},     {"TOPLEFT", kPointerNorthWest, 13},
};

const Zone& edge(std::string_view name) {
    for (const Zone& zone : kEdges)
        if (name == zone.name) return zone;
    static constexpr Zone centre{"CENTER", kPointerDefault, 0};
    return centre;
}

std::int32_t wholeTwips(double twips) {
    return static_cast<std::int32_t>(std::lround(twips));
}

}  // namespace

void GetEdgeZone(runtime::Form& frm, double X, double Y, std::string& zone) {
    const double band = PixelsToTwips(kBandPx);
    const double W = frm.Width();
    const double H = frm.Height();
    const bool right = X > W - band, left = X < band;
    const bool top = Y<band, bottom = Y> H - band;
    // Corners first, then the sides, then top and bottom.
    const char* name = "CENTER";
    if (right && top)
        name = "TOPRIGHT";
    else if (left && top)
        name = "TOPLEFT";
    else if (right && bottom)
        name = "BOTTOMRIGHT";
    else if (left && bottom)
        name = "BOTTOMLEFT";
    else if (right)
        name = "RIGHT";
    else if (left)
        name = "LEFT";
    else if (top)
        name = "TOP";
    else if (bottom)
        name = "BOTTOM";
    frm.setMousePointer(edge(name).pointer);
    zone = name;
}

int EdgeHitCode(const std::string& zone) {
    return edge(zone).hitCode;
}

void ResizeFromEdge(runtime::Form& frm, const std::string& zone) {
    // The window system's loop takes the press over, which also ends the program's capture.
    const int code = EdgeHitCode(zone);
    if (code != 0) frm.application().backend().windows().startSystemResize(frm, code);
}

void ToggleMaximized(form1& frm) {
    if (WindowMaximized == 0) {
        // Nothing changes before the work area is known.
        const double top = frm.SysInfo1.WorkAreaTop();
        const double left = frm.SysInfo1.WorkAreaLeft();
        const double height = frm.SysInfo1.WorkAreaHeight();
        const double width = frm.SysInfo1.WorkAreaWidth();
        if (!(width > 0 && height > 0)) return;
        WindowMaximized = 1;
        RestoreTop = wholeTwips(frm.Top());
        RestoreLeft = wholeTwips(frm.Left());
        RestoreWidth = wholeTwips(frm.Width());
        RestoreHeight = wholeTwips(frm.Height());
        frm.setTop(top);
        frm.setLeft(left);
        frm.setHeight(height);
        frm.setWidth(width);
        ArrangeMainWindow(frm);
        frm.Show();
        return;
    }
    if (WindowMaximized == 1) {
        WindowMaximized = 0;
        frm.setWindowState(runtime::WindowState::Normal);
        frm.setTop(RestoreTop);
        frm.setLeft(RestoreLeft);
        frm.setHeight(RestoreHeight);
        frm.setWidth(RestoreWidth);
        ArrangeMainWindow(frm);
        frm.Show();
    }
}

void MinimizeWindow(runtime::Form& frm) {
    frm.setWindowState(runtime::WindowState::Minimized);
}

}  // namespace quillo
