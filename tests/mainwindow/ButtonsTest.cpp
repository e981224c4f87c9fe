#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "Program.h"
#include "mainwindow/RNfunctions.h"
#include "shared/ModuleLanguage.h"

using namespace quillo;
using namespace quillo::testing;
using quillo::runtime::app;

namespace {

using Entries = std::vector<std::string>;

constexpr double px(double pixels) {
    return pixels * 15;
}

const std::string kPageA = "http://www.a.test/";
const std::string kPageB = "http://www.b.test/";

// The program with two more pages to visit, and the downloads of the main pane counted.
struct Browsing : Program {
    Browsing() {
        web().addHtml(kPageA, "<html><body><p>Page A</p></body></html>");
        web().addHtml(kPageB, "<html><body><p>Page B</p></body></html>");
        start();
        main().WebBrowser2.DownloadBegin = [this] { ++downloads; };
    }
    void visit(const std::string& address) {
        main().WebBrowser2.Navigate(address);
        advance(0);
    }
    // The corner animation asked for: its code with the trigger armed at 1 ms.
    bool animationAsked(int code) {
        return main().AnimationCode == code && main().Timer2.getEnabled() &&
               main().Timer2.Interval() == 1;
    }
    bool addressShown(const std::string& text) {
        runtime::ComboBox& box = main().ComboURL;
        return box.Text() == text && box.SelStart() == 0 &&
               box.SelLength() == static_cast<int>(text.size());
    }
    int downloads = 0;
};

struct Geometry {
    double left, top, width, height;
    bool operator==(const Geometry&) const = default;
};

Geometry geometryOf(const runtime::Control& control) {
    return {control.Left(), control.Top(), control.Width(), control.Height()};
}

std::vector<runtime::Image*> pressableButtons(form1& main) {
    return {&main.PictureBack,   &main.PictureBookmark, &main.PictureHideShow,
            &main.PictureHome,   &main.PictureMail,     &main.PictureNext,
            &main.PictureReload, &main.PictureStop,     &main.PictureURL};
}

}  // namespace

TEST(NavigationButtons, BackAndNextWalkTheHistoryShowTheAddressAndAskForTheirAnimation) {
    Browsing program;
    form1& main = program.main();
    program.visit(kPageA);
    program.visit(kPageB);
    main.AnimationCode = 0;

    User::click(main.PictureBack);
    // The address bar reads the address right after the call.
    EXPECT_TRUE(program.addressShown(main.WebBrowser2.LocationURL()));
    EXPECT_TRUE(program.animationAsked(2));
    program.advance(0);
    EXPECT_EQ(main.WebBrowser2.LocationURL(), kPageA);

    User::click(main.PictureNext);
    EXPECT_TRUE(program.animationAsked(6));
    program.advance(0);
    EXPECT_EQ(main.WebBrowser2.LocationURL(), kPageB);
    EXPECT_EQ(program.history(), Entries{});
}

TEST(NavigationButtons, BackAndNextWithNoPageToGoToKeepTheTypedAddressAndStartNoAnimation) {
    Browsing program;
    form1& main = program.main();
    program.advance(10);
    for (runtime::Image* button : {&main.PictureBack, &main.PictureNext}) {
        main.AnimationCode = 0;
        main.ComboURL.setText("www.typed.te");
        User::click(*button);
        EXPECT_EQ(main.ComboURL.Text(), "www.typed.te") << button->Name();
        EXPECT_EQ(main.AnimationCode, 0) << button->Name();
        EXPECT_FALSE(main.Timer2.getEnabled()) << button->Name();
        EXPECT_EQ(program.downloads, 0) << button->Name();
    }
}

TEST(NavigationButtons, HomeGoesToTheHomePageAndShowsItSelected) {
    Browsing program;
    form1& main = program.main();
    program.visit(kPageA);
    User::click(main.PictureHome);
    EXPECT_TRUE(program.addressShown(HomePage));
    EXPECT_TRUE(program.animationAsked(7));
    program.advance(0);
    EXPECT_EQ(main.WebBrowser2.LocationURL(), kHomeAddress);
}

