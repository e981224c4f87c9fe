#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Program.h"
#include "mainwindow/FormMenu.h"
#include "mainwindow/RNfunctions.h"
#include "runtime/MediaCommands.h"
#include "shared/mdlPlacementFunctions.h"

using namespace quillo;
using namespace quillo::testing;
using quillo::runtime::app;

namespace {

// Pixels in twips on the headless 96-dpi screen.
constexpr double px(double pixels) {
    return pixels * 15;
}

struct Placed {
    const char* what;
    double actual;
    double expected;
};

void expectPlaced(const std::vector<Placed>& rows) {
    for (const Placed& row : rows)
        EXPECT_EQ(row.actual, row.expected) << row.what;
}

// Every place and size that the layout sets, by control.
std::vector<double> geometryOfAll(const form1& main) {
    std::vector<double> values;
    for (const auto& control : main.controls()) {
        values.insert(values.end(),
                      {control->Left(), control->Top(), control->Width(), control->Height()});
    }
    return values;
}

// A GIF header is all the picture decoder needs for a picture's size.
std::string gif() {
    return std::string("GIF89a\x04\x00\x03\x00", 10) + std::string(16, '\0');
}

}  // namespace

TEST(MainWindowLayout, PlacesEveryControlOfAnEightHundredPixelWindow) {
    Program program;
    form1& main = program.start();
    main.setWidth(px(800));
    main.setHeight(px(440));
    expectPlaced({
        {"Label1.Left", main.Label1.Left(), px(1)},
        {"Label1.Top", main.Label1.Top(), px(1)},
        {"Label1.Width", main.Label1.Width(), px(799)},
        {"Label1.Height", main.Label1.Height(), px(437)},
        {"LineRight.X1", main.LineRight.X1(), px(799)},
        {"LineRight.X2", main.LineRight.X2(), px(799)},
        {"LineRight.Y1", main.LineRight.Y1(), 0},
        {"LineRight.Y2", main.LineRight.Y2(), px(440)},
        {"LineBottom.X1", main.LineBottom.X1(), 0},
        {"LineBottom.X2", main.LineBottom.X2(), px(800)},
        {"LineBottom.Y1", main.LineBottom.Y1(), px(439)},
        {"LineBottom.Y2", main.LineBottom.Y2(), px(439)},
        // The title frame is 8 px narrower than the window; the title picture is centred in it.
        {"FrameTitleBar.Left", main.FrameTitleBar.Left(), px(4)},
        {"FrameTitleBar.Top", main.FrameTitleBar.Top(), px(4)},
        {"FrameTitleBar.Width", main.FrameTitleBar.Width(), px(792)},
        {"PictureTitleBar.Width", main.PictureTitleBar.Width(), px(792)},
        {"PictureTitle.Left", main.PictureTitle.Left(), px(396 - 92.5)},
        {"PictureClose.Left", main.PictureClose.Left(), px(792 - 17)},
        {"PictureWS02.Left", main.PictureWS02.Left(), px(792 - 34)},
        {"PictureWS01.Left", main.PictureWS01.Left(), px(792 - 51)},
        // The dashboard ends 3 px above the bottom; the right strip and the favorites button
        // stand at its right end, the centre strip and the address bar fill up to them.
        {"FrameDashBoard.Left", main.FrameDashBoard.Left(), px(3)},
        {"FrameDashBoard.Top", main.FrameDashBoard.Top(), px(440 - 105 - 3)},
        {"FrameDashBoard.Width", main.FrameDashBoard.Width(), px(795)},
        {"PictureBottomRight.Left", main.PictureBottomRight.Left(), px(795 - 208)},
        {"PictureBottomCenter.Width", main.PictureBottomCenter.Width(), px(795 - 208 - 221)},
        {"PictureBookmark.Left", main.PictureBookmark.Left(), px(795 - 81)},
        {"ComboURL.Width", main.ComboURL.Width(), px(795 - 81 - 96)},
        {"LabelStatusBarMain.Width", main.LabelStatusBarMain.Width(), px(366)},
        {"PictureBottomLeft.Left", main.PictureBottomLeft.Left(), 0},
        {"PictureBottomLeft.Width", main.PictureBottomLeft.Width(), px(221)},
        // Both panes run from 2 px below the title frame to 5 px above the dashboard.
        {"WebBrowser1.Top", main.WebBrowser1.Top(), px(31)},
        {"WebBrowser2.Top", main.WebBrowser2.Top(), px(31)},
        {"WebBrowser1.Height", main.WebBrowser1.Height(), px(440 - 31 - 105 - 5)},
        {"WebBrowser2.Height", main.WebBrowser2.Height(), px(440 - 31 - 105 - 5)},
    });
}

