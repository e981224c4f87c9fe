#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Program.h"
#include "mainwindow/FormMenu.h"
#include "mainwindow/RNfunctions.h"

using namespace quillo;
using namespace quillo::testing;
using quillo::runtime::app;

namespace {

using Entries = std::vector<std::string>;

constexpr double px(double pixels) {
    return pixels * 15;
}

struct Geometry {
    double left, top, width, height;
    bool operator==(const Geometry&) const = default;
};

Geometry geometryOf(const runtime::Form& form) {
    return {form.Left(), form.Top(), form.Width(), form.Height()};
}

std::string Values(const std::string& first, const std::string& second) {
    return first + '\x02' + second + "\r\n";
}

// The program's main window at 600 x 400 px, placed at 100, 50 px.
struct Framed : Program {
    Framed() {
        start();
        main().Move(px(100), px(50), px(600), px(400));
        backend().windowServices.log.clear();
    }
    const Entries& requests() { return backend().windowServices.log; }
};

}  // namespace

TEST(EdgeZones, NameTheBandUnderTheMouseSetItsPointerAndHandAPressToTheSizeLoop) {
    struct Case {
        double x, y;
        const char* zone;
        int pointer;
        const char* request;  // what a press there asks of the window system
    };
    const Case cases[] = {
        {597, 10, "RIGHT", 9, "resize form1 11"},
        {596, 10, "CENTER", 0, nullptr},  // the comparisons are strict
        {597, 3, "TOPRIGHT", 6, "resize form1 14"},
        {3, 3, "TOPLEFT", 8, "resize form1 13"},
        {597, 397, "BOTTOMRIGHT", 8, "resize form1 17"},
        {3, 397, "BOTTOMLEFT", 6, "resize form1 16"},  // a corner wins over its two edges
        {3, 200, "LEFT", 9, "resize form1 10"},
        {4, 200, "CENTER", 0, nullptr},
        {300, 3, "TOP", 7, "resize form1 12"},
        {300, 4, "CENTER", 0, nullptr},
        {300, 397, "BOTTOM", 7, "resize form1 15"},
        {300, 396, "CENTER", 0, nullptr},
        {300, 200, "CENTER", 0, nullptr},
    };
    for (const Case& c : cases) {
        Framed program;
        form1& main = program.main();
        User::mouseMove(main, 0, px(c.x), px(c.y));
        EXPECT_EQ(main.ResizeZone, c.zone) << c.x << ", " << c.y;
        EXPECT_EQ(main.MousePointer(), c.pointer) << c.x << ", " << c.y;
        User::mouseDown(main, runtime::vbLeftButton, px(c.x), px(c.y));
        EXPECT_EQ(program.requests(), c.request ? Entries{c.request} : Entries{}) << c.zone;
    }
}

TEST(EdgeZones, TheBandLiesUnderTheBorderLabelToo) {
    Framed program;
    form1& main = program.main();
    // The label starts one pixel in: its own 596 is the window's 597.
    User::mouseMove(main.Label1, 0, px(596), px(9));
    EXPECT_EQ(main.ResizeZone, "RIGHT");
    User::mouseDown(main.Label1, runtime::vbLeftButton, px(596), px(9));
    EXPECT_EQ(program.requests(), Entries{"resize form1 11"});
}

TEST(EdgeZones, APressUsesTheZoneOfTheLastMoveWithAnyButton) {
    for (int button : {runtime::vbLeftButton, runtime::vbRightButton, runtime::vbMiddleButton}) {
        Framed program;
        form1& main = program.main();
        User::mouseMove(main, 0, px(2), px(200));
        // Moves over the controls do not change the zone.
        User::mouseMove(main.WebBrowser2, 0, px(10), px(10));
        User::mouseDown(main, button, px(300), px(200));
        EXPECT_EQ(program.requests(), Entries{"resize form1 10"}) << button;
    }
}

TEST(EdgeZones, APressBeforeAnyMoveAsksNothing) {
    Framed program;
    form1& main = program.main();
    EXPECT_EQ(main.ResizeZone, "");
    User::mouseDown(main, runtime::vbLeftButton, px(1), px(1));
    EXPECT_TRUE(program.requests().empty());
    EXPECT_EQ(EdgeHitCode(""), 0);
    EXPECT_EQ(EdgeHitCode("CENTER"), 0);
}

TEST(WindowMove, APressOnTheTitleClosesTheMenuAndHandsThePressToTheMoveLoop) {
    for (bool onBar : {false, true}) {
        for (int button : {runtime::vbLeftButton, runtime::vbRightButton}) {
            Framed program;
            form1& main = program.main();
            FormMenu& menu = runtime::form<FormMenu>();
            menu.Show();
            User::mouseDown(onBar ? main.PictureTitleBar : main.PictureTitle, button, 0, 0);
            EXPECT_EQ(program.requests(), Entries{"move form1"}) << onBar << button;
            EXPECT_FALSE(menu.Visible());
        }
    }
}

