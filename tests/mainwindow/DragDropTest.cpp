// Re-dressing the main window by dragging the skin editor's preview onto its buttons and strips,
// or by dropping files from other programs on them.
#include <sys/stat.h>

#include <algorithm>
#include <string>
#include <vector>

#include "mainwindow/FormMenu.h"
#include "runtime/MediaCommands.h"
#include "runtime/headless/User.h"
#include "shared/FormMessageBox.h"
#include "skins/FormDesignEdit.h"
#include "skins/FormSaveAs.h"
#include "skins/SkinnedProgram.h"

using namespace skintest;
using namespace quillo;
using quillo::headless::User;
using quillo::runtime::form;

namespace {

class Dropping : public SkinnedProgram {
  protected:
    Dropping() {
        for (const char* name : {"red.gif", "SUN.BMP", "old.gif"})
            harness().writeFile(std::string("drops/") + name, gif(12, 7));
        harness().writeFile("drops/notes.bmp.txt", "no picture");
        harness().writeFile("drops/clip.avi", "RIFF....AVI ");
        harness().writeFile("drops/ding.wav", "RIFF....WAVE");
        mkfifo(file("pipe.bmp").c_str(), 0600);
        program.start();
        runtime::mciSendString("Close all");
        harness().backend().mediaLog.clear();
    }
    std::string file(const std::string& name) { return harness().path("drops/" + name); }
    // The editor's preview shows a library entry and can be dragged, as after an addition.
    runtime::PictureBox& preview(const std::string& name) {
        form<FormDesignEdit>().ShowLibraryItem(file(name));
        form<FormDesignEdit>().PictureImageBox.setDragMode(1);
        return form<FormDesignEdit>().PictureImageBox;
    }
    runtime::Control& control(const std::string& name) { return *main().findControl(name); }
    // The file whose picture a button holds or a strip has painted stretched over its area.
    static std::string shown(const runtime::Control& control) {
        if (control.kind() == runtime::ControlKind::Image)
            return static_cast<const runtime::Image&>(control).getPicture().path;
        const auto& ops = static_cast<const runtime::PictureBox&>(control).drawList().ops();
        if (ops.empty()) return "";
        const runtime::DrawOp& last = ops.back();
        const bool stretched = last.width == control.Width() && last.height == control.Height();
        return last.x == 0 && last.y == 0 && stretched ? last.picture.path : "misplaced";
    }
    // Dresses a control with old.gif, opens a sound and shows the program menu: "Close all"
    // closes the one, the main window's layout hides the other.
    void prepare(runtime::Control& target) {
        User::drag(preview("old.gif"), target);
        runtime::mciSendString("Open \"" + file("ding.wav") + "\" Alias probe");
        form<FormMenu>().Show();
    }
    bool allClosed() { return runtime::app().media().device("probe") == nullptr; }
    bool laidOut() { return !form<FormMenu>().Visible(); }
    bool logged(const std::string& line) {
        const auto& log = harness().backend().windowServices.log;
        return std::find(log.begin(), log.end(), line) != log.end();
    }
};

enum Press { Nothing, Indents, MovesWindow, OpensMenu };

}  // namespace

TEST_F(Dropping, EveryButtonAndStripAnswersDropsAndTheMouseAsItsRowSays) {
    const std::pair<const char*, Press> buttons[] = {
        {"PictureBack", Indents},        {"PictureBookmark", Indents},
        {"PictureHideShow", Indents},    {"PictureHome", Indents},
        {"PictureMail", Indents},        {"PictureNext", Indents},
        {"PictureReload", Indents},      {"PictureStop", Indents},
        {"PictureURL", Indents},         {"PictureClose", Nothing},
        {"PictureWS01", Nothing},        {"PictureWS02", Nothing},
        {"PictureTitle", MovesWindow},   {"PictureTitleBar", MovesWindow},
        {"PictureIcon", OpensMenu},      {"PictureBottomCenter", Nothing},
        {"PictureBottomRight", Nothing}, {"PictureBottomLeft", Nothing}};
    runtime::Label& notAPictureBox = form<FormDesignEdit>().Label1;
    notAPictureBox.setTag(file("SUN.BMP"));
    notAPictureBox.setDragMode(1);
    for (const auto& [name, press] : buttons) {
        SCOPED_TRACE(name);
        runtime::Control& target = control(name);
        const bool corner = target.Name() == "PictureBottomLeft";
        // The preview dragged here: the control takes its picture; no layout follows.
        prepare(target);
        ASSERT_TRUE(User::drag(preview("red.gif"), target));
        EXPECT_EQ(target.Tag(), file("red.gif"));
        EXPECT_EQ(shown(target), file("red.gif"));
        EXPECT_FALSE(laidOut());
        EXPECT_EQ(allClosed(), corner);
        // Another kind of control is ignored, but the corner strip stops every device first.
        prepare(target);
        ASSERT_TRUE(User::drag(notAPictureBox, target));
        EXPECT_EQ(target.Tag(), file("old.gif"));
        EXPECT_EQ(allClosed(), corner);
        // A file from another program: taken, and the window is laid out.
        ASSERT_TRUE(User::dropFiles(target, {file("red.gif")}));
        EXPECT_EQ(shown(target), file("red.gif"));
        EXPECT_TRUE(laidOut());
        runtime::mciSendString("Close all");

        const double left = target.Left();
        User::mouseDown(target, runtime::vbLeftButton, 1, 1);
        EXPECT_EQ(target.Left(), left + (press == Indents ? 30 : 0));
        EXPECT_EQ(logged("move form1"), press == MovesWindow);
        EXPECT_EQ(form<FormMenu>().Visible(), press == OpensMenu);
        User::mouseMove(target, runtime::vbLeftButton, 2, 2);
        EXPECT_EQ(logged("release capture"), press == OpensMenu);
        User::mouseUp(target, runtime::vbLeftButton, 2, 2);
        if (target.kind() == runtime::ControlKind::PictureBox) User::click(target);
        EXPECT_EQ(target.Left(), left);
        EXPECT_EQ(target.Tag(), file("red.gif"));
        harness().backend().windowServices.log.clear();
    }
}

