// Taking skins off the list, renaming them, and the skin windows' pressed buttons.
#include <filesystem>
#include <string>
#include <vector>

#include "runtime/headless/FileFaults.h"
#include "shared/ModuleLanguage.h"
#include "shared/mdlPlacementFunctions.h"
#include "skins/SkinFixture.h"

using namespace skintest;
namespace fs = std::filesystem;

namespace {

const std::string kRenameFailed = "The skin could not be renamed.";

class SkinRenaming : public SkinTest {
  protected:
    SkinRenaming() {
        quillo::MsgDefaultSkinRemove = "Quillo stays.";
        quillo::MsgRemoveFailed = "The skin could not be removed.";
        quillo::MsgDefaultSkinRename = "Quillo keeps its name.";
        quillo::MsgConfirmRename1 = "Rename ";
        quillo::MsgConfirmRename2 = " to ";
        quillo::MsgRenameFailed = kRenameFailed;
        for (const std::string name : {"Quillo", "Sea", "DeepSea"})
            writeSkin(name, fieldsOf());
        writeList(
            "Quillo\x02"
            "DeepSea\x02Sea\x02\r\n");
        skins->Init(manager());
    }
    // With `fails`, the failure message that follows the question is answered as well.
    void rename(const std::string& from, const std::string& to, const std::string& answer,
                bool fails = false) {
        manager().ListSkins.setListIndex(-1);
        for (int i = 0; i < manager().ListSkins.ListCount(); ++i)
            if (manager().ListSkins.List(i) == from) manager().ListSkins.setListIndex(i);
        manager().TextBoxSkinName.setText(to);
        if (!answer.empty()) answerWith(answer == "closed" ? "" : answer);
        if (fails) answerMessages(1);
        skins->Rename(manager());
    }
    void remove(const std::string& name) {
        manager().TextBoxSkinName.setText(name);
        skins->ProcessPictureRemove_Click(manager());
    }
};

}  // namespace

TEST_F(SkinRenaming, RemovalTakesOnlyTheWholeEntryOffTheListAndKeepsTheFolder) {
    answerMessages(1);
    remove("qUILLO");
    EXPECT_EQ(messages, std::vector<std::string>{"Quillo stays."});
    remove("sea");
    EXPECT_EQ(harness.readFile("skinlib.txt"),
              "Quillo\x02"
              "DeepSea\x02\r\n");
    EXPECT_EQ(listEntries(manager().ListSkins), (std::vector<std::string>{"Quillo", "DeepSea"}));
    EXPECT_EQ(manager().ListSkins.ListIndex(), 1);
    EXPECT_TRUE(fs::exists(skinPath("Sea") + "/Sea.tz3"));

    // Emptying the list is no failure.
    writeList("Sea\x02\r\n");
    remove("Sea");
    EXPECT_EQ(manager().ListSkins.ListCount(), 0);
    EXPECT_EQ(messages.size(), 1u);

    quillo::headless::FileFaults faults;
    faults.failRenames(
        [](const std::string&, const std::string& to) { return to.ends_with("/skinlib.txt"); });
    answerMessages(1);
    remove("DeepSea");
    EXPECT_EQ(messages.back(), "The skin could not be removed.");
    EXPECT_EQ(harness.readFile("skinlib.txt"), "\r\n");
}

TEST_F(SkinRenaming, ARenameNeedsASelectionTwoOtherNamesThatAreFolderNamesAndAYes) {
    struct Case {
        std::string from, to, answer, message;
    };
    const Case cases[] = {
        {"", "Ocean", "", ""},
        {"Quillo", "Ocean", "", "Quillo keeps its name."},
        {"Sea", " QUILLO ", "", "Quillo keeps its name."},
        {"Sea", "SEA", "", ""},
        {"Sea", "", "", kRenameFailed},
        {"Sea", "..", "", kRenameFailed},
        {"Sea", "../Sea2", "", kRenameFailed},
        {"Sea", "a\\b", "", kRenameFailed},
        {"Sea", "tz3tz3temp", "", kRenameFailed},
        // The title of "Sea.old.tz3" is "Sea": such a skin would be dressed from another one.
        {"Sea", "Sea.old", "", kRenameFailed},
        {"Sea", ".Sea", "", kRenameFailed},
        {"Sea", "Ocean", "NO", "Rename Sea to Ocean?"},
        {"Sea", "Ocean", "closed", "Rename Sea to Ocean?"},
    };
    for (const Case& c : cases) {
        messages.clear();
        if (c.answer.empty() && !c.message.empty()) answerMessages(1);
        rename(c.from, c.to, c.answer);
        EXPECT_EQ(messages, c.message.empty() ? std::vector<std::string>{}
                                              : std::vector<std::string>{c.message})
            << c.from << " to " << c.to;
        EXPECT_EQ(harness.readFile("skinlib.txt"),
                  "Quillo\x02"
                  "DeepSea\x02Sea\x02\r\n");
        EXPECT_TRUE(fs::exists(skinPath("Sea") + "/Sea.tz3"));
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(skinPath("")), fs::directory_iterator()), 3);
}

