#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

#include "Program.h"
#include "designs/ShapedDesign.h"
#include "designs/frmMBrowser.h"
#include "mainwindow/FormBabyBrowser.h"
#include "mainwindow/Variables.h"
#include "mainwindow/pornBuster.h"

using namespace quillo;
using namespace quillo::testing;
using quillo::runtime::app;

namespace {

using Entries = std::vector<std::string>;
using Elements = std::vector<runtime::HtmlElement>;

std::vector<frmMBrowser*> designWindows() {
    std::vector<frmMBrowser*> windows;
    for (runtime::Form* form : app().Forms())
        if (form->Name() == "frmMBrowser") windows.push_back(static_cast<frmMBrowser*>(form));
    return windows;
}

// The program with the addresses shown in its address bar written into a log.
struct WatchedProgram : Program {
    WatchedProgram() {
        start();
        main().ComboURL.Change = [this] { shown.push_back(main().ComboURL.Text()); };
    }
    Entries shown;
};

// A comment that holds a whole design without pictures.
std::string designComment() {
    std::string text = "<!--\n";
    for (const char* code : {"FRM", "BCK", "FWD", "HME", "RFH", "STP", "TUL", "SBR", "BSW"})
        text += std::string("<! ") + code + "~1~2~3~4 x\n";
    std::replace(text.begin(), text.end(), '~', '\x02');
    return text + "-->";
}
const std::string kDesignComment = designComment();

void addFramedSite(HeadlessWeb& web, const std::string& rightText) {
    web.addHtml("http://www.framed.test",
                "<html><head><title>Frames</title></head><frameset cols='50%,50%'>"
                "<frame src='/left.htm'><frame src='/right.htm'></frameset></html>");
    web.addHtml("http://www.framed.test/left.htm",
                "<html><body><p>Left side</p>" + kDesignComment + "</body></html>");
    web.addHtml("http://www.framed.test/right.htm",
                "<html><body><p>" + rightText + "</p><!-- right design --></body></html>");
}

}  // namespace

TEST(PageRoad, ACondemnedFrameBlanksTheWholePageAndSendsTheBrowserToTheBlockedPage) {
    WatchedProgram program;
    addFramedSite(program.web(), "Read about XXX here");
    form1& main = program.main();
    std::string textWhenLeaving;
    // The last download to begin is the blocked page's: what the condemned page shows then.
    main.WebBrowser2.DownloadBegin = [&] {
        textWhenLeaving.clear();
        if (auto document = main.WebBrowser2.Document())
            for (const runtime::HtmlElement& element : document->All().value_or(Elements{}))
                textWhenLeaving += element.Text().value_or("") + "|";
    };
    main.ComboURL.setText("http://www.framed.test");
    program.shown.clear();
    program.typeAddress("\r");
    EXPECT_EQ(main.WebBrowser2.LocationURL(), kBlockedAddress);
    EXPECT_NE(textWhenLeaving.find("This is a site you do not want to visit."), std::string::npos);
    EXPECT_EQ(textWhenLeaving.find("XXX"), std::string::npos);
    EXPECT_EQ(textWhenLeaving.find("Left side"), std::string::npos);
    // The page's own completion never came: the left frame, then the condemned one, then away.
    EXPECT_EQ(program.shown,
              (Entries{"http://www.framed.test/left.htm", "http://www.framed.test/right.htm",
                       "http://www.framed.test/left.htm", kBlockedAddress,
                       "http://www.framed.test/right.htm", kBlockedAddress}));
    EXPECT_EQ(program.history(), Entries{"www.framed.test"});
}