// A file drop takes the first file by a kind anywhere in its lower-cased path and is laid out
// after a picture only; the preview dropped gives its Tag. Names "" and "-" stand for the empty
// text and "nothing dropped"; "old.gif" is what the control showed before.
TEST_F(Dropping, FilesGoByAKindAnywhereInTheirNameAndASourceTagIsTakenEvenWhenItCannotLoad) {
    struct Case {
        const char* target;
        bool dragged;
        std::vector<std::string> dropped;
        std::string tag, shown;
        bool laidOut, allClosed;
    };
    const Case cases[] = {
        {"PictureHome", false, {"SUN.BMP", "red.gif"}, "SUN.BMP", "SUN.BMP", true, false},
        {"PictureHome", false, {"notes.bmp.txt"}, "notes.bmp.txt", "old.gif", true, false},
        {"PictureHome", false, {"pipe.bmp"}, "pipe.bmp", "old.gif", true, false},
        {"PictureBottomRight", false, {"pipe.bmp"}, "pipe.bmp", "", true, false},
        {"PictureHome", false, {"ding.wav"}, "old.gif", "old.gif", false, false},
        {"PictureHome", false, {"clip.avi"}, "old.gif", "old.gif", false, false},
        {"PictureBottomCenter", false, {"clip.avi"}, "old.gif", "old.gif", false, false},
        {"PictureBottomLeft", false, {}, "old.gif", "old.gif", false, true},
        {"PictureBottomLeft", false, {"clip.avi"}, "clip.avi", "old.gif", false, true},
        {"PictureBack", true, {""}, "", "", false, false},
        {"PictureBottomRight", true, {""}, "old.gif", "old.gif", false, false},
        {"PictureBack", true, {"gone.gif"}, "gone.gif", "old.gif", false, false},
        {"PictureBottomCenter", true, {"gone.gif"}, "gone.gif", "old.gif", false, false},
        {"PictureHome", true, {"clip.avi"}, "old.gif", "old.gif", false, false},
        {"PictureBottomRight", true, {"clip.avi"}, "old.gif", "old.gif", false, false},
    };
    const auto path = [this](const std::string& name) { return name.empty() ? "" : file(name); };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.target) + " " + (c.dropped.empty() ? "-" : c.dropped[0]));
        runtime::Control& target = control(c.target);
        prepare(target);
        std::vector<std::string> paths;
        for (const std::string& name : c.dropped)
            paths.push_back(path(name));
        if (c.dragged) {
            runtime::PictureBox& source = preview("red.gif");
            source.setTag(paths[0]);
            User::drag(source, target);
        } else {
            User::dropFiles(target, paths);
        }
        EXPECT_EQ(target.Tag(), path(c.tag));
        EXPECT_EQ(shown(target), path(c.shown));
        EXPECT_EQ(laidOut(), c.laidOut);
        EXPECT_EQ(allClosed(), c.allClosed);
    }
}

TEST_F(Dropping, ThePreviewsClipPlaysOnceInTheCornerAndThePreviewLoopsAgain) {
    main().PictureBottomLeft.Move(0, 0, 40 * 15, 25 * 15);
    runtime::PictureBox& source = preview("clip.avi");
    harness().backend().mediaLog.clear();
    User::drag(source, main().PictureBottomLeft);
    EXPECT_EQ(main().PictureBottomLeft.Tag(), file("clip.avi"));
    EXPECT_EQ(harness().backend().mediaLog,
              (std::vector<std::string>{
                  "clip.avi: close", "clip.avi: open video in form1.PictureBottomLeft",
                  "clip.avi: destination 0 0 40 25", "clip.avi: play from 0",
                  "clip.avi: open video in FormDesignEdit.PictureImageBox",
                  "clip.avi: destination 0 0 208 83", "clip.avi: play repeat"}));
}

TEST_F(Dropping, ADroppedPictureSurvivesAPressAndGoesIntoTheSavedSkin) {
    User::dropFiles(main().PictureHome, {file("SUN.BMP")});
    User::click(main().PictureHome);
    form<FormSaveAs>().TextBoxSkinName.setText("Sea");
    harness().backend().answerModal("FormMessageBox", [](runtime::Form& question) {
        User::click(static_cast<FormMessageBox&>(question).LabelYES);
    });
    User::click(form<FormSaveAs>().Picture1(0));
    EXPECT_EQ(harness().readFile("skins/Sea/PictureHome"), gif(12, 7));
}