TEST_F(SkinRenaming, ARenameMovesTheFolderAndDescriptorAndRenamesTheEntryInPlace) {
    rename("Sea", " Ocean ", "YES");
    EXPECT_EQ(manager().TextBoxSkinName.Text(), "Ocean");
    EXPECT_FALSE(fs::exists(skinPath("Sea")));
    EXPECT_EQ(harness.readFile("skins/Ocean/Ocean.tz3"), descriptor(fieldsOf()));
    EXPECT_TRUE(fs::exists(skinPath("Ocean") + "/PictureMail"));
    EXPECT_EQ(harness.readFile("skinlib.txt"),
              "Quillo\x02"
              "DeepSea\x02Ocean\x02\r\n");
    EXPECT_EQ(listEntries(manager().ListSkins),
              (std::vector<std::string>{"Quillo", "DeepSea", "Ocean"}));

    // Onto another listed skin: its folder goes first and the list keeps one entry of it.
    rename("Ocean", "deepsea", "YES");
    EXPECT_EQ(harness.readFile("skins/deepsea/deepsea.tz3"), descriptor(fieldsOf()));
    EXPECT_FALSE(fs::exists(skinPath("Ocean")));
    EXPECT_EQ(harness.readFile("skinlib.txt"),
              "Quillo\x02"
              "DeepSea\x02\r\n");
}

TEST_F(SkinRenaming, AFailedRenameSaysSoAndLosesNoSkinThatWasNotBeingMoved) {
    // A read-only file keeps the target's folder whole, and nothing moves.
    harness.writeFile("skins/DeepSea/locked.gif", "keep");
    fs::permissions(skinPath("DeepSea") + "/locked.gif", fs::perms::owner_read);
    rename("Sea", "DeepSea", "YES", true);
    EXPECT_EQ(messages.back(), kRenameFailed);
    EXPECT_TRUE(fs::exists(skinPath("DeepSea") + "/DeepSea.tz3"));
    EXPECT_TRUE(fs::exists(skinPath("Sea") + "/Sea.tz3"));

    // A listed skin without a folder leaves the other skin's folder alone.
    fs::remove_all(skinPath("Sea"));
    fs::permissions(skinPath("DeepSea") + "/locked.gif", fs::perms::owner_all);
    rename("Sea", "DeepSea", "YES", true);
    EXPECT_EQ(messages.back(), kRenameFailed);
    EXPECT_TRUE(fs::exists(skinPath("DeepSea") + "/locked.gif"));

    // Without its descriptor the folder has moved but the list is as it was.
    fs::remove(skinPath("DeepSea") + "/DeepSea.tz3");
    rename("DeepSea", "Ocean", "YES", true);
    EXPECT_EQ(messages.back(), kRenameFailed);
    EXPECT_TRUE(fs::exists(skinPath("Ocean") + "/locked.gif"));
    EXPECT_EQ(harness.readFile("skinlib.txt"),
              "Quillo\x02"
              "DeepSea\x02Sea\x02\r\n");
    EXPECT_EQ(messages.size(), 6u);
}

TEST_F(SkinRenaming, APressedButtonShowsItsPictureTwoPixelsInAndGetsItBackOnRelease) {
    PictureBox& save = saveAs().Picture1(0);
    PictureBox& cancel = saveAs().Picture1(1);
    const Picture look = *LoadPicture(skinPath("Sea") + "/PictureIcon");
    save.setPicture(look);
    cancel.setPicture(look);
    save.setTag(skinPath("Sea") + "/PictureIcon");
    const double two = quillo::PixelsToTwips(2);
    const DrawOp pressed{look, two, two, save.Width() - 2 * two, save.Height() - 2 * two};
    const DrawOp released{look, 0, 0, save.Width(), save.Height()};

    skins->UnindentButton(save);
    EXPECT_TRUE(save.drawList().ops().empty());
    for (int press = 0; press < 2; ++press) {
        skins->IndentButton(save);
        skins->IndentButton(save);
        EXPECT_TRUE(save.getPicture().empty());
        EXPECT_EQ(save.drawList().ops(), std::vector<DrawOp>{pressed});
        skins->UnindentButton(save);
        EXPECT_EQ(save.getPicture(), look);
        EXPECT_EQ(save.drawList().ops(), std::vector<DrawOp>{released});
    }
    EXPECT_EQ(save.Tag(), skinPath("Sea") + "/PictureIcon");

    // A press whose release was missed is undone by the next press elsewhere.
    skins->IndentButton(save);
    skins->IndentButton(cancel);
    EXPECT_EQ(save.getPicture(), look);
    skins->UnindentButton(cancel);
    EXPECT_EQ(cancel.getPicture(), look);
}
