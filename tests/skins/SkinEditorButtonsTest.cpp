// The skin editor's button bar in the running program: clearing the main window to blank
// buttons, its background colour, the library's arrows, the panels beside the editor, saving,
// and the editor's own window handling.
#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "mainwindow/FormMenu.h"
#include "runtime/MediaCommands.h"
#include "runtime/headless/User.h"
#include "shared/FormMessageBox.h"
#include "skins/FormDesignEdit.h"
#include "skins/FormLoading.h"
#include "skins/FormSaveAs.h"
#include "skins/SkinnedProgram.h"

using namespace skintest;
using namespace quillo;
using quillo::headless::User;
using quillo::runtime::form;

namespace {

constexpr runtime::Color kInactiveTitle = 0x80000003;

class EditorButtons : public SkinnedProgram {
  protected:
    EditorButtons() {
        for (const char* name : {"a.gif", "b.gif", "c.gif"})
            harness().writeFile(name, gif(10, 10));
        harness().writeFile("clip.avi", "RIFF....AVI ");
        harness().writeFile("imagelib.txt", entry("a.gif") + entry("b.gif") + entry("c.gif"));
    }
    FormDesignEdit& editor() { return form<FormDesignEdit>(); }
    std::string file(const std::string& name) { return harness().path(name); }
    std::string entry(const std::string& name) { return "<" + file(name) + ">\r\n"; }
    std::string blank(const std::string& button) { return file("Blank Buttons/B-" + button); }
    runtime::Image& button(const std::string& name) {
        return *static_cast<runtime::Image*>(main().findControl(name));
    }
    runtime::PictureBox& strip(const std::string& name) {
        return *static_cast<runtime::PictureBox*>(main().findControl(name));
    }
    void answerYes() {
        harness().backend().answerModal("FormMessageBox", [](runtime::Form& question) {
            User::click(static_cast<FormMessageBox&>(question).LabelYES);
        });
    }
    bool logged(const std::vector<std::string>& lines) {
        const auto& log = harness().backend().windowServices.log;
        return std::search(log.begin(), log.end(), lines.begin(), lines.end()) != log.end();
    }
    // The main window's layout closes the program menu.
    bool laidOut() { return !form<FormMenu>().Visible(); }
    std::vector<runtime::Color> colours() {
        std::vector<runtime::Color> found{main().BackColor(), main().FrameTitleBar.BackColor(),
                                          main().FrameDashBoard.BackColor()};
        for (const std::string& name : kStripNames)
            found.push_back(strip(name).BackColor());
        return found;
    }
};

}  // namespace

TEST_F(EditorButtons, ClearingGivesEveryButtonItsBlankPictureAndTheInactiveTitleColour) {
    program.start();
    const runtime::DrawList preview = editor().PictureImageBox.drawList();
    std::vector<runtime::DrawList> strips;
    for (const std::string& name : kStripNames)
        strips.push_back(strip(name).drawList());
    User::click(editor().Picture1(0));

    for (const std::string& name : kButtonNames) {
        EXPECT_EQ(button(name).Tag(), blank(name)) << name;
        EXPECT_EQ(button(name).getPicture().path, blank(name)) << name;
    }
    EXPECT_EQ(colours(), std::vector<runtime::Color>(6, kInactiveTitle));
    for (std::size_t i = 0; i < kStripNames.size(); ++i) {
        EXPECT_EQ(strip(kStripNames[i]).Tag(), "") << kStripNames[i];
        EXPECT_EQ(strip(kStripNames[i]).drawList().ops(), strips[i].ops()) << kStripNames[i];
    }
    for (runtime::TextBox* box : {&editor().TextBoxSkinName, &form<FormLoading>().TextBoxSkinName,
                                  &form<FormSaveAs>().TextBoxSkinName})
        EXPECT_EQ(box->Text(), "New File") << box->form().Name();
    EXPECT_EQ(editor().PictureImageBox.Tag(), file("a.gif"));
    EXPECT_EQ(editor().PictureImageBox.drawList().ops(), preview.ops());
    EXPECT_EQ(runtime::app().media().device(main().Tag() + "CUSTOMIZE"), nullptr);
}

