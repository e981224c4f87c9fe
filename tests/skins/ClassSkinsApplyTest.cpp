// Dressing the main window: colours, pictures, strips, the corner clip and the gauge.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "runtime/Application.h"
#include "runtime/MediaCommands.h"
#include "skins/FormGauge.h"
#include "skins/SkinFixture.h"

using namespace skintest;

namespace {

// Sees every caption the gauge shows, and whether the gauge was visible then.
class GaugeWatch : public ControlPeer {
  public:
    explicit GaugeWatch(std::vector<std::string>& seen) : seen_(seen) {}
    void changed(Control& control, Property property) override {
        if (property != Property::Caption) return;
        auto& label = static_cast<Label&>(control);
        seen_.push_back(label.Caption() + (label.form().Visible() ? "" : " (hidden)"));
    }
    long itemAt(const Control&, double, double) override { return 0; }

  private:
    std::vector<std::string>& seen_;
};

class SkinApply : public SkinTest {
  protected:
    // Loads the skin Sea with these fields, ready to be applied.
    void load(const std::vector<std::string>& fields) {
        writeList("Quillo\x02Sea\x02\r\n");
        writeSkin("Sea", fields);
        ASSERT_TRUE(skins->LoadTheme(skinPath("Sea") + "/Sea.tz3"));
    }
    std::string file(const std::string& field) { return skinPath("Sea") + "/" + field; }
};

}  // namespace

TEST_F(SkinApply, EveryControlIsDressedFromItsFieldWithItsTagHoldingTheFullPath) {
    load(fieldsOf());
    skins->UploadPicturesToBrowser(main());
    MainWindow& w = main();
    for (std::size_t i = 0; i < kButtonNames.size(); ++i) {
        Image& button = w.button(kButtonNames[i]);
        EXPECT_EQ(button.Tag(), file(kButtonNames[i])) << kButtonNames[i];
        EXPECT_EQ(button.getPicture().widthPx, 13 + static_cast<int>(i)) << kButtonNames[i];
        EXPECT_TRUE(button.Stretch()) << kButtonNames[i];
        // The button keeps its place and size; the picture is stretched to it.
        EXPECT_EQ(button.Width(), 450) << kButtonNames[i];
    }
    struct Strip {
        PictureBox* box;
        int field;
    };
    for (Strip s : {Strip{&w.PictureBottomLeft, 18}, Strip{&w.PictureBottomCenter, 19},
                    Strip{&w.PictureBottomRight, 20}}) {
        const std::string name = s.box->Name();
        EXPECT_EQ(s.box->Tag(), file(name)) << name;
        EXPECT_TRUE(s.box->getPicture().empty()) << name;
        ASSERT_EQ(s.box->drawList().ops().size(), 1u) << name;
        const DrawOp& op = s.box->drawList().ops()[0];
        EXPECT_EQ(op.picture.widthPx, 10 + s.field) << name;
        EXPECT_EQ((std::vector<double>{op.x, op.y, op.width, op.height}),
                  (std::vector<double>{0, 0, s.box->Width(), s.box->Height()}))
            << name;
        EXPECT_EQ(s.box->BackColor(), 0xFFFFFFu) << name;
    }
    EXPECT_EQ(w.BackColor(), 0xFFFFFFu);
    EXPECT_EQ(w.FrameTitleBar.BackColor(), 0xFFFFFFu);
    EXPECT_EQ(w.FrameDashBoard.BackColor(), 0xFFFFFFu);
    EXPECT_EQ(w.LabelStatusBarMain.ForeColor(), 255u);
    EXPECT_EQ(w.LabelStatusBarMini.ForeColor(), 65280u);
    EXPECT_TRUE(w.PictureBottomLeft.Visible());
    EXPECT_TRUE(w.PictureBottomLeft.Enabled());
    EXPECT_TRUE(media().empty());
    EXPECT_EQ(arranged, 1);
}

TEST_F(SkinApply, ColourFieldsTakeTheNumberAtTheirStart) {
    struct Case {
        std::string field;
        Color colour;
    };
    const Case cases[] = {{"255", 255},
                          {"  4210752 grey", 4210752},
                          {"-2147483633", 0x8000000F},
                          {"blue", 0},
                          {"", 0}};
    for (const Case& c : cases) {
        std::vector<std::string> fields = fieldsOf();
        fields[0] = c.field;
        load(fields);
        skins->UploadPicturesToBrowser(main());
        EXPECT_EQ(main().BackColor(), c.colour) << '"' << c.field << '"';
    }
}