TEST(MainWindowLayout, TheMainPaneEndsElevenPixelsInsideTheRightEdgeWithTheSidePaneShownOrHidden) {
    struct Case {
        bool sidePane;
        double width;
        double mainLeft, mainWidth;
    };
    const Case cases[] = {
        {true, 800, 195, 800 - 16 - 190},
        {false, 800, 11, 800 + 186 - 208},
        {true, 432, 195, 432 - 16 - 190},
        {false, 432, 11, 432 + 186 - 208},
    };
    for (const Case& c : cases) {
        Program program;
        form1& main = program.start();
        main.WebBrowser1.setVisible(c.sidePane);
        main.setWidth(px(c.width));
        const std::string label = std::to_string(c.width) + (c.sidePane ? " shown" : " hidden");
        EXPECT_EQ(main.WebBrowser2.Left(), px(c.mainLeft)) << label;
        EXPECT_EQ(main.WebBrowser2.Width(), px(c.mainWidth)) << label;
        EXPECT_EQ(main.WebBrowser2.Left() + main.WebBrowser2.Width(), px(c.width - 11)) << label;
        if (c.sidePane) {
            EXPECT_EQ(main.WebBrowser1.Left(), px(11)) << label;
            EXPECT_EQ(main.WebBrowser1.Width(), px(186)) << label;
        }
    }
}

TEST(MainWindowLayout, GrowsAWindowBelowTheMinimumTo432By156Pixels) {
    struct Case {
        double width, height;
        double laidWidth, laidHeight;
    };
    const Case cases[] = {
        {100, 100, 432, 156}, {432, 156, 432, 156}, {431, 500, 432, 500},
        {500, 155, 500, 156}, {433, 157, 433, 157},
    };
    for (const Case& c : cases) {
        Program program;
        form1& main = program.start();
        main.setHeight(px(c.height));
        main.setWidth(px(c.width));
        EXPECT_EQ(main.Width(), px(c.laidWidth)) << c.width << " x " << c.height;
        EXPECT_EQ(main.Height(), px(c.laidHeight)) << c.width << " x " << c.height;
        // The nested layouts leave the outer one a consistent window.
        EXPECT_EQ(main.LineBottom.Y1(), px(c.laidHeight - 1));
        EXPECT_EQ(main.LineRight.X1(), px(c.laidWidth - 1));
    }
}

TEST(MainWindowLayout, ShowsAnEnabledSidePaneAgainOnlyAboveTheMinimumHeight) {
    struct Case {
        double height;
        std::string tag;
        bool shown;
    };
    const Case cases[] = {
        {156, "ENABLED", false},  {157, "ENABLED", true}, {100, "ENABLED", false},
        {300, "DISABLED", false}, {300, "", false},
    };
    for (const Case& c : cases) {
        Program program;
        form1& main = program.start();
        main.WebBrowser1.setVisible(false);
        main.WebBrowser1.setTag(c.tag);
        main.setHeight(px(c.height));
        EXPECT_EQ(main.WebBrowser1.Visible(), c.shown) << c.height << " " << c.tag;
    }
}

TEST(MainWindowLayout, NeverHidesTheSidePaneItself) {
    Program program;
    form1& main = program.start();
    main.WebBrowser1.setTag("DISABLED");
    main.setHeight(px(300));
    EXPECT_TRUE(main.WebBrowser1.Visible());
}