TEST_F(EditorButtons, ClearingPlaysThePreviewsClipAgainAfterStoppingEveryDevice) {
    harness().writeFile("imagelib.txt", entry("clip.avi"));
    program.start();
    runtime::mciSendString("Open \"" + file("clip.avi") + "\" Alias probe Type WaveAudio");
    User::click(editor().Picture1(0));
    EXPECT_EQ(runtime::app().media().device("probe"), nullptr);
    ASSERT_NE(runtime::app().media().device(main().Tag() + "CUSTOMIZE"), nullptr);
    const std::vector<std::string>& log = harness().backend().mediaLog;
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(
        std::vector<std::string>(log.end() - 3, log.end()),
        (std::vector<std::string>{"clip.avi: open video in FormDesignEdit.PictureImageBox",
                                  "clip.avi: destination 0 0 208 83", "clip.avi: play repeat"}));
}

TEST_F(EditorButtons, AMissingBlankPictureLeavesThatButtonAsItWasWithoutAMessage) {
    std::filesystem::remove(file("Blank Buttons/B-PictureHome"));
    program.start();
    const std::string tag = button("PictureHome").Tag();
    const runtime::Picture picture = button("PictureHome").getPicture();
    ASSERT_FALSE(tag.empty());
    User::click(editor().Picture1(0));
    EXPECT_EQ(button("PictureHome").Tag(), tag);
    EXPECT_EQ(button("PictureHome").getPicture(), picture);
    EXPECT_EQ(button("PictureMail").Tag(), blank("PictureMail"));
    EXPECT_EQ(button("PictureStop").Tag(), blank("PictureStop"));
    EXPECT_TRUE(harness().backend().modalsShown.empty());
}

TEST_F(EditorButtons, AColourDialogClosedOrLeftOnColourOneChangesNothing) {
    program.start();
    const std::vector<std::optional<runtime::Color>> answers = {std::nullopt, 1};
    for (const std::optional<runtime::Color>& answer : answers) {
        SCOPED_TRACE(answer ? "colour 1" : "closed");
        const std::vector<runtime::Color> before = colours();
        form<FormMenu>().Show();
        harness().backend().windowServices.log.clear();
        harness().backend().dialogServices.colorAnswers.push_back(answer);
        User::click(editor().Picture1(1));
        EXPECT_EQ(harness().backend().dialogServices.colorRequests.back(), 1u);
        EXPECT_TRUE(logged({"topmost FormDesignEdit 0", "topmost FormDesignEdit 1"}));
        EXPECT_EQ(colours(), before);
        EXPECT_FALSE(laidOut());
    }
}

// The strips are painted over with something else first, so that a strip dressed again from
// its own file shows only that file.
TEST_F(EditorButtons, AChosenColourDressesTheWindowAndItsStripsAndLaysItOutOnce) {
    program.start();
    for (bool cornerClip : {false, true}) {
        SCOPED_TRACE(cornerClip ? "clip in the corner" : "picture in the corner");
        const runtime::Color chosen = cornerClip ? runtime::RGB(40, 50, 60) : runtime::RGB(1, 2, 3);
        if (cornerClip) User::dropFiles(main().PictureBottomLeft, {file("clip.avi")});
        const runtime::Picture kept = *runtime::LoadPicture(file("b.gif"));
        main().PictureBottomLeft.setPicture(kept);
        for (const char* name : {"PictureBottomLeft", "PictureBottomRight"})
            strip(name).PaintPicture(kept, 0, 0);
        const std::size_t leftOps = main().PictureBottomLeft.drawList().ops().size();
        form<FormMenu>().Show();
        harness().backend().mediaLog.clear();
        harness().backend().dialogServices.colorAnswers.push_back(chosen);

        User::click(editor().Picture1(1));
        EXPECT_EQ(colours(), std::vector<runtime::Color>(6, chosen));
        const auto& right = main().PictureBottomRight.drawList().ops();
        ASSERT_EQ(right.size(), 1u);
        EXPECT_EQ(right[0].picture.path, main().PictureBottomRight.Tag());
        const auto& left = main().PictureBottomLeft.drawList().ops();
        if (cornerClip) {
            EXPECT_EQ(left.size(), leftOps);
            EXPECT_EQ(main().PictureBottomLeft.getPicture(), kept);
            EXPECT_EQ(harness().backend().mediaLog,
                      (std::vector<std::string>{"clip.avi: play from 0"}));
        } else {
            ASSERT_EQ(left.size(), 1u);
            EXPECT_EQ(left[0].picture.path, main().PictureBottomLeft.Tag());
        }
        EXPECT_TRUE(laidOut());
    }
}

