#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ShownDesign.h"
#include "mainwindow/Variables.h"

using namespace quillo;
using quillo::testing::kBlockedPage;
using quillo::testing::kDesignPage;
using quillo::testing::ShapedDesign;
using quillo::testing::ShownDesign;

namespace {

const std::string kOther = "http://www.design.test/kids/b.htm";
const std::string kDesigned = "http://www.design.test/kids/designed.htm";
const std::string kPageDesign = "<!--\n" + ShapedDesign() + "-->";

}  // namespace

TEST(DesignWindowBrowser, WhileHiddenItsBrowserGoesNowhereAndKeepsTheFirstAddressAsItsTag) {
    headless::Harness harness;
    auto& window = runtime::app().newForm<frmMBrowser>();
    window.webView.Navigate(kOther);
    window.webView.Navigate(kDesignPage);
    harness.advance(0);
    EXPECT_EQ(window.Tag(), kOther);
    EXPECT_EQ(window.webView.LocationURL(), "");
    EXPECT_EQ(window.cmbUrl.Text(), "");
}

TEST(DesignWindowBrowser, OnceShownTheAddressBoxFollowsThePageAndEachOfItsFrames) {
    ShownDesign program("<body>Shapes<iframe src='/kids/inner.htm'></iframe></body>");
    program.web().addHtml("http://www.design.test/kids/inner.htm", "<body>Inner</body>");
    // The box keeps the height of its font where the design places it.
    EXPECT_EQ(program.window().cmbUrl.Height(), 315);
    EXPECT_EQ(program.window().cmbUrl.Width(), 300 * 15);
    std::vector<std::string> shown;
    program.window().cmbUrl.Change = [&] { shown.push_back(program.window().cmbUrl.Text()); };
    program.window().webView.Navigate(kDesignPage);
    program.harness.advance(0);
    EXPECT_EQ(shown,
              (std::vector<std::string>{kDesignPage, "http://www.design.test/kids/inner.htm"}));
}

TEST(DesignWindowBrowser, APageOrAFrameWithAForbiddenPhraseEndsOnTheBlockedPage) {
    for (const std::string& html :
         {std::string("<body>Adult check here</body>"),
          std::string("<body>Fine<iframe src='/kids/inner.htm'></iframe></body>")}) {
        ShownDesign program;
        program.web().addHtml(kOther, html);
        program.web().addHtml("http://www.design.test/kids/inner.htm", "<body>Nude pics</body>");
        program.window().webView.Navigate(kOther);
        program.harness.advance(0);
        program.harness.advance(0);
        EXPECT_EQ(program.window().webView.LocationURL(), kBlockedPage) << html;
    }
}

TEST(DesignWindowBrowser, ADesignedPageInsideOpensOneFurtherDesignWindowForItsAddress) {
    ShownDesign program;
    program.web().addHtml(kDesigned, "<body>More shapes" + kPageDesign + "</body>");
    for (int visit = 0; visit < 2; ++visit) {
        program.window().webView.Navigate(kDesigned);
        program.harness.advance(0);
    }
    std::vector<frmMBrowser*> windows = ShownDesign::designWindows();
    ASSERT_EQ(windows.size(), 2u);
    EXPECT_EQ(windows[1]->Tag(), kDesigned);
    EXPECT_EQ(windows[1]->Outcome, frmMBrowser::DesignOutcome::Valid);
}

TEST(DesignWindowBrowser, ADesignedPageOpensNothingWithDesignsSwitchedOffOrWhenForbidden) {
    for (const std::string& words : {std::string("More shapes"), std::string("Blow job")}) {
        ShownDesign program;
        MorphingEnabled = words != "More shapes";
        program.web().addHtml(kDesigned, "<body>" + words + kPageDesign + "</body>");
        program.window().webView.Navigate(kDesigned);
        program.harness.advance(0);
        EXPECT_EQ(ShownDesign::designWindows().size(), 1u) << words;
    }
}