TEST(MainWindowLayout, AMinimizedWindowOnlyHidesTheProgramMenu) {
    Program program;
    form1& main = program.start();
    program.harness.writeFile("corner.avi", "RIFF....AVI ");
    main.PictureBottomLeft.setTag(program.harness.path("corner.avi"));
    runtime::mciSendString("Open \"" + main.PictureBottomLeft.Tag() + "\" Type AVIVideo Alias " +
                           main.Tag() + " Style Child Parent " +
                           std::to_string(main.PictureBottomLeft.hWnd()));
    main.setWindowState(runtime::WindowState::Minimized);
    FormMenu& menu = runtime::form<FormMenu>();
    menu.Show();
    const std::vector<double> before = geometryOfAll(main);
    program.backend().mediaLog.clear();

    ArrangeMainWindow(main);
    EXPECT_FALSE(menu.Visible());
    EXPECT_EQ(geometryOfAll(main), before);
    EXPECT_TRUE(program.backend().mediaLog.empty());
}

TEST(MainWindowLayout, ReplaysTheCornerClipAtEveryLayoutWhenItsNameEndsInAviInAnyCase) {
    struct Case {
        std::string file;
        bool replays;
    };
    const Case cases[] = {
        {"corner.avi", true},  {"CORNER.AVI", true},      {"corner.Avi", true},
        {"corner.tzv", false}, {"corner.avi.bmp", false},
    };
    for (const Case& c : cases) {
        Program program;
        form1& main = program.start();
        program.harness.writeFile(c.file, "RIFF....AVI ");
        main.PictureBottomLeft.setTag(program.harness.path(c.file));
        runtime::mciSendString("Open \"" + main.PictureBottomLeft.Tag() +
                               "\" Type AVIVideo Alias " + main.Tag() + " Style Child Parent " +
                               std::to_string(main.PictureBottomLeft.hWnd()));
        program.backend().mediaLog.clear();
        ArrangeMainWindow(main);
        ArrangeMainWindow(main);
        std::vector<std::string> expected;
        if (c.replays) expected.assign(2, c.file + ": play from 0");
        EXPECT_EQ(program.backend().mediaLog, expected) << c.file;
    }
}

TEST(MainWindowLayout, RepaintsTheCentreStripStretchedOnceAtEachLayout) {
    Program program;
    form1& main = program.start();
    program.harness.writeFile("centre.gif", gif());
    main.PictureBottomCenter.setTag(program.harness.path("centre.gif"));
    for (double width : {700.0, 900.0}) {
        main.setWidth(px(width));
        const auto& ops = main.PictureBottomCenter.drawList().ops();
        ASSERT_EQ(ops.size(), 1u) << width;
        EXPECT_EQ(ops[0].x, 0);
        EXPECT_EQ(ops[0].y, 0);
        EXPECT_EQ(ops[0].width, px(width - 5 - 208 - 221));
        EXPECT_EQ(ops[0].height, main.PictureBottomCenter.Height());
    }
}

TEST(MainWindowLayout, ACentreStripTagNamingNoPictureLeavesTheStripBlankAndLaysOutTheRest) {
    for (std::string tag : {"missing.gif", ""}) {
        Program program;
        form1& main = program.start();
        main.PictureBottomCenter.setTag(tag.empty() ? "" : program.harness.path(tag));
        main.setWidth(px(700));
        EXPECT_TRUE(main.PictureBottomCenter.drawList().ops().empty()) << tag;
        EXPECT_EQ(main.PictureBottomCenter.Width(), px(700 - 5 - 208 - 221)) << tag;
        EXPECT_EQ(main.PictureBookmark.Left(), px(695 - 81)) << tag;
        EXPECT_EQ(main.ComboURL.Width(), px(695 - 81 - 96)) << tag;
    }
}

TEST(MainWindowLayout, WorksOnScreensBeyondSixteenBitTwips) {
    Program program;
    form1& main = program.start();
    main.setWidth(px(3840));
    main.setHeight(px(2160));
    EXPECT_EQ(main.WebBrowser2.Width(), px(3840 - 16 - 190));
    EXPECT_EQ(main.WebBrowser2.Height(), px(2160 - 31 - 105 - 5));
    EXPECT_EQ(main.PictureClose.Left(), px(3840 - 8 - 17));
    EXPECT_EQ(main.ComboURL.Width(), px(3840 - 5 - 81 - 96));
}

TEST(MainWindowLayout, TheProgramMenuClosesAtEveryLayout) {
    Program program;
    form1& main = program.start();
    FormMenu& menu = runtime::form<FormMenu>();
    menu.Show();
    main.setWidth(px(700));
    EXPECT_FALSE(menu.Visible());
}