TEST_F(EditorButtons, ThePanelButtonsShowOnePanelAtTheSamePlaceBesideTheEditor) {
    program.start();
    editor().Move(1500, 900);
    runtime::Form* panels[] = {&form<FormLoading>(), &form<FormSaveAs>()};
    for (int index : {6, 7, 6}) {
        runtime::Form& shown = *panels[index - 6];
        runtime::Form& hidden = *panels[7 - index];
        hidden.Show();
        User::click(editor().Picture1(index));
        EXPECT_TRUE(shown.Visible()) << index;
        EXPECT_FALSE(hidden.Visible()) << index;
        EXPECT_EQ(shown.Top(), 900);
        EXPECT_EQ(shown.Left(), 1500 + editor().Width() + 1000);
        EXPECT_EQ(harness().backend().windowServices.log.back(), "topmost " + shown.Name() + " 1");
    }
}

TEST_F(EditorButtons, TheArrowsStepBackAndOnAroundBothEndsOfTheLibrary) {
    program.start();
    struct Step {
        int button;
        const char* shown;
    };
    for (Step step : {Step{3, "c.gif"}, Step{4, "a.gif"}, Step{4, "b.gif"}, Step{3, "a.gif"}}) {
        User::click(editor().Picture1(step.button));
        EXPECT_EQ(editor().PictureImageBox.Tag(), file(step.shown)) << step.button;
    }
    EXPECT_EQ(editor().Picture1(3).ToolTipText(), "Next Image");
    EXPECT_EQ(editor().Picture1(4).ToolTipText(), "Previous Image");
}

TEST_F(EditorButtons, TheButtonsLookPressedWhileHeldAndTheArrowsAreTheWindowsOwnPictures) {
    program.start();
    for (auto& [index, box] : editor().Picture1) {
        SCOPED_TRACE(index);
        EXPECT_EQ(box->Tag(), "Unindented");
        const runtime::Picture look = box->getPicture();
        ASSERT_FALSE(look.empty());
        EXPECT_EQ(look.path.empty(), index == 3 || index == 4);
        User::mouseDown(*box, runtime::vbLeftButton, 10, 10);
        EXPECT_TRUE(box->getPicture().empty());
        User::mouseUp(*box, runtime::vbLeftButton, 10, 10);
        EXPECT_EQ(box->getPicture(), look);
    }
}

TEST_F(EditorButtons, APressMovesTheEditorAndTheCloseSpotOnlyHidesIt) {
    program.start();
    User::mouseDown(main().PictureIcon, runtime::vbLeftButton, 5, 5);
    User::mouseDown(editor(), runtime::vbRightButton, 100, 100);
    EXPECT_FALSE(form<FormMenu>().Visible());
    EXPECT_EQ(harness().backend().windowServices.log.back(), "move FormDesignEdit");

    editor().Show();
    User::click(editor().Picture1(4));
    User::click(editor().Label1);
    EXPECT_FALSE(editor().Visible());
    EXPECT_TRUE(editor().loaded());
    // Opened again from the program menu: the library is where it was.
    User::mouseDown(main().PictureIcon, runtime::vbLeftButton, 5, 5);
    User::mouseMove(form<FormMenu>().LabelMenu(3), 0, 10, 10);
    User::mouseUp(form<FormMenu>().LabelMenu(3), runtime::vbLeftButton, 10, 10);
    EXPECT_TRUE(editor().Visible());
    EXPECT_EQ(editor().LibraryIndex, 1);
    EXPECT_EQ(editor().PictureImageBox.Tag(), file("b.gif"));
}

TEST_F(EditorButtons, TheBlankLookSavedFromTheEditorComesBackWhenThatSkinIsApplied) {
    program.start();
    User::click(editor().Picture1(0));
    editor().TextBoxSkinName.setText("Plain");
    answerYes();
    User::click(editor().Picture1(8));
    ASSERT_TRUE(harness().fileExists("skins/Plain/Plain.tz3"));

    FormLoading& manager = form<FormLoading>();
    manager.TextBoxSkinName.setText("Quillo");
    User::click(manager.Picture1(0));
    ASSERT_NE(colours()[0], kInactiveTitle);
    manager.TextBoxSkinName.setText("Plain");
    User::click(manager.Picture1(0));
    EXPECT_EQ(colours(), std::vector<runtime::Color>(6, kInactiveTitle));
    for (const std::string& name : kButtonNames) {
        EXPECT_EQ(button(name).Tag(), skinPath("Plain") + "/" + name) << name;
        EXPECT_EQ(harness().readFile("skins/Plain/" + name),
                  harness().readFile("Blank Buttons/B-" + name))
            << name;
    }
}