TEST(NavigationButtons, MailOpensTheDesktopsMailClientWhetherOrNotOneStarts) {
    for (bool starts : {true, false}) {
        Browsing program;
        program.backend().processServices.succeed = starts;
        User::click(program.main().PictureMail);
        EXPECT_EQ(program.backend().processServices.mailClientOpened, 1);
        EXPECT_TRUE(program.starts().empty());
        EXPECT_TRUE(program.animationAsked(9));
    }
}

TEST(NavigationButtons, ReloadRefreshesThePageAndShowsItsAddress) {
    Browsing program;
    form1& main = program.main();
    program.visit(kPageA);
    program.downloads = 0;
    User::click(main.PictureReload);
    EXPECT_EQ(program.downloads, 1);
    EXPECT_TRUE(program.animationAsked(12));
    EXPECT_TRUE(program.addressShown(kPageA));
    program.advance(0);
    EXPECT_EQ(main.WebBrowser2.LocationURL(), kPageA);
    EXPECT_EQ(main.WebBrowser1.LocationURL(), kHitCounterAddress);
}

TEST(NavigationButtons, ReloadBringsBackTheSidePaneAndTheHomeSiteAfterAnErrorPage) {
    struct Case {
        std::string sideAddress;
        bool error;
    };
    const Case cases[] = {
        {"http://www.nowhere.test/", true},  // fails: about:navigationcanceled#...
        {"res://C:/WINDOWS/SYSTEM/ShDocLc.dll/dnserror.htm", true},
        {"res://shdoclc.dll.test/page.htm", false},
        {kPageB, false},
    };
    for (const Case& c : cases) {
        Browsing program;
        program.web().addHtml("res://C:/WINDOWS/SYSTEM/ShDocLc.dll/dnserror.htm", "<p>x</p>");
        program.web().addHtml("res://shdoclc.dll.test/page.htm", "<p>y</p>");
        form1& main = program.main();
        main.WebBrowser1.Navigate(c.sideAddress);
        program.visit(kPageA);
        program.downloads = 0;
        User::click(main.PictureReload);
        program.advance(0);
        EXPECT_EQ(main.WebBrowser1.LocationURL(), c.error ? kHitCounterAddress : c.sideAddress)
            << c.sideAddress;
        // A fresh load of the home site stands for the refresh, which would cancel it.
        EXPECT_EQ(program.downloads, 1) << c.sideAddress;
        EXPECT_EQ(main.WebBrowser2.LocationURL(), c.error ? kHomeAddress : kPageA) << c.sideAddress;
    }
}

TEST(NavigationButtons, StopStopsOnlyABusyPageAndLeavesTheAddressBarAlone) {
    for (bool busy : {false, true}) {
        Browsing program;
        form1& main = program.main();
        program.visit(kPageA);
        if (busy) main.WebBrowser2.Navigate(kPageB);
        main.ComboURL.setText("typed");
        ASSERT_EQ(main.WebBrowser2.Busy(), busy);
        main.AnimationCode = 0;
        User::click(main.PictureStop);
        EXPECT_TRUE(program.animationAsked(14)) << busy;
        EXPECT_FALSE(main.WebBrowser2.Busy());
        program.advance(100);
        EXPECT_EQ(main.WebBrowser2.LocationURL(), kPageA) << busy;
        EXPECT_EQ(main.ComboURL.Text(), "typed");
    }
}

TEST(NavigationButtons, GoBrowsesTheTextAsTypedWithoutHistoryOrAnimation) {
    for (std::string typed : {std::string("www.a.test/"), std::string()}) {
        Browsing program;
        form1& main = program.main();
        main.AnimationCode = 0;
        const std::string before = main.WebBrowser2.LocationURL();
        main.ComboURL.setText(typed);
        User::click(main.PictureURL);
        program.advance(10);
        EXPECT_EQ(main.WebBrowser2.LocationURL(), typed.empty() ? before : kPageA);
        EXPECT_EQ(main.AnimationCode, 0);
        EXPECT_EQ(program.history(), Entries{});
    }
}

TEST(NavigationButtons, CloseSavesTheSettingsAndEndsTheProgram) {
    Browsing program;
    form1& main = program.main();
    main.ComboURL.AddItem("www.kept.test");
    User::click(main.PictureClose);
    EXPECT_TRUE(app().Forms().empty());
    EXPECT_TRUE(program.backend().quitRequested);
    EXPECT_EQ(program.harness.readFile("combourl.ini"), "<www.kept.test>\r\n");
    EXPECT_TRUE(program.harness.fileExists("size.ini"));
}

