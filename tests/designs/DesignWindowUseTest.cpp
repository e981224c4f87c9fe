#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ShapedDesign.h"
#include "designs/frmMBrowser.h"
#include "designs/frmSaveDesign.h"
#include "mainwindow/Variables.h"
#include "runtime/headless/Harness.h"
#include "runtime/headless/HeadlessWebEngine.h"
#include "runtime/headless/User.h"

using namespace quillo;
using headless::User;

namespace {

const std::string kPage = "http://www.design.test/kids/a.htm";
const std::string kOther = "http://www.design.test/kids/b.htm";
const std::string kBlocked = "http://www.quillo.example/blocked.htm";
const std::string kPageDesign = "<!--\n" + quillo::testing::ShapedDesign() + "-->";

// A design window showing its page, and the pages it can reach.
struct Shown {
    headless::Harness harness;
    frmMBrowser* window;
    explicit Shown(bool outline = true) {
        MorphingEnabled = true;
        auto& web = harness.backend().web;
        web.addHtml(kPage, "<body>Shapes</body>");
        web.addHtml(kOther, "<body>Other</body>");
        web.addHtml(kBlocked, "<body>Let us go somewhere else.</body>");
        window = &runtime::app().newForm<frmMBrowser>();
        window->setTag(kPage);
        window->MorphFromPage(quillo::testing::ShapedDesign(outline), kPage);
        harness.advance(500);
        harness.advance(0);
    }
    void browse(const std::string& address) {
        window->webView.Navigate(address);
        harness.advance(0);
    }
    std::size_t windows() {
        auto forms = runtime::app().Forms();
        return std::count_if(forms.begin(), forms.end(),
                             [](auto* form) { return form->Name() == "frmMBrowser"; });
    }
    headless::HeadlessWebEngine& engine(runtime::WebBrowser& browser) {
        return dynamic_cast<headless::HeadlessWebEngine&>(*browser.engine());
    }
    std::vector<std::string> rightClickMenu() {
        User::mouseDown(*window, runtime::vbRightButton, 0, 0);
        std::vector<std::string> captions;
        for (auto& entry : harness.backend().menusShown.back().request.entries)
            captions.push_back(entry.caption + (entry.enabled ? "" : " (greyed)"));
        return captions;
    }
};

}  // namespace

TEST(DesignWindowUse, ADesignedPageOpensOneFurtherWindowAndAForbiddenOneEndsOnTheBlockedPage) {
    Shown shown;
    shown.harness.backend().web.addHtml(kOther, "<body>More" + kPageDesign + "</body>");
    shown.browse(kOther);
    shown.browse(kOther);
    EXPECT_EQ(shown.windows(), 2u);
    shown.harness.backend().web.addHtml(kOther, "<body>Nude pics</body>");
    shown.browse(kOther);
    shown.harness.advance(0);
    EXPECT_EQ(shown.window->webView.LocationURL(), kBlocked);
    EXPECT_EQ(shown.window->cmbUrl.Text(), kBlocked);
}

TEST(DesignWindowUse, ThePollOfAPageThatNeverCompletesBlocksItButOpensNoDesign) {
    for (const std::string& words : {std::string("Sexually explicit"), "Shapes" + kPageDesign}) {
        Shown shown;
        shown.harness.backend().web.addHtml(kOther, "<body>" + words + "</body>").loadMs = 99999;
        shown.browse(kOther);
        shown.harness.advance(1000);
        shown.harness.advance(0);
        EXPECT_EQ(shown.window->webView.LocationURL() == kBlocked, words.starts_with("Sex"));
        EXPECT_EQ(shown.windows(), 1u);
        EXPECT_FALSE(shown.window->tmrHTMLCapture.getEnabled());
    }
}

TEST(DesignWindowUse, TheFirstPopUpGoesUnseenAndUnheardToTheHiddenBrowserTheSecondIsRefused) {
    Shown shown;
    EXPECT_TRUE(shown.engine(shown.window->webView).openNewWindow(kOther));
    shown.harness.advance(0);
    EXPECT_EQ(shown.window->webDummy.LocationURL(), kOther);
    EXPECT_FALSE(shown.window->webDummy.Visible());
    EXPECT_TRUE(shown.engine(shown.window->webDummy).muted());
    EXPECT_FALSE(shown.engine(shown.window->webView).openNewWindow(kOther));
}

