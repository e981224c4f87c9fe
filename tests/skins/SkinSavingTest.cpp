// Saving the main window's looks as a skin.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "runtime/headless/FileFaults.h"
#include "runtime/headless/FullDisk.h"
#include "shared/ModuleLanguage.h"
#include "skins/SkinFixture.h"

using namespace skintest;
namespace fs = std::filesystem;

namespace {

class SkinSaving : public SkinTest {
  protected:
    SkinSaving() {
        quillo::MsgNoSkinName = "Type a name.";
        quillo::MsgDefaultSkinSave = "Quillo cannot be saved over.";
        quillo::MsgConfirmSave = "Save the skin ";
        quillo::MsgSaveFailed = "The skin could not be saved.";
        writeList("Quillo\x02\r\n");
        fs::create_directories(skinPath("Quillo"));
    }
    // Gives every skinned control of the main window a source file of its own bytes.
    void dressFromSources(const std::string& clipSource = "clip.avi") {
        for (const std::string& name : kButtonNames)
            tagWithSource(name, name + ".gif");
        tagWithSource("PictureBottomLeft", clipSource);
        tagWithSource("PictureBottomCenter", "centre.bmp");
        tagWithSource("PictureBottomRight", "right.bmp");
    }
    void tagWithSource(const std::string& control, const std::string& file) {
        harness.writeFile("sources/" + file, "bytes of " + file);
        main().findControl(control)->setTag(harness.path("sources/" + file));
    }
    // With `fails`, the failure message that follows the question is answered as well.
    void save(const std::string& name, const std::string& answer = "YES", bool fails = false) {
        saveAs().TextBoxSkinName.setText(name);
        answerWith(answer);
        if (fails) answerMessages(1);
        skins->ProcessPictureSaveClick(saveAs(), main());
    }
};

}  // namespace

TEST_F(SkinSaving, NamesThatCannotBeSavedStopBeforeTheQuestion) {
    struct Case {
        std::string typed, boxAfter, message;
    };
    const Case cases[] = {
        {"", "", "Type a name."},
        {"   ", "", "Type a name."},
        {" qUILLO ", "qUILLO", "Quillo cannot be saved over."},
        {" sea.blue", "sea.blue", ""},
        {"../../etc", "../../etc", ""},
        {"deep/sea", "deep/sea", ""},
        {"deep\\sea", "deep\\sea", ""},
        {"Sea\x02Sky", "Sea\x02Sky", ""},
        {"Tz3Tz3Temp", "Tz3Tz3Temp", ""},
    };
    dressFromSources();
    for (const Case& c : cases) {
        messages.clear();
        saveAs().TextBoxSkinName.setText(c.typed);
        if (!c.message.empty()) answerMessages(1);
        skins->ProcessPictureSaveClick(saveAs(), main());
        EXPECT_EQ(saveAs().TextBoxSkinName.Text(), c.boxAfter) << c.typed;
        EXPECT_EQ(messages, c.message.empty() ? std::vector<std::string>{}
                                              : std::vector<std::string>{c.message})
            << c.typed;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(skinPath("")), fs::directory_iterator()), 1);
    EXPECT_EQ(harness.readFile("skinlib.txt"), "Quillo\x02\r\n");
    EXPECT_FALSE(fs::exists(harness.path("rn418.ini")));
    EXPECT_FALSE(fs::exists(harness.path("etc")));
}

TEST_F(SkinSaving, OnlyAYesSavesAndNoOrClosingTheQuestionSavesNothing) {
    dressFromSources();
    for (const std::string answer : {"NO", "", "YES"}) {
        messages.clear();
        save(" Sea ", answer);
        EXPECT_EQ(messages, std::vector<std::string>{"Save the skin Sea?"});
        EXPECT_EQ(fs::exists(skinPath("Sea") + "/Sea.tz3"), answer == "YES") << answer;
    }
}

TEST_F(SkinSaving, ASaveCopiesEveryTaggedFileWritesTheDescriptorAndMakesItTheCurrentSkin) {
    dressFromSources();
    main().setBackColor(0x8000000F);
    main().LabelStatusBarMain.setForeColor(255);
    main().LabelStatusBarMini.setForeColor(0xFF0000);
    save("sea");

    std::string expected = "<-2147483633><255><16711680>";
    for (const std::string& name : kButtonNames)
        expected += "<" + name + ">";
    expected += "<PictureBottomLeft.avi><PictureBottomCenter><PictureBottomRight>\r\n";
    EXPECT_EQ(harness.readFile("skins/sea/sea.tz3"), expected);
    for (const std::string& name : kButtonNames)
        EXPECT_EQ(harness.readFile("skins/sea/" + name), "bytes of " + name + ".gif");
    EXPECT_EQ(harness.readFile("skins/sea/PictureBottomLeft.avi"), "bytes of clip.avi");
    EXPECT_EQ(harness.readFile("skins/sea/PictureBottomCenter"), "bytes of centre.bmp");
    EXPECT_EQ(harness.readFile("skins/sea/PictureBottomRight"), "bytes of right.bmp");
    EXPECT_FALSE(fs::exists(skinPath("tz3tz3temp")));
    EXPECT_EQ(harness.readFile("rn418.ini"), "<sea>\r\n");
    EXPECT_EQ(manager().TextBoxSkinName.Text(), "Sea");
    EXPECT_EQ(listEntries(saveAs().ListSkins), (std::vector<std::string>{"Quillo", "Sea"}));
    // The main window is not dressed anew: its Tags keep naming the sources.
    EXPECT_EQ(main().PictureBottomCenter.Tag(), harness.path("sources/centre.bmp"));

    save("Sea");
    EXPECT_EQ(harness.readFile("skinlib.txt"), "Quillo\x02Sea\x02\r\n");
}

