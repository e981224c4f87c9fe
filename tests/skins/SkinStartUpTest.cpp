// The skin that the real program puts on its main window while it starts.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "mainwindow/RNfunctions.h"
#include "runtime/Application.h"
#include "runtime/headless/User.h"
#include "shared/FormMessageBox.h"
#include "shared/ModuleLanguage.h"
#include "skins/ClassSkins.h"
#include "skins/FormLoading.h"
#include "skins/SkinnedProgram.h"

using namespace skintest;
using namespace quillo;
using quillo::runtime::app;
using quillo::testing::Program;

namespace {

std::vector<std::string> captionsOf(const std::vector<GaugeStep>& steps) {
    std::vector<std::string> captions;
    for (const GaugeStep& step : steps)
        captions.push_back(step.caption);
    return captions;
}

std::size_t modalsShown(Program& program) {
    const auto& shown = program.backend().modalsShown;
    return static_cast<std::size_t>(std::count(shown.begin(), shown.end(), "FormMessageBox"));
}

}  // namespace

TEST_F(SkinnedProgram, DressesEveryControlOfTheMainWindowFromTheTwentyOneFieldsOfTheCurrentSkin) {
    writeSea(numberedFields());
    harness().writeFile("rn418.ini", "<Sea>\r\n");
    form1& w = program.start();

    for (std::size_t i = 0; i < kButtonNames.size(); ++i) {
        const int field = 3 + static_cast<int>(i);
        auto& button = *static_cast<runtime::Image*>(w.findControl(kButtonNames[i]));
        EXPECT_EQ(button.Tag(), skinPath("Sea") + "/part" + std::to_string(field) + ".gif")
            << kButtonNames[i];
        EXPECT_EQ(button.getPicture().widthPx, widthOfField(field)) << kButtonNames[i];
        EXPECT_TRUE(button.Stretch()) << kButtonNames[i];
    }
    for (std::size_t i = 0; i < kStripNames.size(); ++i) {
        const int field = 18 + static_cast<int>(i);
        auto& strip = *static_cast<runtime::PictureBox*>(w.findControl(kStripNames[i]));
        EXPECT_EQ(strip.Tag(), skinPath("Sea") + "/part" + std::to_string(field) + ".gif")
            << kStripNames[i];
        EXPECT_EQ(strip.BackColor(), 0xFFFFFFu) << kStripNames[i];
    }
    // The left strip is painted by the skin alone; the layout leaves it be.
    ASSERT_FALSE(w.PictureBottomLeft.drawList().ops().empty());
    EXPECT_EQ(w.PictureBottomLeft.drawList().ops().back().picture.widthPx, widthOfField(18));
    EXPECT_EQ(w.BackColor(), 0xFFFFFFu);
    EXPECT_EQ(w.FrameTitleBar.BackColor(), 0xFFFFFFu);
    EXPECT_EQ(w.FrameDashBoard.BackColor(), 0xFFFFFFu);
    EXPECT_EQ(w.LabelStatusBarMain.ForeColor(), 255u);
    EXPECT_EQ(w.LabelStatusBarMini.ForeColor(), 65280u);
    EXPECT_TRUE(w.PictureBottomLeft.Visible());
    EXPECT_TRUE(w.PictureBottomLeft.Enabled());
    EXPECT_EQ(harness().readFile("rn418.ini"), "<Sea>\r\n");
    EXPECT_EQ(modalsShown(program), 0u);
    // Loading the skin names it in the skin windows.
    EXPECT_EQ(app().form<FormLoading>().TextBoxSkinName.Text(), "Sea");
}

TEST_F(SkinnedProgram, DressesTheMainWindowInTheShippedSkinQuillo) {
    form1& w = program.start();
    const std::string quillo = skinPath("Quillo");
    for (const std::string& name : kButtonNames) {
        auto& button = *static_cast<runtime::Image*>(w.findControl(name));
        EXPECT_EQ(button.Tag(), quillo + "/" + name);
        EXPECT_FALSE(button.getPicture().empty()) << name;
    }
    for (const std::string& name : kStripNames) {
        auto& strip = *static_cast<runtime::PictureBox*>(w.findControl(name));
        ASSERT_FALSE(strip.drawList().ops().empty()) << name;
        EXPECT_FALSE(strip.drawList().ops().back().picture.empty()) << name;
    }
    // The marker switches the corner to the numbered animations; it is a picture of its own.
    EXPECT_EQ(tagOf("PictureBottomLeft"), quillo + "/PictureBottomLeft.tzv");
    EXPECT_EQ(tagOf("PictureBottomCenter"), quillo + "/PictureBottomCenter");
    EXPECT_EQ(tagOf("PictureBottomRight"), quillo + "/PictureBottomRight");
    EXPECT_EQ(w.BackColor(), 16099920u);
    EXPECT_EQ(modalsShown(program), 0u);
    EXPECT_EQ(harness().readFile("skinlib.txt"), "Quillo\x02\r\n");
    EXPECT_EQ(harness().readFile("rn418.ini"), "<Quillo>\r\n");
}

