#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ShownDesign.h"
#include "designs/frmSaveDesign.h"
#include "mainwindow/form1.h"
#include "runtime/headless/User.h"

using namespace quillo;
using quillo::headless::User;
using quillo::testing::kDesignPage;
using quillo::testing::ShownDesign;

namespace {

const std::string kOther = "http://www.design.test/kids/b.htm";

std::vector<std::string> listOf(const runtime::ComboBox& box) {
    std::vector<std::string> entries;
    for (int i = 0; i < box.ListCount(); ++i)
        entries.push_back(box.List(i));
    return entries;
}

std::vector<std::string> captionsOf(const std::vector<runtime::MenuEntry>& entries) {
    std::vector<std::string> captions;
    for (const runtime::MenuEntry& entry : entries)
        captions.push_back(entry.caption + (entry.enabled ? "" : " (greyed)"));
    return captions;
}

}  // namespace

TEST(DesignWindowInput, CtrlNStartsNothingAndEveryKeyPressedBeforeTheNextReleaseIsLost) {
    ShownDesign program;
    frmMBrowser& window = program.window();
    std::vector<int> reachedPage;
    window.webView.KeyDown = [&](int& keyCode, int) { reachedPage.push_back(keyCode); };
    EXPECT_EQ(window.webView.fireKeyDown('N', runtime::vbCtrlMask), 0);
    EXPECT_EQ(window.webView.fireKeyDown('A', 0), 0);
    EXPECT_EQ(window.webView.fireKeyUp('A', 0), 0);
    EXPECT_EQ(window.webView.fireKeyUp('N', runtime::vbCtrlMask), 'N');
    User::pressKey(window.webView, 'B');
    EXPECT_EQ(reachedPage, std::vector<int>{'B'});
    EXPECT_TRUE(program.harness.backend().processServices.starts.empty());
}

TEST(DesignWindowInput, EnterBrowsesToTheTypedAddressWithoutSchemesAndFinalSlashAndKeepsIt) {
    struct Case {
        std::string typed, kept;
    };
    for (const Case& c :
         {Case{"http://www.design.test/kids/b.htm/", "www.design.test/kids/b.htm"},
          Case{"ftp://file://www.design.test/kids/b.htm", "www.design.test/kids/b.htm"},
          Case{"HTTP://www.design.test/kids/b.htm//", "HTTP://www.design.test/kids/b.htm/"}}) {
        ShownDesign program;
        program.web().addHtml(kOther, "<body>Other</body>");
        frmMBrowser& window = program.window();
        window.cmbUrl.setText(c.typed);
        User::type(window.cmbUrl, "\r");
        program.harness.advance(0);
        EXPECT_EQ(listOf(window.cmbUrl), std::vector<std::string>{c.kept}) << c.typed;
        if (c.typed.starts_with("HTTP")) continue;
        EXPECT_EQ(window.webView.LocationURL(), kOther) << c.typed;
        EXPECT_EQ(window.cmbUrl.Text(), kOther) << c.typed;
    }
}

TEST(DesignWindowInput, TypingCompletesFromTheFourthCharacterToALongerEntryAndFollowsIt) {
    ShownDesign program;
    runtime::ComboBox& box = program.window().cmbUrl;
    for (const char* entry : {"www.kid", "Www.kids.test", "www.kids.test/a"})
        box.AddItem(entry);
    box.setText("");
    User::type(box, "www");
    EXPECT_EQ(box.Text(), "www");
    User::type(box, ".");
    EXPECT_EQ(box.Text(), "www.kid");
    EXPECT_EQ(box.SelText(), "kid");
    User::type(box, "kid");
    EXPECT_EQ(box.Text(), "www.kid");
    EXPECT_EQ(box.SelText(), "");
    User::type(box, "s");
    EXPECT_EQ(box.Text(), "www.kids.test/a");
    EXPECT_EQ(box.SelText(), ".test/a");
    User::type(box, ".");
    EXPECT_EQ(box.Text(), "www.kids.test/a");
    EXPECT_EQ(box.SelText(), "test/a");
}

TEST(DesignWindowInput, APressedButtonEndsAtItsDesignPlaceOnReleaseAndThenActs) {
    ShownDesign program;
    program.web().addHtml(kOther, "<body>Other</body>");
    frmMBrowser& window = program.window();
    window.webView.Navigate(kOther);
    program.harness.advance(0);
    User::mouseDown(window.imgBack, runtime::vbLeftButton, 0, 0);
    EXPECT_EQ(window.imgBack.Left(), 150 + 30);
    EXPECT_EQ(window.imgBack.Width(), 600 - 60);
    User::mouseUp(window.imgBack, runtime::vbLeftButton, 0, 0);
    EXPECT_EQ(window.imgBack.Tag(), "150|150|600|450");
    EXPECT_EQ(window.imgBack.Left(), 150);
    EXPECT_EQ(window.imgBack.Height(), 450);
    program.harness.advance(0);
    EXPECT_EQ(window.webView.LocationURL(), kDesignPage);
}

