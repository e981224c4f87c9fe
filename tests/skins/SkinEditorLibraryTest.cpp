// The skin editor's image library: its file, the preview of the entry on show, stepping,
// adding through the open dialog or a drop from the shell, and deleting.
#include <string>
#include <vector>

#include "runtime/Application.h"
#include "runtime/MediaCommands.h"
#include "runtime/headless/User.h"
#include "shared/ModuleLanguage.h"
#include "skins/FormDesignEdit.h"
#include "skins/SkinnedProgram.h"

using namespace skintest;
using namespace quillo;
using quillo::headless::User;

namespace {

class EditorLibrary : public SkinnedProgram {
  protected:
    EditorLibrary() {
        harness().writeFile("small.gif", gif(10, 10));
        harness().writeFile("big.gif", gif(400, 300));
        harness().writeFile("notes.txt", "no picture");
    }
    FormDesignEdit& openEditor(const std::string& library) {
        harness().writeFile("imagelib.txt", library);
        program.start();
        return runtime::form<FormDesignEdit>();
    }
    std::string file(const std::string& name) { return harness().path(name); }
    std::string entry(const std::string& name) { return "<" + file(name) + ">"; }
};

TEST_F(EditorLibrary, LoadShowsTheFirstEntryAndStepsWrapBothWays) {
    harness().writeFile("clip.avi", "RIFF....AVI ");
    FormDesignEdit& editor = openEditor(entry("small.gif") + "\r\n" + entry("clip.avi") + "\r\n");
    EXPECT_EQ(editor.LibraryEntries,
              (std::vector<std::string>{file("small.gif"), file("clip.avi"), ""}));
    EXPECT_EQ(editor.PictureImageBox.Tag(), file("small.gif"));
    EXPECT_EQ(editor.PictureImageBox.DragMode(), 0);

    editor.ShowPreviousItem();
    EXPECT_EQ(editor.LibraryIndex, 1);
    EXPECT_EQ(editor.PictureImageBox.Tag(), file("clip.avi"));
    EXPECT_EQ(
        harness().backend().mediaLog,
        (std::vector<std::string>{"clip.avi: open video in FormDesignEdit.PictureImageBox",
                                  "clip.avi: destination 0 0 208 83", "clip.avi: play repeat"}));
    ASSERT_NE(runtime::app().media().device(main().Tag() + "CUSTOMIZE"), nullptr);
    editor.ShowNextItem();
    EXPECT_EQ(editor.LibraryIndex, 0);
    EXPECT_EQ(editor.PictureImageBox.Tag(), file("small.gif"));
    EXPECT_EQ(harness().backend().mediaLog.back(), "clip.avi: close");
}

TEST_F(EditorLibrary, SmallPicturesSitAtTheirOffsetsLargeOnesAreStretched) {
    FormDesignEdit& editor = openEditor(entry("small.gif") + entry("big.gif"));
    const auto& small = editor.PictureImageBox.drawList().ops();
    ASSERT_EQ(small.size(), 1u);
    const double w = editor.PictureImageBox.Width(), h = editor.PictureImageBox.Height();
    const double pw = static_cast<double>(small[0].picture.widthHimetric());
    const double ph = static_cast<double>(small[0].picture.heightHimetric());
    EXPECT_DOUBLE_EQ(small[0].x, w / 1.68 - pw / 2);
    EXPECT_DOUBLE_EQ(small[0].y, h / 2 - ph / 2.1);
    editor.ShowNextItem();
    const auto& big = editor.PictureImageBox.drawList().ops();
    ASSERT_EQ(big.size(), 1u);
    EXPECT_EQ(big[0].picture.path, file("big.gif"));
    EXPECT_EQ((std::vector<double>{big[0].x, big[0].y, big[0].width, big[0].height}),
              (std::vector<double>{0, 0, w, h}));
}

TEST_F(EditorLibrary, DeletingRewritesTheFileAndShowsTheEntryThatTakesItsPlace) {
    const std::string spaced = file("my  pics.gif");
    harness().writeFile("my  pics.gif", gif(10, 10));
    FormDesignEdit& editor =
        openEditor(entry("small.gif") + "\r\n<" + spaced + ">\r\n" + entry("big.gif") + "\r\n");
    editor.DeleteLibraryItem();  // the first: the one that followed moves into its place
    EXPECT_EQ(harness().readFile("imagelib.txt"), "<" + spaced + "> " + entry("big.gif") + " \r\n");
    EXPECT_EQ(editor.PictureImageBox.Tag(), spaced);
    editor.ShowNextItem();
    editor.DeleteLibraryItem();  // the last wraps to the first
    EXPECT_EQ(editor.LibraryIndex, 0);
    EXPECT_EQ(editor.PictureImageBox.Tag(), spaced);

    answerMessages(1);
    editor.DeleteLibraryItem();  // the only one
    EXPECT_EQ(harness().readFile("imagelib.txt"), "\r\n");
    EXPECT_EQ(messages, (std::vector<std::string>{MsgLibraryItemFailed}));
    EXPECT_EQ(editor.PictureImageBox.Tag(), "");
    EXPECT_TRUE(editor.PictureImageBox.drawList().ops().empty());
}

TEST_F(EditorLibrary, AnEntryThatIsNoPictureIsDroppedWhileStepping) {
    FormDesignEdit& editor = openEditor(entry("small.gif") + entry("notes.txt") + entry("big.gif"));
    editor.ShowNextItem();
    EXPECT_EQ(editor.LibraryEntries,
              (std::vector<std::string>{file("small.gif"), file("big.gif"), ""}));
    EXPECT_EQ(editor.PictureImageBox.Tag(), file("big.gif"));
}

TEST_F(EditorLibrary, SteppingAnEmptyLibraryShowsTheItemMessage) {
    FormDesignEdit& editor = openEditor("");
    answerMessages(2);
    editor.ShowNextItem();
    editor.ShowPreviousItem();
    EXPECT_EQ(messages, (std::vector<std::string>(2, MsgLibraryItemFailed)));
    EXPECT_EQ(editor.PictureImageBox.DragMode(), 0);
}

TEST_F(EditorLibrary, AddingThroughTheDialog) {
    FormDesignEdit& editor = openEditor(entry("small.gif") + "\r\n");
    auto& answers = harness().backend().dialogServices.fileAnswers;
    answers.push_back(std::nullopt);
    editor.AddLibraryItem();  // cancelled
    answers.push_back(file("big.gif"));
    editor.AddLibraryItem();
    EXPECT_EQ(harness().readFile("imagelib.txt"),
              entry("small.gif") + "\r\n" + entry("big.gif") + "\r\n");
    EXPECT_EQ(editor.LibraryIndex, 1);
    EXPECT_EQ(editor.PictureImageBox.Tag(), file("big.gif"));
    EXPECT_EQ(editor.PictureImageBox.DragMode(), 1);

    // Already there in another case: nothing written, the file is shown as the entry on show.
    answers.push_back(file("SMALL.GIF"));
    harness().writeFile("SMALL.GIF", gif(10, 10));
    editor.AddLibraryItem();
    EXPECT_EQ(editor.LibraryEntries.size(), 3u);
    EXPECT_EQ(editor.LibraryIndex, 0);

    // A path inside another entry's path is still a new entry.
    harness().writeFile("big.gi", gif(10, 10));
    answers.push_back(file("big.gi"));
    editor.AddLibraryItem();
    EXPECT_EQ(editor.LibraryEntries.back(), "");
    EXPECT_EQ(editor.LibraryEntries[2], file("big.gi"));

    answerMessages(2);
    answers.push_back(file("notes.txt"));
    editor.AddLibraryItem();
    answers.push_back(file("CLIP.AVI"));  // the dialog's test for clips minds the case
    editor.AddLibraryItem();
    EXPECT_EQ(messages, (std::vector<std::string>(2, MsgLibraryAddFailed)));
    EXPECT_EQ(editor.PictureImageBox.Tag(), file("big.gi"));
    EXPECT_EQ(editor.LibraryEntries.size(), 4u);
}

TEST_F(EditorLibrary, DroppingAFileAddsItAndLetsThePreviewBeDragged) {
    FormDesignEdit& editor = openEditor("");
    EXPECT_TRUE(User::dropFiles(editor.PictureImageBox, {file("CLIP.AVI")}));
    EXPECT_EQ(harness().readFile("imagelib.txt"), entry("CLIP.AVI") + "\r\n");
    EXPECT_EQ(editor.PictureImageBox.Tag(), file("CLIP.AVI"));
    EXPECT_EQ(editor.PictureImageBox.DragMode(), 1);

    answerMessages(2);
    User::dropFiles(editor.PictureImageBox, {file("notes.txt")});
    harness().writeFile("a>b.gif", gif(10, 10));
    User::dropFiles(editor.PictureImageBox, {file("a>b.gif")});
    EXPECT_EQ(messages, (std::vector<std::string>(2, MsgLibraryAddFailed)));
    EXPECT_EQ(harness().readFile("imagelib.txt"), entry("CLIP.AVI") + "\r\n");
}

}  // namespace