TEST_F(SkinnedProgram, ShowsTheGaugeThroughEveryStepWhileTheStartUpTimerIsStillOff) {
    watchGauges();
    StartProgram();
    program.advance(500);
    form1& w = main();
    // The gauge came and went inside the main window's load, before its start-up timer ran.
    EXPECT_TRUE(w.Timer1.getEnabled());
    EXPECT_EQ(captionsOf(gaugeSteps), gaugeCaptions());
    for (const GaugeStep& step : gaugeSteps) {
        EXPECT_TRUE(step.gaugeVisible) << step.caption;
        EXPECT_FALSE(step.startUpTimerEnabled) << step.caption;
    }
    std::vector<runtime::Form*> gauges;
    for (runtime::Form* form : app().Forms())
        if (form->Name() == "FormGauge") gauges.push_back(form);
    // The skin editor's engine, loaded with the language pack, keeps its own hidden gauge; the
    // main window's comes last.
    ASSERT_EQ(gauges.size(), 2u);
    for (runtime::Form* gauge : gauges)
        EXPECT_FALSE(gauge->Visible());
    // Centred on the main window as it stood.
    ASSERT_FALSE(gaugeSteps.empty());
    EXPECT_EQ(gaugeSteps[0].left, w.Left() + w.Width() / 2 - gauges.back()->Width() / 2);
    EXPECT_EQ(gaugeSteps[0].top, w.Top() + w.Height() / 2 - gauges.back()->Height() / 2);

    // Once the window shows, a skin chosen later is applied behind the gauge again.
    program.advance(1000);
    writeSea(fieldsOf());
    gaugeSteps.clear();
    app().form<FormLoading>().TextBoxSkinName.setText("Sea");
    w.Skins->ProcessPictureUploadClick(app().form<FormLoading>(), w);
    EXPECT_EQ(captionsOf(gaugeSteps), gaugeCaptions());
    EXPECT_TRUE(std::all_of(gaugeSteps.begin(), gaugeSteps.end(),
                            [](const GaugeStep& step) { return step.gaugeVisible; }));
}

TEST_F(SkinnedProgram, ASkinAppliedWhileTheStartUpTimerRunsKeepsTheGaugeAndTheCornerStripHidden) {
    StartProgram();
    program.advance(500);
    form1& w = main();
    ASSERT_TRUE(w.Timer1.getEnabled());
    writeSea(fieldsOf());
    watchGauges();
    app().form<FormLoading>().TextBoxSkinName.setText("Sea");
    w.Skins->ProcessPictureUploadClick(app().form<FormLoading>(), w);
    EXPECT_EQ(captionsOf(gaugeSteps), gaugeCaptions());
    EXPECT_TRUE(std::none_of(gaugeSteps.begin(), gaugeSteps.end(),
                             [](const GaugeStep& step) { return step.gaugeVisible; }));
    EXPECT_FALSE(w.PictureBottomLeft.Visible());
    EXPECT_FALSE(w.PictureBottomLeft.Enabled());
    EXPECT_EQ(tagOf("PictureMail"), skinPath("Sea") + "/PictureMail");
    // The start-up timer's tick brings the strip back.
    program.advance(1000);
    EXPECT_TRUE(w.PictureBottomLeft.Visible());
    EXPECT_TRUE(w.PictureBottomLeft.Enabled());
}