TEST(DesignWindowInput, ADisabledButtonTakesNoMouseAndHomeAndUnplacedButtonsStayPut) {
    ShownDesign program;
    frmMBrowser& window = program.window();
    ASSERT_FALSE(window.imgFoward.Enabled());
    User::mouseDown(window.imgFoward, runtime::vbLeftButton, 0, 0);
    User::mouseDown(window.imgHome, runtime::vbLeftButton, 0, 0);
    EXPECT_EQ(window.imgFoward.Left(), 900);
    EXPECT_EQ(window.imgHome.Left(), 1650);
    window.imgStop.setTag("");
    User::mouseDown(window.imgStop, runtime::vbRightButton, 0, 0);
    EXPECT_EQ(window.imgStop.Left(), 3150);
}

TEST(DesignWindowInput, ARightClickPopsUpTheMenuAndALeftPressDragsOnlyAShapedWindow) {
    for (bool outline : {true, false}) {
        ShownDesign program("<body>Shapes</body>", outline);
        frmMBrowser& window = program.window();
        User::mouseDown(window, runtime::vbRightButton, 100, 100);
        auto& menus = program.harness.backend().menusShown;
        ASSERT_EQ(menus.size(), 1u);
        EXPECT_FALSE(menus[0].request.at.has_value());
        EXPECT_EQ(captionsOf(menus[0].request.entries),
                  (std::vector<std::string>{"Open New Window", "Save Design", "Minimize Window",
                                            "-", "Close"}));
        User::mouseDown(window, runtime::vbLeftButton, 100, 100);
        auto& log = program.harness.backend().windowServices.log;
        EXPECT_EQ(std::count(log.begin(), log.end(), "move frmMBrowser"), outline ? 1 : 0);
    }
}

TEST(DesignWindowInput, ADoubleClickOrTheMenuMinimizesTheWindowAndCloseClosesIt) {
    ShownDesign program;
    frmMBrowser& window = program.window();
    User::doubleClick(window);
    EXPECT_EQ(window.getWindowState(), runtime::WindowState::Minimized);
    window.setWindowState(runtime::WindowState::Normal);
    program.harness.backend().answerMenu("Minimize Window");
    User::mouseDown(window, runtime::vbRightButton, 0, 0);
    EXPECT_EQ(window.getWindowState(), runtime::WindowState::Minimized);
    program.harness.backend().answerMenu("Close");
    User::mouseDown(window, runtime::vbRightButton, 0, 0);
    EXPECT_TRUE(ShownDesign::designWindows().empty());
    auto& sounds = program.harness.backend().mediaLog;
    EXPECT_EQ(std::vector<std::string>(sounds.end() - 2, sounds.end()),
              (std::vector<std::string>{"qvxLaunch.wav: close", "qvxCancel.wav: close"}));
}

TEST(DesignWindowInput, OpenNewWindowStartsTheProgramWithoutAnAddress) {
    ShownDesign program;
    program.harness.backend().answerMenu("Open New Window");
    User::mouseDown(program.window(), runtime::vbRightButton, 0, 0);
    const auto& starts = program.harness.backend().processServices.starts;
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].program, program.harness.programFolder() + "/rn418");
    EXPECT_TRUE(starts[0].arguments.empty());
}

TEST(DesignWindowInput, SaveDesignOpensTheDialogCentredOverTheWindowOnTopWithTheDesignAddress) {
    ShownDesign program;
    program.harness.backend().answerMenu("Save Design");
    User::mouseDown(program.window(), runtime::vbRightButton, 0, 0);
    auto* dialog = runtime::app().loadedForm<frmSaveDesign>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->Visible());
    EXPECT_EQ(dialog->Tag(), kDesignPage);
    EXPECT_EQ(dialog->Width(), 336 * 15);
    EXPECT_EQ(dialog->Height(), 108 * 15);
    EXPECT_EQ(dialog->Left(), 1500 + 3000 - 336 * 15 / 2.0);
    EXPECT_EQ(dialog->Top(), 1500 + 2250 - 108 * 15 / 2.0);
    EXPECT_EQ(dialog->Text1.Left(), 600);
    EXPECT_EQ(dialog->cmdSave.Width(), 975);
    auto& log = program.harness.backend().windowServices.log;
    EXPECT_EQ(log.back(), "topmost frmSaveDesign 1");
}

TEST(DesignWindowInput, SaveDesignIsGreyedForADesignReopenedFromTheList) {
    ShownDesign program;
    auto& reopened = runtime::app().newForm<frmMBrowser>();
    reopened.setTag(kDesignPage);
    reopened.LoadDesignFromCache(kDesignPage);
    program.harness.advance(500);
    User::mouseDown(reopened, runtime::vbRightButton, 0, 0);
    EXPECT_EQ(captionsOf(program.harness.backend().menusShown.at(0).request.entries)[1],
              "Save Design (greyed)");
}

TEST(DesignWindowInput, LoadsCentredOverTheMainWindowWithItsKeyGuardOutOfSight) {
    headless::Harness harness;
    harness.layAssets(QUILLO_ASSETS_DIR);
    form1& main = runtime::form<form1>();
    main.Move(3000, 1500, 9000, 6000);
    auto& window = runtime::app().newForm<frmMBrowser>();
    EXPECT_EQ(window.Left(), 3000 + 4500 - window.Width() / 2);
    EXPECT_EQ(window.Top(), 1500 + 3000 - window.Height() / 2);
    EXPECT_TRUE(window.KeyPreview());
    EXPECT_LT(window.chkKeyGuard.Left() + window.chkKeyGuard.Width(), 0);
    EXPECT_EQ(window.chkKeyGuard.Value(), 0);
}
