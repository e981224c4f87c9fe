// Dressing the running program's main window in a skin: colours, pictures, strips and the
// editor's clip preview.
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "runtime/Application.h"
#include "runtime/MediaCommands.h"
#include "shared/mdlPlacementFunctions.h"
#include "skins/ClassSkins.h"
#include "skins/FormDesignEdit.h"
#include "skins/SkinnedProgram.h"

using namespace skintest;
using namespace quillo;
using quillo::runtime::app;

namespace {

struct Box {
    double left, top, width, height;
    bool operator==(const Box&) const = default;
};

Box boxOf(const runtime::Control& control) {
    return {control.Left(), control.Top(), control.Width(), control.Height()};
}

// The running program, dressed in its shipped skin; a test loads the skin Sea into the main
// window's own engine and applies it.
class Dressing : public SkinnedProgram {
  protected:
    Dressing() { program.start(); }

    void load(const std::vector<std::string>& fields) {
        writeSea(fields);
        ASSERT_TRUE(main().Skins->LoadTheme(skinPath("Sea") + "/Sea.tz3"));
    }
    // Reads Sea's descriptor again, as its files now stand.
    void reload() { ASSERT_TRUE(main().Skins->LoadTheme(skinPath("Sea") + "/Sea.tz3")); }
    void apply() { main().Skins->UploadPicturesToBrowser(main()); }
    std::string file(const std::string& field) { return skinPath("Sea") + "/" + field; }
    runtime::Image& button(const std::string& name) {
        return *static_cast<runtime::Image*>(main().findControl(name));
    }
    runtime::PictureBox& strip(const std::string& name) {
        return *static_cast<runtime::PictureBox*>(main().findControl(name));
    }
};

}  // namespace

