// Re-dressing the main window by dragging the skin editor's preview onto its buttons and strips,
// or by dropping files from other programs on them.
#include <sys/stat.h>

#include <algorithm>
#include <string>
#include <vector>

#include "mainwindow/FormMenu.h"
#include "runtime/Application.h"
#include "runtime/MediaCommands.h"
#include "runtime/headless/User.h"
#include "shared/FormMessageBox.h"
#include "skins/FormDesignEdit.h"
#include "skins/FormSaveAs.h"
#include "skins/SkinnedProgram.h"

using namespace skintest;
using namespace quillo;
using quillo::headless::User;
using quillo::runtime::app;
using quillo::runtime::form;

namespace {

constexpr double kTwoPixels = 30;

class Dropping : public SkinnedProgram {
  protected:
    Dropping() {
        harness().writeFile("drops/red.gif", gif(12, 7));
        harness().writeFile("drops/blue.gif", gif(13, 7));
        harness().writeFile("drops/notes.bmp.txt", "no picture");
        harness().writeFile("drops/clip.avi", "RIFF....AVI ");
        harness().writeFile("drops/ding.wav", "RIFF....WAVE");
        program.start();
        runtime::mciSendString("Close all");
        harness().backend().mediaLog.clear();
    }
    std::string file(const std::string& name) { return harness().path("drops/" + name); }
    runtime::PictureBox& preview() { return form<FormDesignEdit>().PictureImageBox; }
    // The editor's preview shows a library entry and can be dragged, as after an addition.
    runtime::PictureBox& previewShowing(const std::string& name) {
        form<FormDesignEdit>().ShowLibraryItem(file(name));
        preview().setDragMode(1);
        return preview();
    }
    runtime::Control& control(const std::string& name) { return *main().findControl(name); }
    // The file whose picture a button holds or a strip has painted over its whole area.
    static std::string shown(const runtime::Control& control) {
        if (control.kind() == runtime::ControlKind::Image)
            return static_cast<const runtime::Image&>(control).getPicture().path;
        const auto& ops = static_cast<const runtime::PictureBox&>(control).drawList().ops();
        if (ops.empty()) return "";
        const runtime::DrawOp& last = ops.back();
        const bool stretched = last.x == 0 && last.y == 0 && last.width == control.Width() &&
                               last.height == control.Height();
        return stretched ? last.picture.path : "stretched wrongly";
    }
    // A sound left open: "Close all" is seen by its going.
    void openProbe() { runtime::mciSendString("Open \"" + file("ding.wav") + "\" Alias probe"); }
    bool probeOpen() { return app().media().device("probe") != nullptr; }
    // The program menu stands open; the main window's layout hides it.
    void showMenu() { form<FormMenu>().Show(); }
    bool laidOut() { return !form<FormMenu>().Visible(); }
    const std::vector<std::string>& windowLog() { return harness().backend().windowServices.log; }
    bool logged(const std::string& line) {
        return std::count(windowLog().begin(), windowLog().end(), line) > 0;
    }
};

enum class Kind { Button, Strip, CornerStrip };
enum class Press { Nothing, Indents, MovesWindow, OpensMenu };

struct Row {
    const char* name;
    Kind kind;
    Press press;
};

const Row kHandlers[] = {
    {"PictureBack", Kind::Button, Press::Indents},
    {"PictureBookmark", Kind::Button, Press::Indents},
    {"PictureHideShow", Kind::Button, Press::Indents},
    {"PictureHome", Kind::Button, Press::Indents},
    {"PictureMail", Kind::Button, Press::Indents},
    {"PictureNext", Kind::Button, Press::Indents},
    {"PictureReload", Kind::Button, Press::Indents},
    {"PictureStop", Kind::Button, Press::Indents},
    {"PictureURL", Kind::Button, Press::Indents},
    {"PictureClose", Kind::Button, Press::Nothing},
    {"PictureWS01", Kind::Button, Press::Nothing},
    {"PictureWS02", Kind::Button, Press::Nothing},
    {"PictureTitle", Kind::Button, Press::MovesWindow},
    {"PictureTitleBar", Kind::Button, Press::MovesWindow},
    {"PictureIcon", Kind::Button, Press::OpensMenu},
    {"PictureBottomCenter", Kind::Strip, Press::Nothing},
    {"PictureBottomRight", Kind::Strip, Press::Nothing},
    {"PictureBottomLeft", Kind::CornerStrip, Press::Nothing},
};

}  // namespace