TEST_F(EditorLibrary, TheEntryOnShowIsTheOneDeletedAndAMissingClipLeavesTheBoxEmpty) {
    FormDesignEdit& editor = openEditor(entry("small.gif") + entry("big.gif") + entry("gone.avi"));
    editor.ShowNextItem();
    harness().backend().dialogServices.fileAnswers.push_back(file("small.gif"));
    editor.AddLibraryItem();  // listed already: shown as the entry on show
    editor.DeleteLibraryItem();
    EXPECT_EQ(harness().readFile("imagelib.txt"), entry("big.gif") + entry("gone.avi") + "\r\n");
    EXPECT_EQ(editor.PictureImageBox.Tag(), file("big.gif"));
    editor.ShowNextItem();
    EXPECT_EQ(editor.PictureImageBox.Tag(), file("gone.avi"));
    EXPECT_TRUE(editor.PictureImageBox.drawList().ops().empty());
}

TEST_F(EditorLibrary, DeletingAndAddingChangeTheLibraryAsAnotherCopyOfTheProgramLeftIt) {
    struct Case {
        std::string meanwhile;  // imagelib.txt as another copy wrote it after the editor read it
        int button;             // 5 deletes the entry on show, 2 adds the file chosen
        std::string chosen, after, shown;
    };
    const std::string small = entry("small.gif") + "\r\n", big = entry("big.gif") + "\r\n";
    openEditor(small);
    for (const Case& c : std::vector<Case>{
             {small + big, 5, "", entry("big.gif") + " \r\n", "big.gif"},
             {small + big, 2, "big.gif", small + big, "big.gif"},
             {big, 2, "small.gif", big + small, "small.gif"},
         }) {
        runtime::form<FormDesignEdit>().Unload();
        harness().writeFile("imagelib.txt", small);
        FormDesignEdit& editor = runtime::form<FormDesignEdit>();
        harness().writeFile("imagelib.txt", c.meanwhile);
        if (c.button == 2) harness().backend().dialogServices.fileAnswers.push_back(file(c.chosen));
        User::click(editor.Picture1(c.button));
        EXPECT_EQ(harness().readFile("imagelib.txt"), c.after) << c.meanwhile << c.button;
        EXPECT_EQ(editor.PictureImageBox.Tag(), file(c.shown)) << c.meanwhile << c.button;
    }
}