TEST_F(SkinSaving, TheBottomLeftFileKeepsTheLastFourCharactersOfItsSourceInsideTheFolder) {
    struct Case {
        std::string source, field;
    };
    const Case cases[] = {{"clip.AVI", "PictureBottomLeft.AVI"},
                          {"photo.jpeg", "PictureBottomLeftjpeg"},
                          {"a.b", "PictureBottomLefta.b"},
                          {"x/ab", "PictureBottomLeftab"},
                          {"pic<>", "PictureBottomLeftic"}};
    for (const Case& c : cases) {
        dressFromSources(c.source);
        save("Sea");
        EXPECT_NE(harness.readFile("skins/Sea/Sea.tz3").find("<" + c.field + ">"),
                  std::string::npos)
            << c.source;
        EXPECT_EQ(harness.readFile("skins/Sea/" + c.field), "bytes of " + c.source) << c.source;
    }
}

TEST_F(SkinSaving, SavingTheSkinInUseOverItselfKeepsItsPicturesAndDropsWhatItNoLongerHas) {
    writeSkin("Sea", fieldsOf());
    ASSERT_TRUE(skins->LoadTheme(skinPath("Sea") + "/Sea.tz3"));
    skins->UploadPicturesToBrowser(main());
    harness.writeFile("skins/Sea/notes.txt", "old");
    harness.writeFile("skins/tz3tz3temp/stray.gif", "from a failed save");
    main().findControl("PictureMail")->setTag("");
    const std::string before = harness.readFile("skins/Sea/PictureIcon");
    save("Sea");

    EXPECT_EQ(harness.readFile("skins/Sea/PictureIcon"), before);
    EXPECT_NE(harness.readFile("skins/Sea/Sea.tz3").find("<PictureMail>"), std::string::npos);
    for (const std::string file : {"notes.txt", "stray.gif", "PictureMail"})
        EXPECT_FALSE(fs::exists(skinPath("Sea") + "/" + file)) << file;
}

TEST_F(SkinSaving, WithoutASkinsFolderNothingIsSaved) {
    fs::remove_all(skinPath(""));
    dressFromSources();
    save("Sea");
    EXPECT_FALSE(fs::exists(skinPath("")));
    EXPECT_EQ(harness.readFile("skinlib.txt"), "Quillo\x02\r\n");
    EXPECT_FALSE(fs::exists(harness.path("rn418.ini")));
}

TEST_F(SkinSaving, ASaveThatCannotBeWrittenWholeKeepsTheOldSkinAndWritesNothingElse) {
    // A full disk takes the pictures already, or only the descriptor after them.
    for (std::uint64_t room : {0, 100}) {
        writeSkin("Sea", fieldsOf());
        ASSERT_TRUE(skins->LoadTheme(skinPath("Sea") + "/Sea.tz3"));
        skins->UploadPicturesToBrowser(main());
        harness.writeFile("rn418.ini", "<Quillo>\r\n");
        const std::string list = harness.readFile("skinlib.txt");
        const std::string descriptor = harness.readFile("skins/Sea/Sea.tz3");
        main().setBackColor(0x123456);
        messages.clear();
        {
            quillo::headless::FullDisk full(room);
            save("Sea", "YES", true);
        }
        EXPECT_EQ(messages,
                  (std::vector<std::string>{"Save the skin Sea?", "The skin could not be saved."}));
        EXPECT_EQ(harness.readFile("skins/Sea/Sea.tz3"), descriptor) << room;
        EXPECT_EQ(harness.readFile("skins/Sea/PictureIcon"), gif(13, 7)) << room;
        EXPECT_EQ(harness.readFile("skinlib.txt") + harness.readFile("rn418.ini"),
                  list + "<Quillo>\r\n");
        EXPECT_EQ(std::distance(fs::directory_iterator(skinPath("")), {}), 2) << room;
    }
}

TEST_F(SkinSaving, ASkinLeftAsideBySaveThatCouldNotFinishOutlivesTheNextSaveAndIsBackAtStartUp) {
    // The next save either cannot put it back either, or puts it back.
    for (const bool stillFailing : {true, false}) {
        writeSkin("Sea", fieldsOf());
        const std::string descriptor = harness.readFile("skins/Sea/Sea.tz3");
        dressFromSources();
        {
            quillo::headless::FileFaults faults;
            // Neither the new skin nor the old one can take the name again.
            faults.failRenames(
                [](const std::string&, const std::string& to) { return to.ends_with("/Sea"); });
            save("Sea");
            EXPECT_FALSE(fs::exists(skinPath("Sea")));
            if (stillFailing) save("Sky");
        }
        if (!stillFailing) save("Sky");
        EXPECT_EQ(fs::exists(skinPath("Sea")), !stillFailing);
        skins->CallFromBrowserInit(main(), skinPath("Sea") + "/Sea.tz3");
        EXPECT_EQ(harness.readFile("skins/Sea/Sea.tz3"), descriptor);
        EXPECT_TRUE(fs::exists(skinPath("Sky") + "/Sky.tz3"));
        EXPECT_EQ(std::distance(fs::directory_iterator(skinPath("")), {}), 3) << stillFailing;
        fs::remove_all(skinPath("Sky"));
    }
}
