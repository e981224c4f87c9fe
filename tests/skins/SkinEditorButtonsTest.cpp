// The skin editor's button bar in the running program: blank buttons saved as a skin, the
// background colour, the library and panel buttons, and the editor's own window handling.
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
        for (const char* name : {"a.gif", "b.gif", "c.gif", "d.gif"})
            harness().writeFile(name, gif(10, 10));
        harness().writeFile("clip.avi", "RIFF....AVI ");
        harness().writeFile("imagelib.txt", "<" + file("a.gif") + "><" + file("b.gif") + "><" +
                                                file("c.gif") + ">");
    }
    FormDesignEdit& editor() { return form<FormDesignEdit>(); }
    std::string file(const std::string& name) { return harness().path(name); }
    runtime::Image& button(const std::string& name) {
        return *static_cast<runtime::Image*>(main().findControl(name));
    }
    std::vector<runtime::Color> colours() {
        return {main().BackColor(),
                main().FrameTitleBar.BackColor(),
                main().FrameDashBoard.BackColor(),
                main().PictureBottomLeft.BackColor(),
                main().PictureBottomCenter.BackColor(),
                main().PictureBottomRight.BackColor()};
    }
};

}  // namespace

// The blank picture of PictureHome is missing: that button stays as it was, without a message,
// and the saved skin takes the picture the button still shows.
TEST_F(EditorButtons, ClearingGivesBlankButtonsInTheInactiveTitleColourThatSaveAsASkin) {
    std::filesystem::remove(file("Blank Buttons/B-PictureHome"));
    program.start();
    const std::string homeTag = button("PictureHome").Tag();
    const runtime::DrawList preview = editor().PictureImageBox.drawList();
    const runtime::DrawList corner = main().PictureBottomLeft.drawList();
    User::click(editor().Picture1(0));

    for (const std::string& name : kButtonNames) {
        const std::string blank = file("Blank Buttons/B-" + name);
        EXPECT_EQ(button(name).Tag(), name == "PictureHome" ? homeTag : blank) << name;
        EXPECT_EQ(button(name).getPicture().path == blank, name != "PictureHome") << name;
    }
    EXPECT_TRUE(harness().backend().modalsShown.empty());
    EXPECT_EQ(colours(), std::vector<runtime::Color>(6, kInactiveTitle));
    for (const std::string& name : kStripNames)
        EXPECT_EQ(main().findControl(name)->Tag(), "") << name;
    EXPECT_EQ(main().PictureBottomLeft.drawList().ops(), corner.ops());
    for (runtime::TextBox* box : {&editor().TextBoxSkinName, &form<FormLoading>().TextBoxSkinName,
                                  &form<FormSaveAs>().TextBoxSkinName})
        EXPECT_EQ(box->Text(), "New File") << box->form().Name();
    EXPECT_EQ(editor().PictureImageBox.drawList().ops(), preview.ops());
    EXPECT_EQ(runtime::app().media().device(main().Tag() + "CUSTOMIZE"), nullptr);

    editor().TextBoxSkinName.setText("Plain");
    harness().backend().answerModal("FormMessageBox", [](runtime::Form& question) {
        User::click(static_cast<FormMessageBox&>(question).LabelYES);
    });
    User::click(editor().Picture1(8));
    for (const char* skin : {"Quillo", "Plain"}) {
        form<FormLoading>().TextBoxSkinName.setText(skin);
        User::click(form<FormLoading>().Picture1(0));
    }
    EXPECT_EQ(colours(), std::vector<runtime::Color>(6, kInactiveTitle));
    for (const std::string& name : kButtonNames) {
        EXPECT_EQ(button(name).Tag(), skinPath("Plain") + "/" + name) << name;
        const std::string source = name == "PictureHome" ? "skins/Quillo/" : "Blank Buttons/B-";
        EXPECT_EQ(harness().readFile("skins/Plain/" + name), harness().readFile(source + name))
            << name;
    }
}