TEST(PageRoad, APageWithFramesIsJudgedOnEachFrameAsItCompletesAndShowsItsAddressLast) {
    WatchedProgram program;
    addFramedSite(program.web(), "Right side");
    MorphingEnabled = false;
    program.main().WebBrowser2.Navigate("http://www.framed.test");
    program.advance(0);
    EXPECT_EQ(program.main().WebBrowser2.LocationURL(), "http://www.framed.test");
    EXPECT_EQ(program.shown,
              (Entries{"http://www.framed.test", "http://www.framed.test/left.htm",
                       "http://www.framed.test/right.htm", "http://www.framed.test/left.htm",
                       "http://www.framed.test/right.htm", "http://www.framed.test"}));
}

TEST(PageRoad, TheCaptureTimerPollsEverySecondUntilThePageGivesText) {
    Program program;
    form1& main = program.start();
    program.web().addHtml("http://www.slow.test", "<body>Hello</body>").loadMs = 4500;
    program.web().failing = {"All", "body"};
    main.WebBrowser2.Navigate("http://www.slow.test");
    EXPECT_TRUE(main.tmrHTMLCapture.getEnabled());
    program.advance(2000);
    EXPECT_TRUE(main.tmrHTMLCapture.getEnabled());
    program.advance(500);
    program.web().failing.clear();
    EXPECT_TRUE(main.tmrHTMLCapture.getEnabled());
    program.advance(500);
    EXPECT_FALSE(main.tmrHTMLCapture.getEnabled());
    EXPECT_EQ(main.WebBrowser2.ReadyState(), 3);
}

TEST(PageRoad, APageThatNeverGivesTextIsPolledUntilItCompletes) {
    Program program;
    form1& main = program.start();
    program.web().addHtml("http://www.slow.test", "<body>Hello</body>").loadMs = 3500;
    program.web().failing = {"All", "body"};
    main.WebBrowser2.Navigate("http://www.slow.test");
    program.advance(3499);
    EXPECT_TRUE(main.tmrHTMLCapture.getEnabled());
    program.advance(1);
    EXPECT_FALSE(main.tmrHTMLCapture.getEnabled());
    EXPECT_EQ(main.WebBrowser2.LocationURL(), "http://www.slow.test");
}

TEST(PageRoad, TheCaptureTimerBlocksAForbiddenPageBeforeItCompletes) {
    Program program;
    form1& main = program.start();
    program.web().addHtml("http://www.slow.test", "<body>Adult check</body>").loadMs = 5000;
    main.WebBrowser2.Navigate("http://www.slow.test");
    program.advance(999);
    EXPECT_EQ(main.WebBrowser2.LocationURL(), "http://www.slow.test");
    program.advance(1);
    EXPECT_EQ(main.WebBrowser2.LocationURL(), kBlockedAddress);
    EXPECT_FALSE(main.tmrHTMLCapture.getEnabled());
    program.advance(10000);
    EXPECT_EQ(main.WebBrowser2.LocationURL(), kBlockedAddress);
    EXPECT_EQ(main.ComboURL.Text(), kBlockedAddress);
}

TEST(PageRoad, APassingPageWithCommentsOpensOneHiddenDesignWindowForItsAddress) {
    Program program;
    form1& main = program.start();
    program.web().addHtml("http://www.design.test/",
                          "<body>Shapes" + kDesignComment + "<!--two--></body>");
    for (int visit = 0; visit < 2; ++visit) {
        main.WebBrowser2.Navigate("http://www.design.test/");
        program.advance(0);
        ASSERT_EQ(designWindows().size(), 1u) << visit;
    }
    frmMBrowser& window = *designWindows().front();
    EXPECT_EQ(window.Tag(), "http://www.design.test/");
    EXPECT_EQ(window.DesignText, kDesignComment + "\r\n<!--two-->\r\n");
    EXPECT_FALSE(window.Visible());
}

TEST(PageRoad, OpensNoDesignWindowForABlockedPageAPageWithoutCommentsOrWithDesignsSwitchedOff) {
    struct Case {
        const char* html;
        bool morphing;
    };
    for (Case c : std::vector<Case>{
             {"<body>Nude pictures<!-- design --></body>", true},
             {"<body>No design here</body>", true},
             {"<body>Shapes<!-- design --></body>", false},
         }) {
        Program program;
        form1& main = program.start();
        program.web().addHtml("http://www.design.test/", c.html);
        MorphingEnabled = c.morphing;
        main.WebBrowser2.Navigate("http://www.design.test/");
        program.advance(0);
        EXPECT_TRUE(designWindows().empty()) << c.html;
    }
}