TEST(DesignWindowUse, TheStatusLineShowsTheShareLoadedWithHalvesRoundedToEven) {
    Shown shown;
    runtime::WebBrowser& browser = shown.window->webView;
    for (auto [progress, text] :
         std::vector<std::pair<int, std::string>>{{1, "Loading " + kPage + " [12%]"},
                                                  {8, "Loading Complete."},
                                                  {0, "Loading Complete."}}) {
        browser.fireProgressChange(progress, 8);
        EXPECT_EQ(shown.window->lblStatusBar.Caption(), text);
    }
}

TEST(DesignWindowUse, CtrlNStartsNothingAndEveryKeyUntilTheNextReleaseIsLost) {
    Shown shown;
    runtime::WebBrowser& page = shown.window->webView;
    EXPECT_EQ(page.fireKeyDown('N', runtime::vbCtrlMask), 0);
    EXPECT_EQ(page.fireKeyDown('A', 0), 0);
    EXPECT_EQ(page.fireKeyUp('A', 0), 0);
    EXPECT_EQ(page.fireKeyDown('B', 0), 'B');
    EXPECT_TRUE(shown.harness.backend().processServices.starts.empty());
}

TEST(DesignWindowUse, EnterBrowsesWithoutSchemeAndFinalSlashAndTypeAheadStartsAtTheFourthKey) {
    Shown shown;
    runtime::ComboBox& box = shown.window->cmbUrl;
    EXPECT_EQ(box.Height(), 315);
    box.setText("http://www.design.test/kids/b.htm/");
    User::type(box, "\r");
    shown.harness.advance(0);
    EXPECT_EQ(shown.window->webView.LocationURL(), kOther);
    EXPECT_EQ(box.List(0), "www.design.test/kids/b.htm");
    box.setText("");
    User::type(box, "www");
    EXPECT_EQ(box.Text(), "www");
    User::type(box, ".d");
    EXPECT_EQ(box.Text(), "www.design.test/kids/b.htm");
    EXPECT_EQ(box.SelText(), "esign.test/kids/b.htm");
}

TEST(DesignWindowUse, BackPressedAndReleasedEndsAtItsDesignPlaceThenGoesBack) {
    Shown shown;
    runtime::Image& back = shown.window->imgBack;
    User::mouseDown(back, runtime::vbLeftButton, 0, 0);
    EXPECT_EQ(back.Left(), 150);  // disabled: no earlier page
    shown.browse(kOther);
    User::mouseDown(back, runtime::vbLeftButton, 0, 0);
    EXPECT_EQ(back.Left(), 150 + 30);
    EXPECT_EQ(back.Width(), 600 - 60);
    User::mouseUp(back, runtime::vbLeftButton, 0, 0);
    EXPECT_EQ(back.Left(), 150);
    EXPECT_EQ(back.Width(), 600);
    shown.harness.advance(0);
    EXPECT_EQ(shown.window->webView.LocationURL(), kPage);
}

TEST(DesignWindowUse, ARightClickPopsTheMenuAndALeftPressDragsOnlyAShapedWindow) {
    for (bool outline : {true, false}) {
        Shown shown(outline);
        EXPECT_EQ(shown.rightClickMenu(),
                  (std::vector<std::string>{"Open New Window", "Save Design", "Minimize Window",
                                            "-", "Close"}));
        User::mouseDown(*shown.window, runtime::vbLeftButton, 0, 0);
        auto& log = shown.harness.backend().windowServices.log;
        EXPECT_EQ(std::count(log.begin(), log.end(), "move frmMBrowser"), outline);
    }
}

TEST(DesignWindowUse, SaveDesignOpensTheCentredDialogAndIsGreyedForADesignFromTheList) {
    Shown shown;
    shown.harness.backend().answerMenu("Save Design");
    shown.rightClickMenu();
    auto* dialog = runtime::app().loadedForm<frmSaveDesign>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->Visible());
    EXPECT_EQ(dialog->Tag(), kPage);
    EXPECT_EQ(dialog->Left(), 1500 + 3000 - 336 * 15 / 2);
    EXPECT_EQ(dialog->cmdSave.Left(), 240 * 15);
    EXPECT_EQ(shown.harness.backend().windowServices.log.back(), "topmost frmSaveDesign 1");
    shown.window->LoadDesignFromCache(kPage);
    EXPECT_EQ(shown.rightClickMenu()[1], "Save Design (greyed)");
}