TEST_F(SkinApply, TheCornerFieldIsAClipOnlyWhenItEndsInAviInAnyLetterCase) {
    struct Case {
        std::string field;
        bool clip;
    };
    const Case cases[] = {{"PictureBottomLeft.avi", true},      {"PictureBottomLeft.AVI", true},
                          {"PictureBottomLeft.Avi", true},      {"PictureBottomLeft.bmp", false},
                          {"PictureBottomLeft.avi.bmp", false}, {"PictureBottomLeft.tzv", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        restart();
        load(fieldsOf(c.field));
        skins->UploadPicturesToBrowser(main());
        PictureBox& strip = main().PictureBottomLeft;
        EXPECT_EQ(strip.Tag(), file(c.field));
        EXPECT_EQ(strip.drawList().ops().size(), c.clip ? 0u : 1u);
        EXPECT_EQ(main().Timer2.getEnabled(), c.clip);
        if (!c.clip) {
            EXPECT_TRUE(media().empty());
            continue;
        }
        // Opened early, closed by the second Close All, opened again and played once.
        const std::string clip = c.field + ": ";
        const std::string open = clip + "open video in form1.PictureBottomLeft";
        const std::string place = clip + "destination 0 0 221 40";
        EXPECT_EQ(media(), (std::vector<std::string>{open, place, clip + "close", open, place,
                                                     clip + "play from 0"}));
        EXPECT_EQ(app().media().device("S090507")->parentWindow, strip.hWnd());
        EXPECT_EQ(main().Timer2.Interval(), 6000);
        EXPECT_EQ(strip.BackColor(), main().BackColor());
    }
}

TEST_F(SkinApply, TheGaugeCountsEveryStepWhileItShowsAndHidesAtTheEnd) {
    load(fieldsOf());
    std::vector<std::string> seen;
    ASSERT_EQ(gauges().size(), 1u);
    auto& gauge = static_cast<quillo::FormGauge&>(*gauges()[0]);
    gauge.LabelGauge.attachPeer(std::make_unique<GaugeWatch>(seen));
    skins->UploadPicturesToBrowser(main());

    std::vector<std::string> expected;
    for (int percent :
         {1, 2, 5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 75, 80, 90, 95, 100})
        expected.push_back(std::to_string(percent) + "% Completed.");
    EXPECT_EQ(seen, expected);
    EXPECT_FALSE(gauge.Visible());
    // Centred on the main window (3000, 2000, 9000 x 6600).
    EXPECT_EQ(gauge.Left(), 3000 + 4500 - gauge.Width() / 2);
    EXPECT_EQ(gauge.Top(), 2000 + 3300 - gauge.Height() / 2);
}

TEST_F(SkinApply, WhileTheStartUpTimerRunsTheGaugeStaysHiddenAndSoDoesTheCornerStrip) {
    load(fieldsOf());
    main().Timer1.setEnabled(true);
    std::vector<std::string> seen;
    auto& gauge = static_cast<quillo::FormGauge&>(*gauges()[0]);
    gauge.LabelGauge.attachPeer(std::make_unique<GaugeWatch>(seen));
    skins->UploadPicturesToBrowser(main());
    ASSERT_EQ(seen.size(), 21u);
    EXPECT_EQ(seen.front(), "1% Completed. (hidden)");
    EXPECT_FALSE(main().PictureBottomLeft.Visible());
    EXPECT_FALSE(main().PictureBottomLeft.Enabled());
    EXPECT_EQ(main().button("PictureMail").Tag(), file("PictureMail"));
}

TEST_F(SkinApply, AMissingPictureLeavesAButtonAsItWasAndAStripBlankWithTheTagSet) {
    load(fieldsOf());
    skins->UploadPicturesToBrowser(main());
    std::filesystem::remove(file("PictureBack"));
    std::filesystem::remove(file("PictureBottomRight"));
    ASSERT_TRUE(skins->LoadTheme(skinPath("Sea") + "/Sea.tz3"));
    skins->UploadPicturesToBrowser(main());
    EXPECT_EQ(main().button("PictureBack").Tag(), file("PictureBack"));
    EXPECT_EQ(main().button("PictureBack").getPicture().widthPx, 22);
    EXPECT_EQ(main().PictureBottomRight.Tag(), file("PictureBottomRight"));
    EXPECT_TRUE(main().PictureBottomRight.drawList().ops().empty());
    EXPECT_EQ(main().PictureBottomCenter.drawList().ops().size(), 1u);
}

TEST_F(SkinApply, AnEmptyFieldClearsItsControl) {
    load(fieldsOf());
    skins->UploadPicturesToBrowser(main());
    std::vector<std::string> fields = fieldsOf("");
    fields[12] = "";
    load(fields);
    skins->UploadPicturesToBrowser(main());
    EXPECT_EQ(main().button("PictureBack").Tag(), "");
    EXPECT_TRUE(main().button("PictureBack").getPicture().empty());
    EXPECT_EQ(main().PictureBottomLeft.Tag(), "");
    EXPECT_TRUE(main().PictureBottomLeft.drawList().ops().empty());
}

TEST_F(SkinApply, AFieldNamingAFileOutsideTheSkinFolderCountsAsMissing) {
    harness.writeFile("skins/Quillo/PictureBack", gif(50, 50));
    harness.writeFile("outside.avi", "RIFF....AVI ");
    std::vector<std::string> fields = fieldsOf("../../outside.avi");
    fields[12] = "../Quillo/PictureBack";
    fields[13] = harness.path("skins/Quillo/PictureBack");
    fields[19] = "..\\Quillo\\PictureBack";
    load(fields);
    skins->UploadPicturesToBrowser(main());
    EXPECT_TRUE(main().button("PictureBack").getPicture().empty());
    EXPECT_TRUE(main().button("PictureNext").getPicture().empty());
    EXPECT_TRUE(main().PictureBottomCenter.drawList().ops().empty());
    EXPECT_TRUE(media().empty());
    // The rest of the skin loads.
    EXPECT_EQ(main().button("PictureHome").getPicture().widthPx, 26);
    EXPECT_EQ(main().PictureBottomRight.drawList().ops().size(), 1u);
    EXPECT_EQ(arranged, 1);
}

TEST_F(SkinApply, ASkinInASubFolderOfItsOwnFolderLoads) {
    std::vector<std::string> fields = fieldsOf();
    fields[12] = "buttons/back.gif";
    load(fields);
    skins->UploadPicturesToBrowser(main());
    EXPECT_EQ(main().button("PictureBack").Tag(), file("buttons/back.gif"));
    EXPECT_EQ(main().button("PictureBack").getPicture().widthPx, 22);
}

TEST_F(SkinApply, TheEditorsClipPreviewStartsAgainAfterTheCloseAll) {
    harness.writeFile("clips/fish.avi", "RIFF....AVI ");
    PictureBox& preview = editor().PictureImageBox;
    preview.Move(0, 0, 1500, 1500);
    preview.setTag(harness.path("clips/fish.avi"));
    mciSendString("Open \"" + preview.Tag() +
                  "\" Type AVIVideo Alias \"S090507CUSTOMIZE\" Style Child Parent " +
                  std::to_string(preview.hWnd()));
    load(fieldsOf());
    harness.backend().mediaLog.clear();
    skins->UploadPicturesToBrowser(main());
    EXPECT_EQ(media(),
              (std::vector<std::string>{
                  "fish.avi: close", "fish.avi: open video in FormDesignEdit.PictureImageBox",
                  "fish.avi: destination 0 0 100 100", "fish.avi: play repeat"}));
    ASSERT_NE(app().media().device("S090507CUSTOMIZE"), nullptr);
    EXPECT_TRUE(app().media().device("S090507CUSTOMIZE")->repeat);
}

TEST_F(SkinApply, APictureInThePreviewIsLeftAlone) {
    harness.writeFile("clips/fish.gif", gif(3, 3));
    editor().PictureImageBox.setTag(harness.path("clips/fish.gif"));
    load(fieldsOf());
    skins->UploadPicturesToBrowser(main());
    EXPECT_TRUE(media().empty());
    EXPECT_EQ(app().media().size(), 0u);
}

TEST_F(SkinApply, TheShippedSkinQuilloDressesEveryControlWithAPicture) {
    harness.layAssets(QUILLO_ASSETS_DIR);
    skins->CallFromBrowserInit(main(), skinPath("Quillo") + "/Quillo.tz3");
    const std::string quillo = skinPath("Quillo");
    for (const std::string& name : kButtonNames) {
        EXPECT_EQ(main().button(name).Tag(), quillo + "/" + name);
        EXPECT_FALSE(main().button(name).getPicture().empty()) << name;
    }
    for (PictureBox* strip :
         {&main().PictureBottomLeft, &main().PictureBottomCenter, &main().PictureBottomRight})
        EXPECT_EQ(strip->drawList().ops().size(), 1u) << strip->Name();
    // The marker switches the corner to the numbered animations; it is a picture of its own.
    EXPECT_EQ(main().PictureBottomLeft.Tag(), quillo + "/PictureBottomLeft.tzv");
    EXPECT_TRUE(harness.backend().modalsShown.empty());
    EXPECT_EQ(harness.readFile("skinlib.txt"), "Quillo\x02\r\n");
}