TEST_F(Dropping, EveryButtonAndStripAnswersDropsAndTheMouseAsItsRowSays) {
    runtime::PictureBox& source = previewShowing("red.gif");
    runtime::Label& notAPictureBox = form<FormDesignEdit>().Label1;
    notAPictureBox.setTag(file("blue.gif"));
    notAPictureBox.setDragMode(1);

    for (const Row& row : kHandlers) {
        SCOPED_TRACE(row.name);
        runtime::Control& target = control(row.name);
        const bool corner = row.kind == Kind::CornerStrip;

        // The preview dragged here: the control takes its picture; no layout follows.
        openProbe();
        showMenu();
        ASSERT_TRUE(User::drag(source, target));
        EXPECT_EQ(target.Tag(), file("red.gif"));
        EXPECT_EQ(shown(target), file("red.gif"));
        EXPECT_FALSE(laidOut());
        EXPECT_EQ(probeOpen(), !corner);

        // Another kind of control dragged here is ignored, but the corner strip still stops
        // every media device.
        openProbe();
        ASSERT_TRUE(User::drag(notAPictureBox, target));
        EXPECT_EQ(target.Tag(), file("red.gif"));
        EXPECT_EQ(probeOpen(), !corner);

        // A file dropped from another program: the control takes it and the window is laid out.
        openProbe();
        ASSERT_TRUE(User::dropFiles(target, {file("blue.gif")}));
        EXPECT_EQ(target.Tag(), file("blue.gif"));
        EXPECT_EQ(shown(target), file("blue.gif"));
        EXPECT_TRUE(laidOut());
        EXPECT_EQ(probeOpen(), !corner);
        runtime::mciSendString("Close probe");

        // The mouse.
        const double left = target.Left();
        form<FormMenu>().Hide();
        const std::size_t logSize = windowLog().size();
        User::mouseDown(target, runtime::vbLeftButton, 1, 1);
        EXPECT_EQ(target.Left(), left + (row.press == Press::Indents ? kTwoPixels : 0));
        EXPECT_EQ(logged("move form1"), row.press == Press::MovesWindow);
        EXPECT_EQ(form<FormMenu>().Visible(), row.press == Press::OpensMenu);
        User::mouseMove(target, runtime::vbLeftButton, 2, 2);
        EXPECT_EQ(logged("release capture"), row.press == Press::OpensMenu);
        User::mouseUp(target, runtime::vbLeftButton, 2, 2);
        EXPECT_EQ(target.Left(), left);
        EXPECT_EQ(form<FormMenu>().Visible(), row.press == Press::OpensMenu);
        if (row.press != Press::MovesWindow && row.press != Press::OpensMenu) {
            EXPECT_EQ(windowLog().size(), logSize);
        }
        if (row.kind != Kind::Button) User::click(target);
        EXPECT_EQ(target.Tag(), file("blue.gif"));
        harness().backend().windowServices.log.clear();
    }
}

TEST_F(Dropping, AFileDropTestsTheLowerCasedPathForAKindAnywhereInIt) {
    harness().writeFile("drops/SUN.BMP", gif(20, 7));
    runtime::Image& home = main().PictureHome;
    User::dropFiles(home, {file("SUN.BMP"), file("red.gif")});
    EXPECT_EQ(home.Tag(), file("SUN.BMP"));
    EXPECT_EQ(shown(home), file("SUN.BMP"));

    // The kind is in the name but the file is no picture: on a button only the Tag changes.
    showMenu();
    User::dropFiles(home, {file("notes.bmp.txt")});
    EXPECT_EQ(home.Tag(), file("notes.bmp.txt"));
    EXPECT_EQ(shown(home), file("SUN.BMP"));
    EXPECT_TRUE(laidOut());

    // A strip has lost its picture already and stays blank.
    User::dropFiles(main().PictureBottomRight, {file("red.gif")});
    User::dropFiles(main().PictureBottomRight, {file("notes.bmp.txt")});
    EXPECT_EQ(main().PictureBottomRight.Tag(), file("notes.bmp.txt"));
    EXPECT_EQ(shown(main().PictureBottomRight), "");

    // No kind at all, or no file at all: nothing changes.
    showMenu();
    harness().writeFile("drops/plain.png", gif(9, 7));
    User::dropFiles(home, {file("plain.png")});
    User::dropFiles(home, {});
    EXPECT_EQ(home.Tag(), file("notes.bmp.txt"));
    EXPECT_FALSE(laidOut());
}

TEST_F(Dropping, AClipFilePlaysOnceInTheCornerStripOnlyWithoutLayout) {
    std::vector<std::string>& media = harness().backend().mediaLog;
    const std::string centreTag = main().PictureBottomCenter.Tag();
    const std::string homeTag = main().PictureHome.Tag();
    showMenu();
    User::dropFiles(main().PictureHome, {file("clip.avi")});
    User::dropFiles(main().PictureBottomCenter, {file("clip.avi")});
    EXPECT_EQ(main().PictureHome.Tag(), homeTag);
    EXPECT_EQ(main().PictureBottomCenter.Tag(), centreTag);
    EXPECT_TRUE(media.empty());

    main().PictureBottomLeft.setWidth(40 * 15);
    main().PictureBottomLeft.setHeight(25 * 15);
    User::dropFiles(main().PictureBottomLeft, {file("clip.avi")});
    EXPECT_EQ(main().PictureBottomLeft.Tag(), file("clip.avi"));
    EXPECT_EQ(media, (std::vector<std::string>{"clip.avi: open video in form1.PictureBottomLeft",
                                               "clip.avi: destination 0 0 40 25",
                                               "clip.avi: play from 0"}));
    EXPECT_NE(app().media().device(main().Tag()), nullptr);
    EXPECT_FALSE(laidOut());
}