TEST(SidePaneSwitch, HidesAndShowsThePaneAndGivesItsWidthToTheMainPane) {
    Browsing program;
    form1& main = program.main();
    ASSERT_TRUE(main.WebBrowser1.Visible());
    const double mainLeft = main.WebBrowser2.Left();
    const double mainWidth = main.WebBrowser2.Width();

    User::click(main.PictureHideShow);
    EXPECT_FALSE(main.WebBrowser1.Visible());
    EXPECT_EQ(main.WebBrowser1.Tag(), "DISABLED");
    EXPECT_EQ(main.WebBrowser2.Left(), px(11));
    EXPECT_EQ(main.WebBrowser2.Width(), px(600 + 186 - 208));
    // A layout does not bring a disabled pane back.
    main.setHeight(px(500));
    EXPECT_FALSE(main.WebBrowser1.Visible());

    User::click(main.PictureHideShow);
    EXPECT_TRUE(main.WebBrowser1.Visible());
    EXPECT_EQ(main.WebBrowser1.Tag(), "ENABLED");
    EXPECT_EQ(main.WebBrowser2.Left(), mainLeft);
    EXPECT_EQ(main.WebBrowser2.Width(), mainWidth);
    EXPECT_EQ(main.WebBrowser2.Left() - main.WebBrowser1.Left(), px(184));
}

TEST(PressedLook, MovesTwoPixelsInAndShrinksFourWhilePressedThenComesBackExactly) {
    Browsing program;
    form1& main = program.main();
    for (runtime::Image* button : pressableButtons(main)) {
        button->setTag("/skins/Sea/" + button->Name());
        const Geometry released = geometryOf(*button);
        User::mouseDown(*button, runtime::vbLeftButton, 0, 0);
        EXPECT_EQ(geometryOf(*button), (Geometry{released.left + px(2), released.top + px(2),
                                                 released.width - px(4), released.height - px(4)}))
            << button->Name();
        // A second press without a release changes nothing.
        User::mouseDown(*button, runtime::vbRightButton, 0, 0);
        EXPECT_EQ(geometryOf(*button).left, released.left + px(2)) << button->Name();
        User::mouseUp(*button, runtime::vbLeftButton, 0, 0);
        EXPECT_EQ(geometryOf(*button), released) << button->Name();
        // The picture's path stays in the Tag for the skin to be saved.
        EXPECT_EQ(button->Tag(), "/skins/Sea/" + button->Name());
    }
}

TEST(PressedLook, AReleaseWithoutAPressChangesNothing) {
    Browsing program;
    form1& main = program.main();
    for (runtime::Image* button : pressableButtons(main)) {
        for (std::string tag : {std::string("/skins/Sea/") + button->Name(), std::string(""),
                                std::string("Indented")}) {
            button->setTag(tag);
            const Geometry released = geometryOf(*button);
            User::mouseUp(*button, runtime::vbLeftButton, 0, 0);
            EXPECT_EQ(geometryOf(*button), released) << button->Name() << " " << tag;
            EXPECT_EQ(button->Tag(), tag);
        }
    }
}

TEST(PressedLook, TheTitleBarButtonsTakeNone) {
    Browsing program;
    form1& main = program.main();
    for (runtime::Image* button : {&main.PictureClose, &main.PictureWS01, &main.PictureWS02,
                                   &main.PictureIcon, &main.PictureTitle}) {
        const Geometry before = geometryOf(*button);
        User::mouseDown(*button, runtime::vbLeftButton, 0, 0);
        EXPECT_EQ(geometryOf(*button), before) << button->Name();
    }
}

TEST(PressedLook, AClickLeavesEveryButtonWhereItWas) {
    Browsing program;
    form1& main = program.main();
    for (runtime::Image* button : pressableButtons(main)) {
        if (button == &main.PictureHideShow) continue;  // the switch moves the panes
        const Geometry before = geometryOf(*button);
        User::click(*button);
        program.advance(0);
        EXPECT_EQ(geometryOf(*button), before) << button->Name();
        EXPECT_TRUE(main.IndentedButtons.empty()) << button->Name();
    }
}