TEST(SkinStartUp, ACurrentSkinThatFailsGivesItsMessagesAndTheDefaultSkinWhichBecomesCurrent) {
    struct Case {
        std::string name;
        bool writeDescriptor;
        bool damaged;
        bool keepList;
        bool damagedMessage;
    };
    const Case cases[] = {
        {"MissingDescriptor", false, false, true, false},
        {"TwentyFields", true, true, true, true},
        {"MissingSkinList", true, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Program run;
        run.harness.layAssets(QUILLO_ASSETS_DIR);
        run.harness.writeFile("rn418.ini", "<Sea>\r\n");
        run.harness.writeFile("skinlib.txt", "Quillo\x02Sea\x02\r\n");
        if (c.writeDescriptor) {
            std::vector<std::string> fields = fieldsOf();
            if (c.damaged) fields.pop_back();
            writeSkin(run.harness, "Sea", fields);
        }
        if (!c.keepList) std::filesystem::remove(run.harness.path("skinlib.txt"));
        std::vector<std::string> texts;
        for (int i = 0; i < 3; ++i)
            run.backend().answerModal("FormMessageBox", [&texts](runtime::Form& shown) {
                auto& box = static_cast<FormMessageBox&>(shown);
                texts.push_back(box.Label1.Caption());
                headless::User::click(box.LabelOK);
            });
        form1& w = run.start();

        std::vector<std::string> expected;
        if (c.damagedMessage) expected.push_back(MsgBadThemeFile);
        expected.push_back(MsgSkinLoadFailed);
        EXPECT_EQ(texts, expected);
        EXPECT_FALSE(MsgSkinLoadFailed.empty());
        EXPECT_EQ(run.harness.readFile("rn418.ini"), "<Quillo>\r\n");
        const std::string quillo = run.harness.programFolder() + "/skins/Quillo";
        EXPECT_EQ(w.PictureBack.Tag(), quillo + "/PictureBack");
        EXPECT_FALSE(w.PictureBack.getPicture().empty());
        EXPECT_EQ(w.PictureBottomLeft.Tag(), quillo + "/PictureBottomLeft.tzv");
        EXPECT_EQ(run.harness.readFile("skinlib.txt"),
                  c.keepList ? "Quillo\x02Sea\x02\r\n" : "Quillo\x02\r\n");
        // Start-up goes on to show the window and browse.
        EXPECT_TRUE(w.Visible());
        EXPECT_FALSE(w.Timer1.getEnabled());
        EXPECT_TRUE(run.backend().unansweredModals.empty());
    }
}

TEST_F(SkinnedProgram, WithoutRn418IniTheDefaultSkinLoadsWithoutAMessage) {
    std::filesystem::remove(harness().path("rn418.ini"));
    form1& w = program.start();
    EXPECT_EQ(modalsShown(program), 0u);
    EXPECT_EQ(w.PictureHome.Tag(), skinPath("Quillo") + "/PictureHome");
    // Only a fallback names the current skin.
    EXPECT_FALSE(harness().fileExists("rn418.ini"));
}

TEST_F(SkinnedProgram, TheFallbackNamesTheDefaultSkinInRn418IniOnceAndGivesUpWhenItFailsToo) {
    harness().writeFile("rn418.ini", "<Sea>\r\n");
    std::vector<std::string> damaged = fieldsOf();
    damaged.push_back("extra");
    harness().writeFile("skins/Quillo/Quillo.tz3", descriptor(damaged));
    // By the second message the fallback has written its name; a later write would undo this.
    std::vector<std::string> seenInside;
    answerMessages(3, [this, &seenInside] {
        seenInside.push_back(harness().readFile("rn418.ini"));
        harness().writeFile("rn418.ini", "<Marker>\r\n");
    });
    form1& w = program.start();

    EXPECT_EQ(messages, (std::vector<std::string>{MsgSkinLoadFailed, MsgBadThemeFile}));
    EXPECT_EQ(seenInside, (std::vector<std::string>{"<Sea>\r\n", "<Quillo>\r\n"}));
    EXPECT_EQ(harness().readFile("rn418.ini"), "<Marker>\r\n");
    // Undressed, but started.
    EXPECT_EQ(w.PictureBack.Tag(), "");
    EXPECT_TRUE(w.PictureBack.getPicture().empty());
    EXPECT_TRUE(w.Visible());
    EXPECT_TRUE(w.WebBrowser2.Width() > 0);
}

TEST_F(SkinnedProgram, ChangeToSelectedThemeMakesTheSkinCurrentAndDressesTheMainWindow) {
    form1& w = program.start();
    writeSea(numberedFields());
    FormLoading& manager = app().form<FormLoading>();
    manager.TextBoxSkinName.setText("Sea");
    w.Skins->ProcessPictureUploadClick(manager, w);
    EXPECT_EQ(harness().readFile("rn418.ini"), "<Sea>\r\n");
    EXPECT_EQ(w.PictureHome.Tag(), skinPath("Sea") + "/part16.gif");
    EXPECT_EQ(w.PictureHome.getPicture().widthPx, widthOfField(16));
}

TEST_F(SkinnedProgram, ChangeToSelectedThemeWithoutADescriptorChangesNothing) {
    form1& w = program.start();
    for (const std::string name : {"Gone", "../skins/Quillo", ""}) {
        SCOPED_TRACE(name);
        FormLoading& manager = app().form<FormLoading>();
        manager.TextBoxSkinName.setText(name);
        w.Skins->ProcessPictureUploadClick(manager, w);
        EXPECT_EQ(harness().readFile("rn418.ini"), "<Quillo>\r\n");
        EXPECT_EQ(w.PictureHome.Tag(), skinPath("Quillo") + "/PictureHome");
    }
    EXPECT_EQ(modalsShown(program), 0u);
}
