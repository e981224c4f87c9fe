#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "Program.h"
#include "mainwindow/FormAbout.h"
#include "mainwindow/FormChangeHomepage.h"
#include "shared/ModuleLanguage.h"

using namespace quillo;
using namespace quillo::testing;
using quillo::runtime::form;

namespace {

const std::string kPageA = "http://www.a.test/";

TEST(HomePageWindow, OkTakesTheAddressAsTypedForTheHomeButtonAndTheNextStart) {
    Program program;
    program.web().addHtml(kPageA, "<html><body><p>A</p></body></html>");
    form1& main = program.start();
    FormChangeHomepage& window = form<FormChangeHomepage>();
    EXPECT_EQ(window.Text1.Text(), HomePage);
    window.Show();
    window.Text1.setText(" www.a.test/ ");
    User::click(window.Label1);
    EXPECT_FALSE(window.Visible());
    EXPECT_EQ(HomePage, " www.a.test/ ");
    EXPECT_EQ(program.harness.readFile("homepage.ini"), " www.a.test/ \r\n");

    window.Text1.setText(kPageA);
    User::click(window.Label1);
    User::click(main.PictureHome);
    program.advance(0);
    EXPECT_EQ(main.WebBrowser2.LocationURL(), kPageA);
}

TEST(HomePageWindow, EnterActsAsOkWhileOtherKeysOnlyEdit) {
    Program program;
    program.start();
    FormChangeHomepage& window = form<FormChangeHomepage>();
    window.Show();
    window.Text1.setText("");
    User::type(window.Text1, "kids.test");
    EXPECT_TRUE(window.Visible());
    EXPECT_NE(HomePage, "kids.test");
    User::pressKey(window.Text1, 13);
    EXPECT_FALSE(window.Visible());
    EXPECT_EQ(HomePage, "kids.test");

    // An empty address is kept as it is: a file of a bare line end.
    window.Show();
    window.Text1.setText("");
    User::pressKey(window.Text1, 13);
    EXPECT_EQ(HomePage, "");
    EXPECT_EQ(program.harness.readFile("homepage.ini"), "\r\n");
}

TEST(HomePageWindow, CancelKeepsTheEditedTextButNotTheAddress) {
    Program program;
    program.harness.writeFile("homepage.ini", "old.test\r\n");
    program.start();
    FormChangeHomepage& window = form<FormChangeHomepage>();
    window.Show();
    window.Text1.setText("new.test");
    User::click(window.Image2);
    EXPECT_FALSE(window.Visible());
    EXPECT_EQ(HomePage, "old.test");
    EXPECT_EQ(program.harness.readFile("homepage.ini"), "old.test\r\n");
    window.Show();
    EXPECT_EQ(window.Text1.Text(), "new.test");
}

TEST(HomePageWindow, AnUnwritableFileLeavesTheProgramRunningWithTheNewAddress) {
    Program program;
    program.start();
    std::filesystem::create_directories(program.harness.path("homepage.ini"));
    FormChangeHomepage& window = form<FormChangeHomepage>();
    window.Show();
    window.Text1.setText("kids.test");
    User::click(window.Label1);
    EXPECT_FALSE(window.Visible());
    EXPECT_EQ(HomePage, "kids.test");
}

TEST(HomePageWindow, APressOnItsSurfaceMovesIt) {
    Program program;
    program.start();
    User::mouseDown(form<FormChangeHomepage>(), runtime::vbRightButton, 3, 3);
    EXPECT_EQ(program.backend().windowServices.log.back(), "move FormChangeHomepage");
}

TEST(AboutWindow, StandsCentredOnTheScreenAboveOthersMovesByDragAndCloseHidesIt) {
    Program program;
    program.start();
    FormAbout& about = form<FormAbout>();
    const runtime::Screen& screen = runtime::app().screen();
    EXPECT_EQ(about.Left(), screen.Width / 2 - about.Width() / 2);
    EXPECT_EQ(about.Top(), screen.Height / 2 - about.Height() / 2);
    const auto& log = program.backend().windowServices.log;
    EXPECT_NE(std::find(log.begin(), log.end(), "topmost FormAbout 1"), log.end());

    about.Show();
    User::mouseDown(about, runtime::vbLeftButton, 3, 3);
    EXPECT_EQ(log.back(), "move FormAbout");
    User::click(about.LabelClose);
    EXPECT_FALSE(about.Visible());
    EXPECT_TRUE(about.loaded());
}

}  // namespace