TEST(PageRoad, InAPageWithFramesTheFirstFrameWithCommentsOpensTheDesignWindowOfThePage) {
    Program program;
    form1& main = program.start();
    addFramedSite(program.web(), "Right side");
    main.WebBrowser2.Navigate("http://www.framed.test");
    program.advance(0);
    ASSERT_EQ(designWindows().size(), 1u);
    EXPECT_EQ(designWindows().front()->Tag(), "http://www.framed.test");
    EXPECT_EQ(designWindows().front()->DesignText, kDesignComment + "\r\n");
}

TEST(PageRoad, TheShippedPagesOfTheMakersSitePassAndOpenNoDesignWindow) {
    Program program;
    form1& main = program.start();
    EXPECT_EQ(main.WebBrowser2.LocationURL(), kHomeAddress);
    for (const std::string& address : {kHitCounterAddress, kBlockedAddress}) {
        main.WebBrowser2.Navigate(address);
        program.advance(0);
        EXPECT_EQ(main.WebBrowser2.LocationURL(), address);
        EXPECT_FALSE(GetPageText(main.WebBrowser2.Object()).empty());
    }
    EXPECT_TRUE(designWindows().empty());
}

TEST(PageRoad, AboutAddressesNeverReachTheAddressBarButStartTheCornerAnimation) {
    Program program;
    form1& main = program.start();
    main.ComboURL.setText("typed");
    main.WebBrowser2.Navigate("about:blank");
    EXPECT_TRUE(main.Timer2.getEnabled());
    EXPECT_EQ(main.Timer2.Interval(), 1);
    program.advance(0);
    EXPECT_EQ(main.ComboURL.Text(), "typed");
    EXPECT_EQ(main.WebBrowser2.LocationURL(), "about:blank");
    program.advance(1);
    EXPECT_FALSE(main.Timer2.getEnabled());
}

TEST(PageRoad, TheAddressBarTakesTheFocusOnlyOnceStartUpIsOver) {
    Program program;
    StartProgram();
    program.advance(500);
    form1& main = program.main();
    main.WebBrowser2.Navigate("http://www.quillo.example");
    EXPECT_EQ(main.ComboURL.Text(), kHomeAddress);
    EXPECT_EQ(main.activeControl(), nullptr);
    program.advance(1000);
    EXPECT_EQ(main.activeControl(), &main.ComboURL);
}

TEST(PageRoad, ProgressShowsWholePercentsAndStatusTextsKeepTheLastNonEmptyOne) {
    Program program;
    form1& main = program.start();
    EXPECT_EQ(main.LabelStatusBarMini.Caption(), "100% Done");
    EXPECT_EQ(main.LabelStatusBarMain.Caption(), "Done");
    struct Progress {
        std::int32_t progress, max;
        const char* shown;
    };
    for (Progress p : std::vector<Progress>{{50, 200, "25% Done"},
                                            {0, 100, "25% Done"},
                                            {3, 7, "42% Done"},
                                            {-1, 100, "42% Done"},
                                            {5, 0, "42% Done"},
                                            {1, 3, "33% Done"},
                                            {2147483647, 2147483647, "100% Done"},
                                            {199, 200, "99% Done"},
                                            {29, 100, "29% Done"},
                                            {57, 100, "57% Done"},
                                            {58, 100, "58% Done"},
                                            {2147483646, 2147483647, "99% Done"},
                                            {2147483647, 1, "214748364700% Done"}}) {
        main.WebBrowser2.fireProgressChange(p.progress, p.max);
        EXPECT_EQ(main.LabelStatusBarMini.Caption(), p.shown) << p.progress << "/" << p.max;
    }
    main.LabelStatusBarMain.setHeight(1);
    main.WebBrowser2.fireStatusTextChange("Opening page");
    EXPECT_EQ(main.LabelStatusBarMain.Caption(), "Opening page");
    main.WebBrowser2.fireStatusTextChange("");
    EXPECT_EQ(main.LabelStatusBarMain.Caption(), "Opening page");
}