TEST_F(Dropping, ADropWithoutFilesOnTheCornerStripStillStopsEveryDevice) {
    const std::string tag = main().PictureBottomLeft.Tag();
    openProbe();
    User::dropFiles(main().PictureBottomLeft, {});
    EXPECT_FALSE(probeOpen());
    EXPECT_EQ(main().PictureBottomLeft.Tag(), tag);
}

TEST_F(Dropping, ThePreviewShowingAClipPlaysItInTheCornerStripAndLoopsAgainItself) {
    runtime::PictureBox& source = previewShowing("clip.avi");
    std::vector<std::string>& media = harness().backend().mediaLog;
    const std::string homeTag = main().PictureHome.Tag();
    const std::string rightTag = main().PictureBottomRight.Tag();
    User::drag(source, main().PictureHome);
    User::drag(source, main().PictureBottomRight);
    EXPECT_EQ(main().PictureHome.Tag(), homeTag);
    EXPECT_EQ(main().PictureBottomRight.Tag(), rightTag);

    main().PictureBottomLeft.setWidth(40 * 15);
    main().PictureBottomLeft.setHeight(25 * 15);
    media.clear();
    User::drag(source, main().PictureBottomLeft);
    EXPECT_EQ(main().PictureBottomLeft.Tag(), file("clip.avi"));
    EXPECT_EQ(media, (std::vector<std::string>{
                         "clip.avi: close", "clip.avi: open video in form1.PictureBottomLeft",
                         "clip.avi: destination 0 0 40 25", "clip.avi: play from 0",
                         "clip.avi: open video in FormDesignEdit.PictureImageBox",
                         "clip.avi: destination 0 0 208 83", "clip.avi: play repeat"}));
}

TEST_F(Dropping, AnEmptySourceClearsAButtonButLeavesAStrip) {
    runtime::PictureBox& source = previewShowing("red.gif");
    User::drag(source, main().PictureBack);
    User::drag(source, main().PictureBottomRight);
    source.setTag("");
    User::drag(source, main().PictureBack);
    User::drag(source, main().PictureBottomRight);
    EXPECT_EQ(main().PictureBack.Tag(), "");
    EXPECT_TRUE(main().PictureBack.getPicture().empty());
    EXPECT_EQ(main().PictureBottomRight.Tag(), file("red.gif"));
    EXPECT_EQ(shown(main().PictureBottomRight), file("red.gif"));
}

TEST_F(Dropping, ASourceThatDoesNotLoadGivesItsPathButKeepsThePictureShown) {
    runtime::PictureBox& source = previewShowing("red.gif");
    User::drag(source, main().PictureBack);
    User::drag(source, main().PictureBottomCenter);
    source.setTag(file("gone.gif"));
    for (runtime::Control* target : {static_cast<runtime::Control*>(&main().PictureBack),
                                     static_cast<runtime::Control*>(&main().PictureBottomCenter)}) {
        User::drag(source, *target);
        EXPECT_EQ(target->Tag(), file("gone.gif"));
        EXPECT_EQ(shown(*target), file("red.gif"));
    }
}

TEST_F(Dropping, APipeDroppedUnderAPictureNameIsNotReadAndHoldsNothingUp) {
    const std::string pipe = file("pipe.bmp");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::string before = shown(main().PictureBack);
    User::dropFiles(main().PictureBack, {pipe});
    User::dropFiles(main().PictureBottomRight, {pipe});
    EXPECT_EQ(main().PictureBack.Tag(), pipe);
    EXPECT_EQ(shown(main().PictureBack), before);
    EXPECT_EQ(main().PictureBottomRight.Tag(), pipe);
    EXPECT_EQ(shown(main().PictureBottomRight), "");
}

TEST_F(Dropping, ADroppedPictureSurvivesAPressAndGoesIntoTheSavedSkin) {
    harness().writeFile("drops/home.gif", gif(31, 17));
    User::dropFiles(main().PictureHome, {file("home.gif")});
    User::click(main().PictureHome);
    EXPECT_EQ(main().PictureHome.Tag(), file("home.gif"));

    FormSaveAs& saveAs = form<FormSaveAs>();
    saveAs.TextBoxSkinName.setText("Sea");
    harness().backend().answerModal("FormMessageBox", [](runtime::Form& question) {
        User::click(static_cast<FormMessageBox&>(question).LabelYES);
    });
    User::click(saveAs.Picture1(0));
    EXPECT_EQ(harness().readFile("skins/Sea/PictureHome"), gif(31, 17));
}