TEST(DesignWindowBrowser, TheCaptureTickBlocksAPageThatNeverCompletesButOpensNoDesign) {
    struct Case {
        std::string html;
        std::string endsOn;
    };
    for (const Case& c : {Case{"<body>Sexually explicit</body>", kBlockedPage},
                          Case{"<body>Shapes" + kPageDesign + "</body>", kDesigned}}) {
        ShownDesign program;
        program.web().addHtml(kDesigned, c.html).loadMs = 100000;
        program.window().webView.Navigate(kDesigned);
        program.harness.advance(0);
        EXPECT_TRUE(program.window().tmrHTMLCapture.getEnabled());
        program.harness.advance(1000);
        program.harness.advance(0);
        EXPECT_EQ(program.window().webView.LocationURL(), c.endsOn);
        EXPECT_EQ(ShownDesign::designWindows().size(), 1u);
        EXPECT_FALSE(program.window().tmrHTMLCapture.getEnabled());
    }
}

TEST(DesignWindowBrowser,
     TheFirstNewWindowGoesUnseenAndUnheardToTheHiddenBrowserLaterOnesAreRefused) {
    ShownDesign program;
    program.web().addHtml("http://www.pop.test/", "<body>Pop</body>");
    frmMBrowser& window = program.window();
    EXPECT_TRUE(program.engine(window.webView).openNewWindow("http://www.pop.test/"));
    program.harness.advance(0);
    EXPECT_EQ(window.webDummy.LocationURL(), "http://www.pop.test/");
    EXPECT_FALSE(window.webDummy.Visible());
    EXPECT_TRUE(program.engine(window.webDummy).muted());
    EXPECT_FALSE(program.engine(window.webView).openNewWindow("http://www.pop.test/"));
    EXPECT_EQ(window.webView.LocationURL(), kDesignPage);
    EXPECT_TRUE(program.harness.backend().processServices.starts.empty());
}

TEST(DesignWindowBrowser, TheStatusLineShowsTheShareLoadedRoundedHalvesToEven) {
    struct Case {
        std::int32_t progress, progressMax;
        std::string shown;
    };
    const std::string before = "Done";
    for (const Case& c :
         {Case{1, 8, "Loading " + kDesignPage + " [12%]"},
          Case{3, 8, "Loading " + kDesignPage + " [38%]"}, Case{8, 8, "Loading Complete."},
          Case{0, 8, before}, Case{5, -1, before}, Case{1000000, 1, before}}) {
        ShownDesign program;
        program.window().lblStatusBar.setCaption(before);
        program.window().webView.fireProgressChange(c.progress, c.progressMax);
        EXPECT_EQ(program.window().lblStatusBar.Caption(), c.shown) << c.progress;
    }
}

TEST(DesignWindowBrowser, TheStatusLineTakesStatusTextsOnlyWhileThePageIsIdle) {
    ShownDesign program;
    frmMBrowser& window = program.window();
    window.webView.fireStatusTextChange("http://www.design.test/link.htm");
    EXPECT_EQ(window.lblStatusBar.Caption(), "http://www.design.test/link.htm");
    window.webView.fireStatusTextChange("");
    EXPECT_EQ(window.lblStatusBar.Caption(), "http://www.design.test/link.htm");
    window.webView.Navigate(kOther);
    window.webView.fireStatusTextChange("while busy");
    EXPECT_NE(window.lblStatusBar.Caption(), "while busy");
}

TEST(DesignWindowBrowser, BackAndForwardButtonsAreEnabledAsTheBrowserSays) {
    ShownDesign program;
    frmMBrowser& window = program.window();
    EXPECT_FALSE(window.imgBack.Enabled());
    program.web().addHtml(kOther, "<body>Other</body>");
    window.webView.Navigate(kOther);
    program.harness.advance(0);
    EXPECT_TRUE(window.imgBack.Enabled());
    EXPECT_FALSE(window.imgFoward.Enabled());
    window.webView.fireCommandStateChange(-1, false);
    EXPECT_TRUE(window.imgBack.Enabled());
    window.webView.GoBack();
    program.harness.advance(0);
    EXPECT_FALSE(window.imgBack.Enabled());
    EXPECT_TRUE(window.imgFoward.Enabled());
}