TEST(Maximize, LaysTheWindowOverTheWorkAreaAndRestoresItsPlaceAndSize) {
    Framed program;
    form1& main = program.main();
    program.backend().windowServices.area = {0, 24, 1024, 720};
    const Geometry before = geometryOf(main);
    User::click(main.PictureWS02);
    EXPECT_EQ(WindowMaximized, 1);
    EXPECT_EQ(geometryOf(main), (Geometry{0, px(24), px(1024), px(720)}));
    EXPECT_EQ((Geometry{static_cast<double>(RestoreLeft), static_cast<double>(RestoreTop),
                        static_cast<double>(RestoreWidth), static_cast<double>(RestoreHeight)}),
              before);
    EXPECT_TRUE(main.Visible());
    // Laid out for the new size.
    EXPECT_EQ(main.WebBrowser2.Left() + main.WebBrowser2.Width(), px(1024 - 11));
    EXPECT_EQ(main.getWindowState(), runtime::WindowState::Normal);

    // The second toggle, a double-click on the title, puts the window back.
    User::doubleClick(main.PictureTitle);
    EXPECT_EQ(WindowMaximized, 0);
    EXPECT_EQ(geometryOf(main), before);
    EXPECT_EQ(main.WebBrowser2.Left() + main.WebBrowser2.Width(), px(600 - 11));

    User::doubleClick(main.PictureTitleBar);
    EXPECT_EQ(WindowMaximized, 1);
    User::click(main.PictureWS02);
    EXPECT_EQ(geometryOf(main), before);
}

TEST(Maximize, KeepsWholeTwipsBeyondSixteenBits) {
    Framed program;
    form1& main = program.main();
    main.Move(px(2000) + 0.4, px(1200), px(3000), px(1500) + 0.6);
    const Geometry before = geometryOf(main);
    User::click(main.PictureWS02);
    EXPECT_EQ(RestoreLeft, 30000);
    EXPECT_EQ(RestoreTop, 18000);
    EXPECT_EQ(RestoreWidth, 45000);
    EXPECT_EQ(RestoreHeight, 22501);
    User::click(main.PictureWS02);
    EXPECT_EQ(geometryOf(main), (Geometry{30000, 18000, 45000, 22501}));
    EXPECT_NE(geometryOf(main), before);
}

TEST(Maximize, AWorkAreaThatCannotBeReadLeavesTheWindowAsItWas) {
    for (runtime::RectPx area : {runtime::RectPx{0, 0, 0, 0}, runtime::RectPx{0, 0, 1024, 0},
                                 runtime::RectPx{0, 0, -5, 700}}) {
        Framed program;
        form1& main = program.main();
        RestoreWidth = 1234;
        program.backend().windowServices.area = area;
        const Geometry before = geometryOf(main);
        User::click(main.PictureWS02);
        EXPECT_EQ(WindowMaximized, 0);
        EXPECT_EQ(geometryOf(main), before);
        EXPECT_EQ(RestoreWidth, 1234);
        // The next try, with a work area, maximizes.
        program.backend().windowServices.area = {0, 0, 800, 600};
        User::click(main.PictureWS02);
        EXPECT_EQ(WindowMaximized, 1);
        EXPECT_EQ(RestoreWidth, px(600));
    }
}

TEST(Maximize, AMaximizedWindowCanStillBeMovedAndSizedAndExitsWithZeroSizes) {
    std::string size;
    {
        Framed program;
        form1& main = program.main();
        User::click(main.PictureWS02);
        User::mouseDown(main.PictureTitle, runtime::vbLeftButton, 0, 0);
        User::mouseMove(main, 0, px(2), px(300));
        User::mouseDown(main, runtime::vbLeftButton, px(2), px(300));
        EXPECT_EQ(program.requests(), (Entries{"move form1", "resize form1 10"}));
        EXPECT_EQ(WindowMaximized, 1);
        main.Unload();
        size = program.harness.readFile("size.ini");
    }
    EXPECT_EQ(size, Values("0", "0"));
    Framed program;
    form1& main = program.main();
    User::click(main.PictureWS02);
    User::click(main.PictureWS02);
    main.Unload();
    EXPECT_EQ(program.harness.readFile("size.ini"), Values("600", "400"));
}

TEST(Minimize, TheButtonMinimizesAndARestoreLaysTheWindowOutAgain) {
    Framed program;
    form1& main = program.main();
    User::click(main.PictureWS02);
    User::click(main.PictureWS01);
    EXPECT_EQ(main.getWindowState(), runtime::WindowState::Minimized);
    EXPECT_EQ(WindowMaximized, 1);
    // While minimized the layout leaves the controls alone.
    main.WebBrowser2.setWidth(15);
    main.setWidth(px(900));
    EXPECT_EQ(main.WebBrowser2.Width(), 15);

    // Restored from the task bar: the window system raises Resize.
    main.setWindowState(runtime::WindowState::Normal);
    app().dispatch([&main] { main.Resize(); });
    EXPECT_EQ(main.WebBrowser2.Left() + main.WebBrowser2.Width(), px(900 - 11));
    EXPECT_EQ(WindowMaximized, 1);
}