TEST(PageRoad, TheStatusTextIsOneLetterOfTheMainWindowsFontTall) {
    Program program;
    form1& main = program.start();
    // Neither the default font nor the label's own: a letter 40 px tall.
    runtime::Font windowFont;
    windowFont.Size = 20;
    main.setFont(windowFont);
    ASSERT_NE(main.LabelStatusBarMain.getFont(), windowFont);
    main.LabelStatusBarMain.setHeight(1);
    main.WebBrowser2.fireStatusTextChange("Loading");
    EXPECT_EQ(main.LabelStatusBarMain.Height(), 40 * 15);
}

TEST(PopUps, APopUpOfTheMainPageStartsOneProgramCopyForItsAddressAndStaysHidden) {
    Program program;
    form1& main = program.start();
    addFramedSite(program.web(), "Right side");
    ASSERT_TRUE(EngineOf(main.WebBrowser2).openNewWindow("http://www.framed.test"));
    program.advance(0);
    auto* popUp = app().loadedForm<FormBabyBrowser>();
    ASSERT_NE(popUp, nullptr);
    EXPECT_EQ(popUp->Caption(), "Baby Quillo");
    EXPECT_FALSE(popUp->Visible());
    EXPECT_EQ(popUp->WebBrowserBaby.LocationURL(), "http://www.framed.test");
    EXPECT_EQ(program.starts(),
              (std::vector<ProcessStart>{{program.programFile(), {"<http://www.framed.test>"}}}));
    EXPECT_EQ(main.WebBrowser2.LocationURL(), kHomeAddress);
}

TEST(PopUps, ABlankPopUpShowsInThePopUpWindowSizedToItsBrowser) {
    Program program;
    form1& main = program.start();
    ASSERT_TRUE(EngineOf(main.WebBrowser2).openNewWindow("about:blank"));
    auto& popUp = *app().loadedForm<FormBabyBrowser>();
    EXPECT_TRUE(popUp.Visible());
    popUp.WebBrowserBaby.setWidth(4000);
    popUp.WebBrowserBaby.setHeight(3000);
    program.advance(0);
    EXPECT_EQ(popUp.Width(), 4360);
    EXPECT_EQ(popUp.Height(), 3600);
    EXPECT_TRUE(program.starts().empty());
    // Its browser hidden by the page, the window hides itself when it repaints.
    popUp.WebBrowserBaby.setVisible(false);
    app().dispatch([&popUp] { popUp.Paint(); });
    EXPECT_FALSE(popUp.Visible());
}

TEST(PopUps, ASecondPopUpDiscardsTheFirstPopUpWindow) {
    Program program;
    form1& main = program.start();
    ASSERT_TRUE(EngineOf(main.WebBrowser2).openNewWindow("about:blank"));
    program.advance(0);
    auto first = app().loadedForm<FormBabyBrowser>()->lifetime();
    ASSERT_TRUE(EngineOf(main.WebBrowser2).openNewWindow("http://www.quillo.example"));
    program.advance(0);
    EXPECT_TRUE(first.expired());
    auto* second = app().loadedForm<FormBabyBrowser>();
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(second->Visible());
    EXPECT_EQ(program.starts().size(), 1u);
}

