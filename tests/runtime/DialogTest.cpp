#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "runtime/Application.h"
#include "runtime/CommonDialog.h"
#include "runtime/PopupMenu.h"
#include "runtime/SysInfo.h"
#include "runtime/headless/Harness.h"

using namespace quillo::runtime;
using quillo::headless::Harness;

namespace {

class Dialogs : public Form {
  public:
    Dialogs() : Form("Dialogs") {}
    CommonDialog& CommonDialog1 = add<CommonDialog>("CommonDialog1");
    SysInfo& SysInfo1 = add<SysInfo>("SysInfo1");
    // A form names the component by its namespace, as its own PopupMenu hides the name.
    std::unique_ptr<quillo::runtime::PopupMenu> MenuFavorite;
};

}  // namespace

TEST(CommonDialogs, GiveTheChosenFileWithItsTitle) {
    Harness harness;
    harness.writeFile("Skins/readme", "x");
    auto& dialog = app().form<Dialogs>().CommonDialog1;
    dialog.setInitDir(harness.programFolder() + "/skins/");
    dialog.setFileName("*.tz3");
    dialog.setFilter("Skins|*.tz3");
    harness.backend().dialogServices.fileAnswers.push_back("/home/kid/skins/Sea/Sea.tz3");
    EXPECT_TRUE(dialog.ShowOpen());
    EXPECT_EQ(dialog.FileName(), "/home/kid/skins/Sea/Sea.tz3");
    EXPECT_EQ(dialog.FileTitle(), "Sea.tz3");
    const FileDialogRequest& asked = harness.backend().dialogServices.fileRequests.at(0);
    EXPECT_EQ(asked.fileName, "*.tz3");
    EXPECT_EQ(asked.filter, "Skins|*.tz3");
    EXPECT_EQ(asked.initialDir, harness.path("Skins/"));
}

TEST(CommonDialogs, EmptyTheFileNameWhenCancelledUnlessCancelErrorIsSet) {
    struct Case {
        bool cancelError;
        std::string nameAfter;
    };
    for (Case c : {Case{false, ""}, Case{true, "*.tz3"}}) {
        Harness harness;
        auto& dialog = app().form<Dialogs>().CommonDialog1;
        dialog.setCancelError(c.cancelError);
        dialog.setFileName("*.tz3");
        EXPECT_FALSE(dialog.ShowOpen());
        EXPECT_EQ(dialog.FileName(), c.nameAfter);
    }
}

TEST(CommonDialogs, KeepTheirColourWhenTheColourDialogIsCancelled) {
    Harness harness;
    auto& dialog = app().form<Dialogs>().CommonDialog1;
    dialog.setColor(1);
    EXPECT_FALSE(dialog.ShowColor());
    EXPECT_EQ(dialog.getColor(), 1u);
    harness.backend().dialogServices.colorAnswers.push_back(RGB(10, 20, 30));
    EXPECT_TRUE(dialog.ShowColor());
    EXPECT_EQ(dialog.getColor(), RGB(10, 20, 30));
    EXPECT_EQ(harness.backend().dialogServices.colorRequests, (std::vector<Color>{1, 1}));
}

TEST(SysInfos, GiveTheWorkAreaInTwips) {
    Harness harness;
    harness.backend().windowServices.area = {0, 30, 1280, 994};
    auto& info = app().form<Dialogs>().SysInfo1;
    EXPECT_DOUBLE_EQ(info.WorkAreaLeft(), 0);
    EXPECT_DOUBLE_EQ(info.WorkAreaTop(), 450);
    EXPECT_DOUBLE_EQ(info.WorkAreaWidth(), 19200);
    EXPECT_DOUBLE_EQ(info.WorkAreaHeight(), 14910);
}

TEST(SysInfos, FollowTheScreensResolution) {
    Harness harness;
    harness.backend().screenInfo.dpiX = 144;
    harness.backend().screenInfo.dpiY = 144;
    app().refreshScreen();
    harness.backend().windowServices.area = {10, 0, 300, 200};
    auto& info = app().form<Dialogs>().SysInfo1;
    EXPECT_DOUBLE_EQ(info.WorkAreaLeft(), 100);
    EXPECT_DOUBLE_EQ(info.WorkAreaWidth(), 3000);
}