TEST_F(Dressing, ColourFieldsTakeTheNumberAtTheirStart) {
    struct Case {
        std::string field;
        runtime::Color colour;
    };
    const Case cases[] = {{"255", 255},
                          {"  4210752 grey", 4210752},
                          {"-2147483633", 0x8000000F},
                          {"blue", 0},
                          {"", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE('"' + c.field + '"');
        std::vector<std::string> fields = fieldsOf();
        fields[0] = c.field;
        fields[2] = c.field;
        load(fields);
        apply();
        EXPECT_EQ(main().BackColor(), c.colour);
        EXPECT_EQ(main().FrameDashBoard.BackColor(), c.colour);
        EXPECT_EQ(main().PictureBottomRight.BackColor(), c.colour);
        EXPECT_EQ(main().LabelStatusBarMini.ForeColor(), c.colour);
        EXPECT_EQ(main().LabelStatusBarMain.ForeColor(), 255u);
    }
}

TEST_F(Dressing, ButtonsKeepTheirPlacesAndStretchTheirPicturesAndTheSideStripsAreFilled) {
    std::vector<Box> before;
    for (const std::string& name : kButtonNames)
        before.push_back(boxOf(button(name)));
    Box leftStrip = boxOf(main().PictureBottomLeft);
    Box rightStrip = boxOf(main().PictureBottomRight);
    load(fieldsOf());
    apply();
    for (std::size_t i = 0; i < kButtonNames.size(); ++i) {
        runtime::Image& b = button(kButtonNames[i]);
        EXPECT_EQ(boxOf(b), before[i]) << kButtonNames[i];
        EXPECT_TRUE(b.Stretch()) << kButtonNames[i];
        EXPECT_EQ(b.getPicture().widthPx, widthOfField(3 + static_cast<int>(i))) << kButtonNames[i];
    }
    // The layout leaves the left strip alone and does not resize the right one.
    for (auto [name, box, field] : {std::tuple{"PictureBottomLeft", leftStrip, 18},
                                    std::tuple{"PictureBottomRight", rightStrip, 20}}) {
        runtime::PictureBox& s = strip(name);
        ASSERT_FALSE(s.drawList().ops().empty()) << name;
        const runtime::DrawOp& op = s.drawList().ops().back();
        EXPECT_EQ(op.picture.widthPx, widthOfField(field)) << name;
        EXPECT_EQ((Box{op.x, op.y, op.width, op.height}), (Box{0, 0, box.width, box.height}))
            << name;
        EXPECT_TRUE(s.getPicture().empty()) << name;
    }
}

TEST_F(Dressing, EndsWithTheLayoutOfTheMainWindow) {
    const Box placed = boxOf(main().WebBrowser2);
    main().WebBrowser2.Move(0, 0, 15, 15);
    load(fieldsOf());
    apply();
    EXPECT_EQ(boxOf(main().WebBrowser2), placed);
}

TEST_F(Dressing, AMissingPictureLeavesAButtonAsItWasAndAStripBlankWithTheTagSet) {
    load(fieldsOf());
    apply();
    std::filesystem::remove(file("PictureBack"));
    std::filesystem::remove(file("PictureBottomRight"));
    reload();
    apply();
    EXPECT_EQ(main().PictureBack.Tag(), file("PictureBack"));
    EXPECT_EQ(main().PictureBack.getPicture().widthPx, widthOfField(12));
    EXPECT_EQ(main().PictureBottomRight.Tag(), file("PictureBottomRight"));
    EXPECT_TRUE(main().PictureBottomRight.drawList().ops().empty());
    // The steps after them go on.
    EXPECT_EQ(main().PictureNext.Tag(), file("PictureNext"));
    EXPECT_FALSE(main().PictureBottomLeft.drawList().ops().empty());
}

TEST_F(Dressing, AnEmptyFieldClearsItsControl) {
    std::vector<std::string> fields = fieldsOf("");
    fields[12] = "";
    load(fields);
    apply();
    EXPECT_EQ(main().PictureBack.Tag(), "");
    EXPECT_TRUE(main().PictureBack.getPicture().empty());
    EXPECT_EQ(main().PictureBottomLeft.Tag(), "");
    EXPECT_TRUE(main().PictureBottomLeft.drawList().ops().empty());
    EXPECT_EQ(main().PictureNext.getPicture().widthPx, widthOfField(13));
}

TEST_F(Dressing, AFieldNamingAFileOutsideTheSkinFolderCountsAsMissing) {
    harness().writeFile("outside.avi", "RIFF....AVI ");
    std::vector<std::string> fields = fieldsOf("../../outside.avi");
    fields[12] = "../Quillo/PictureBack";
    fields[13] = skinPath("Quillo") + "/PictureNext";
    fields[19] = "..\\Quillo\\PictureBottomCenter";
    load(fields);
    apply();
    // Both buttons keep the shipped skin's pictures; the strips stay blank.
    EXPECT_EQ(main().PictureBack.getPicture().widthPx, 32);
    EXPECT_EQ(main().PictureNext.getPicture().widthPx, 32);
    EXPECT_TRUE(main().PictureBottomLeft.drawList().ops().empty());
    EXPECT_EQ(app().media().device(main().Tag()), nullptr);
    // The rest of the skin loads.
    EXPECT_EQ(main().PictureHome.getPicture().widthPx, widthOfField(16));
    EXPECT_EQ(main().PictureBottomRight.drawList().ops().back().picture.widthPx, widthOfField(20));
}

TEST_F(Dressing, ASkinInASubFolderOfItsOwnFolderLoads) {
    std::vector<std::string> fields = fieldsOf();
    fields[12] = "buttons/back.gif";
    load(fields);
    apply();
    EXPECT_EQ(main().PictureBack.Tag(), file("buttons/back.gif"));
    EXPECT_EQ(main().PictureBack.getPicture().widthPx, widthOfField(12));
}

TEST_F(Dressing, TheEditorsClipPreviewStartsAgainAfterTheCloseAll) {
    harness().writeFile("clips/fish.avi", "RIFF....AVI ");
    runtime::PictureBox& preview = app().form<FormDesignEdit>().PictureImageBox;
    preview.setTag(harness().path("clips/fish.avi"));
    const std::string alias = main().Tag() + "CUSTOMIZE";
    runtime::mciSendString("Open \"" + preview.Tag() + "\" Type AVIVideo Alias \"" + alias +
                           "\" Style Child Parent " + std::to_string(preview.hWnd()));
    load(fieldsOf());
    program.backend().mediaLog.clear();
    apply();
    const std::string size = std::to_string(TwipsToPixels(static_cast<int>(preview.Width()))) +
                             " " +
                             std::to_string(TwipsToPixels(static_cast<int>(preview.Height())));
    EXPECT_EQ(program.backend().mediaLog,
              (std::vector<std::string>{
                  "fish.avi: close", "fish.avi: open video in FormDesignEdit.PictureImageBox",
                  "fish.avi: destination 0 0 " + size, "fish.avi: play repeat"}));
    ASSERT_NE(app().media().device(alias), nullptr);
    EXPECT_TRUE(app().media().device(alias)->repeat);
}

TEST_F(Dressing, APictureInThePreviewIsLeftAlone) {
    harness().writeFile("clips/fish.gif", gif(3, 3));
    app().form<FormDesignEdit>().PictureImageBox.setTag(harness().path("clips/fish.gif"));
    load(fieldsOf());
    program.backend().mediaLog.clear();
    apply();
    EXPECT_TRUE(program.backend().mediaLog.empty());
    EXPECT_EQ(app().media().size(), 0u);
}