TEST(PopUps, AShownBlankPopUpIsFilteredWhileShownAndHidesWhenCondemnedOrSentOn) {
    // Condemned as it completes, by script every second after that, or sent to a real address.
    for (int when : {0, 1, 2}) {
        Program program;
        form1& main = program.start();
        if (when == 0) program.web().addHtml("about:blank", "<body>nude pic</body>");
        ASSERT_TRUE(EngineOf(main.WebBrowser2).openNewWindow("about:blank"));
        auto& popUp = *app().loadedForm<FormBabyBrowser>();
        program.advance(when == 1 ? 999 : 0);
        EXPECT_EQ(popUp.Visible(), when != 0);
        if (when == 1) EngineOf(popUp.WebBrowserBaby).setBodyInnerHtml({}, "<p>young babes</p>");
        if (when == 2) EngineOf(popUp.WebBrowserBaby).navigate("http://www.kids.test/");
        program.advance(1000);
        EXPECT_FALSE(popUp.Visible()) << when;
        EXPECT_EQ(program.starts().size(), when == 2 ? 1u : 0u);
        const std::string text = GetPageText(popUp.WebBrowserBaby.Object());
        EXPECT_EQ(text.find("not want to") != std::string::npos, when < 2) << text;
        EXPECT_FALSE(IsForbiddenText(text));
    }
}

TEST(PopUps, APopUpOfTheSidePaneOpensInTheMainPage) {
    Program program;
    form1& main = program.start();
    program.web().addHtml("http://www.kids.test/", "<body>Kids</body>");
    ASSERT_TRUE(EngineOf(main.WebBrowser1).openNewWindow("http://www.kids.test/"));
    program.advance(0);
    EXPECT_EQ(main.WebBrowser2.LocationURL(), "http://www.kids.test/");
    EXPECT_EQ(main.WebBrowser1.LocationURL(), kHitCounterAddress);
    EXPECT_EQ(app().loadedForm<FormBabyBrowser>(), nullptr);
    EXPECT_TRUE(program.starts().empty());
}

TEST(PageFilter, APageWhoseOwnTextIsForbiddenIsBlockedInEveryWindowThoughItHoldsAHarmlessFrame) {
    // Judged as the page completes, or by the poll of a page that takes long to complete.
    struct Case {
        std::string window;
        int loadMs;
    };
    for (const Case& c : std::vector<Case>{
             {"main", 0}, {"main", 99999}, {"design", 0}, {"design", 99999}, {"pop-up", 0}}) {
        SCOPED_TRACE(c.window + " " + std::to_string(c.loadMs));
        Program program;
        form1& main = program.start();
        const std::string page = c.window == "pop-up" ? "about:blank" : "http://www.adults.test/";
        program.web()
            .addHtml(page,
                     "<body><p>This site has adult content only.</p>"
                     "<iframe src='http://www.adults.test/kittens.htm'></iframe></body>")
            .loadMs = c.loadMs;
        program.web().addHtml("http://www.adults.test/kittens.htm", "<body>Kittens at play</body>");
        if (c.window == "pop-up") {
            ASSERT_TRUE(EngineOf(main.WebBrowser2).openNewWindow(page));
            program.advance(0);
            auto& popUp = *app().loadedForm<FormBabyBrowser>();
            EXPECT_FALSE(popUp.Visible());
            const std::string text = GetPageText(popUp.WebBrowserBaby.Object());
            EXPECT_NE(text.find("not want to visit"), std::string::npos) << text;
            EXPECT_FALSE(IsForbiddenText(text));
            continue;
        }
        runtime::WebBrowser* browser = &main.WebBrowser2;
        if (c.window == "design") {
            const std::string designPage = "http://www.design.test/kids/a.htm";
            program.web().addHtml(designPage, "<body>Shapes</body>");
            MorphingEnabled = true;
            auto& window = app().newForm<frmMBrowser>();
            window.setTag(designPage);
            window.MorphFromPage(ShapedDesign(), designPage);
            program.advance(500);
            browser = &window.webView;
        }
        browser->Navigate(page);
        program.advance(0);
        program.advance(1000);
        program.advance(0);
        EXPECT_EQ(browser->LocationURL(), kBlockedAddress);
    }
}