// Before each click the two outer strips are painted over with b.gif, so that a strip dressed
// again from its own file holds that one picture alone; the program menu shows until a layout.
TEST_F(EditorButtons, TheColourDialogColoursTheWindowUnlessClosedOrLeftOnColourOne) {
    program.start();
    struct Case {
        std::optional<runtime::Color> answer;
        bool cornerClip, coloured;
    };
    const Case cases[] = {{std::nullopt, false, false},
                          {1, false, false},
                          {runtime::RGB(1, 2, 3), false, true},
                          {runtime::RGB(40, 50, 60), true, true}};
    const runtime::Picture kept = *runtime::LoadPicture(file("b.gif"));
    runtime::PictureBox& left = main().PictureBottomLeft;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer ? *c.answer : 0);
        if (c.cornerClip) User::dropFiles(left, {file("clip.avi")});
        left.setPicture(kept);
        left.PaintPicture(kept, 0, 0);
        main().PictureBottomRight.PaintPicture(kept, 0, 0);
        const std::size_t leftOps = left.drawList().ops().size();
        const std::vector<runtime::Color> before = colours();
        form<FormMenu>().Show();
        harness().backend().mediaLog.clear();
        harness().backend().windowServices.log.clear();
        harness().backend().dialogServices.colorAnswers.push_back(c.answer);

        User::click(editor().Picture1(1));
        EXPECT_EQ(harness().backend().dialogServices.colorRequests.back(), 1u);
        EXPECT_EQ(
            harness().backend().windowServices.log,
            (std::vector<std::string>{"topmost FormDesignEdit 0", "topmost FormDesignEdit 1"}));
        EXPECT_EQ(colours(), c.coloured ? std::vector<runtime::Color>(6, *c.answer) : before);
        EXPECT_EQ(form<FormMenu>().Visible(), !c.coloured);
        if (!c.coloured) continue;
        EXPECT_EQ(main().PictureBottomRight.drawList().ops().size(), 1u);
        EXPECT_EQ(left.drawList().ops().size(), c.cornerClip ? leftOps : 1u);
        EXPECT_EQ(left.getPicture() == kept, c.cornerClip);
        // One layout, which replays the corner clip once.
        if (c.cornerClip) {
            EXPECT_EQ(harness().backend().mediaLog,
                      (std::vector<std::string>{"clip.avi: play from 0"}));
        }
    }
}

TEST_F(EditorButtons, LibraryAndPanelButtonsAPressThatMovesTheEditorAndItsCloseSpot) {
    program.start();
    // "Next Image" (3) steps back and "Previous Image" (4) on, around both ends; 5 deletes the
    // entry on show, 2 adds a file.
    harness().backend().dialogServices.fileAnswers.push_back(file("d.gif"));
    const std::pair<int, const char*> steps[] = {
        {3, "c.gif"}, {4, "a.gif"}, {4, "b.gif"}, {5, "c.gif"}, {2, "d.gif"}};
    for (auto [index, shown] : steps) {
        User::click(editor().Picture1(index));
        EXPECT_EQ(editor().PictureImageBox.Tag(), file(shown)) << index;
    }
    EXPECT_EQ(editor().LibraryEntries.size(), 4u);

    editor().Move(1500, 900);
    runtime::Form* panels[] = {&form<FormLoading>(), &form<FormSaveAs>()};
    for (int index : {6, 7, 6}) {
        panels[7 - index]->Show();
        User::click(editor().Picture1(index));
        EXPECT_TRUE(panels[index - 6]->Visible()) << index;
        EXPECT_FALSE(panels[7 - index]->Visible()) << index;
        EXPECT_EQ(panels[index - 6]->Top(), 900);
        EXPECT_EQ(panels[index - 6]->Left(), 1500 + editor().Width() + 1000);
        EXPECT_EQ(harness().backend().windowServices.log.back(),
                  "topmost " + panels[index - 6]->Name() + " 1");
    }

    User::mouseDown(main().PictureIcon, runtime::vbLeftButton, 5, 5);
    User::mouseDown(editor(), runtime::vbRightButton, 100, 100);
    EXPECT_FALSE(form<FormMenu>().Visible());
    EXPECT_EQ(harness().backend().windowServices.log.back(), "move FormDesignEdit");
    editor().Show();
    User::click(editor().Label1);
    EXPECT_FALSE(editor().Visible());
    EXPECT_TRUE(editor().loaded());
}
