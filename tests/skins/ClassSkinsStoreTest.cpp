// The skin store: descriptors, the skin list, the skin windows' lists and import.
#include <string>
#include <vector>

#include <filesystem>
#include <memory>

#include "runtime/Application.h"
#include "runtime/headless/User.h"
#include "skins/SkinFixture.h"

using namespace skintest;
using quillo::headless::User;

namespace {

const std::string kDamaged = "This skin file is damaged.";
const std::string kFailed = "The skin could not be loaded.";

std::vector<std::string> withField(std::vector<std::string> fields, std::size_t at,
                                   const std::string& value) {
    fields[at] = value;
    return fields;
}

}  // namespace

TEST_F(SkinTest, ADescriptorMustHoldExactlyTwentyOneFields) {
    std::vector<std::string> twenty = fieldsOf();
    twenty.pop_back();
    std::vector<std::string> twentyTwo = fieldsOf();
    twentyTwo.push_back("PictureExtra");
    std::string between = descriptor(fieldsOf());
    between.insert(between.find("><") + 1, " stray text ");
    struct Case {
        std::string name;
        std::string text;
        bool loads;
    };
    const Case cases[] = {
        {"Exact", descriptor(fieldsOf()), true},
        {"Twenty", descriptor(twenty), false},
        {"TwentyTwo", descriptor(twentyTwo), false},
        {"Between", between, true},
        {"After", descriptor(fieldsOf()) + "trailing words\r\n\r\n", true},
        {"Unbracketed", "16777215 255 65280\r\n", false},
    };
    int refusals = 0;
    for (const Case& c : cases) {
        harness.writeFile("skins/" + c.name + "/" + c.name + ".tz3", c.text);
        if (!c.loads) {
            answerMessages(1);
            ++refusals;
        }
        EXPECT_EQ(skins->LoadTheme(skinPath(c.name) + "/" + c.name + ".tz3"), c.loads) << c.name;
        EXPECT_EQ(harness.readFile("skinlib.txt").find(c.name) != std::string::npos, c.loads)
            << c.name;
    }
    EXPECT_EQ(messages, std::vector<std::string>(refusals, kDamaged));
    EXPECT_TRUE(harness.backend().unansweredModals.empty());
}

TEST_F(SkinTest, AMissingDescriptorIsRefusedSilentlyAndChangesNothing) {
    writeList("Quillo\x02\r\n");
    manager().TextBoxSkinName.setText("Quillo");
    EXPECT_FALSE(skins->LoadTheme(skinPath("Gone") + "/Gone.tz3"));
    EXPECT_EQ(harness.readFile("skinlib.txt"), "Quillo\x02\r\n");
    EXPECT_EQ(manager().TextBoxSkinName.Text(), "Quillo");
    EXPECT_TRUE(harness.backend().modalsShown.empty());
}

TEST_F(SkinTest, ANewNameJoinsTheListCapitalisedAndAListedOneInAnyCaseDoesNot) {
    struct Case {
        std::string list;
        std::string name;
        std::string expected;
    };
    const Case cases[] = {
        {"Quillo\x02\r\n", "sea", "Quillo\x02Sea\x02\r\n"},
        {"Quillo\x02sea\x02\r\n", "Sea", "Quillo\x02sea\x02\r\n"},
        {"Quillo\x02\r\nSEA\x02\r\n", "sea", "Quillo\x02\r\nSEA\x02\r\n"},
        // Whole entries only: a name that ends another one is not listed by it.
        {"DeepSea\x02\r\n", "Sea", "DeepSea\x02Sea\x02\r\n"},
        {"Seaside\x02\r\n", "sea", "Seaside\x02Sea\x02\r\n"},
        {"Quillo\x02\r\nReef\x02\r\n", "kelp", "Quillo\x02Reef\x02Kelp\x02\r\n"},
        {"", "reef", "Reef\x02\r\n"},
        {"Quillo\x02\x02\r\n", "äpfel", "Quillo\x02\x02äpfel\x02\r\n"},
    };
    for (const Case& c : cases) {
        writeList(c.list);
        writeSkin(c.name, fieldsOf());
        ASSERT_TRUE(skins->LoadTheme(skinPath(c.name) + "/" + c.name + ".tz3")) << c.name;
        EXPECT_EQ(harness.readFile("skinlib.txt"), c.expected) << c.list << " + " << c.name;
    }
    EXPECT_FALSE(harness.fileExists("skinlib.txt.new"));
}

TEST_F(SkinTest, LoadingASkinNamesItInTheSkinWindowsAndRefillsTheirLists) {
    writeList("Quillo\x02\r\n");
    writeSkin("sea", fieldsOf());
    ASSERT_TRUE(skins->LoadTheme(skinPath("sea") + "/sea.tz3"));
    for (TextBox* box :
         {&manager().TextBoxSkinName, &saveAs().TextBoxSkinName, &editor().TextBoxSkinName})
        EXPECT_EQ(box->Text(), "Sea") << box->form().Name();
    const std::vector<std::string> expected{"Quillo", "Sea"};
    EXPECT_EQ(listEntries(manager().ListSkins), expected);
    EXPECT_EQ(listEntries(saveAs().ListSkins), expected);
}

TEST_F(SkinTest, AListedNameKeepsTheSpellingOfItsDescriptor) {
    writeList("Quillo\x02Sea\x02\r\n");
    writeSkin("sea", fieldsOf());
    ASSERT_TRUE(skins->LoadTheme(skinPath("sea") + "/sea.tz3"));
    EXPECT_EQ(manager().TextBoxSkinName.Text(), "sea");
}

TEST_F(SkinTest, TheListsShowEveryEntryCapitalisedWithoutEmptyEntriesOrLineBreaks) {
    writeList("quillo\x02\x02sea\x02\r\nreef\x02\r\n\x02\r\n");
    skins->Init(manager());
    const std::vector<std::string> expected{"Quillo", "Sea", "Reef"};
    EXPECT_EQ(listEntries(manager().ListSkins), expected);
    EXPECT_EQ(listEntries(saveAs().ListSkins), expected);
    // Filled again, not added to.
    skins->Init(manager());
    EXPECT_EQ(listEntries(manager().ListSkins), expected);
    // The save-as window filling its own list gets each name once.
    skins->Init(saveAs());
    EXPECT_EQ(listEntries(saveAs().ListSkins), expected);
}

TEST_F(SkinTest, EachInitMakesANewHiddenGaugeAndClosesThePreviousOne) {
    writeList("Quillo\x02\r\n");
    // Loading the windows gives the editor's own engine its gauge; only this engine's count.
    manager();
    saveAs();
    const std::size_t others = gauges().size();
    harness.backend().windowServices.log.clear();
    skins->Init(manager());
    ASSERT_EQ(gauges().size(), others + 1);
    EXPECT_FALSE(gauges().back()->Visible());
    std::weak_ptr<const void> first = gauges().back()->lifetime();
    skins->Init(saveAs());
    ASSERT_EQ(gauges().size(), others + 1);
    EXPECT_TRUE(first.expired());
    EXPECT_FALSE(gauges().back()->Visible());
    EXPECT_EQ(harness.backend().windowServices.log,
              (std::vector<std::string>{"topmost FormGauge 1", "topmost FormGauge 1"}));
}

TEST_F(SkinTest, AClickInAListCopiesTheEntryIntoThatWindowsNameBoxOnly) {
    writeList("Quillo\x02Sea\x02\r\n");
    skins->Init(manager());
    manager().TextBoxSkinName.setText("Quillo");
    saveAs().TextBoxSkinName.setText("Quillo");
    manager().ListSkins.Click = [this] { skins->ProcessListClick(manager()); };
    User::clickEntry(manager().ListSkins, 1);
    EXPECT_EQ(manager().TextBoxSkinName.Text(), "Sea");
    EXPECT_EQ(saveAs().TextBoxSkinName.Text(), "Quillo");
}

TEST_F(SkinTest, AnImportListsTheSkinAndCopiesItsDescriptorIntoItsFolder) {
    writeList("Quillo\x02\r\n");
    writeSkin("Quillo", fieldsOf());
    harness.writeFile("skins/Reef/PictureBack", gif(4, 4));
    harness.writeFile("elsewhere/Reef.tz3", descriptor(fieldsOf()) + "note");
    harness.writeFile("elsewhere/Kelp.tz3", descriptor(fieldsOf()));
    harness.writeFile("elsewhere/Quillo.tz3", descriptor(withField(fieldsOf(), 0, "0")));
    auto& answers = harness.backend().dialogServices.fileAnswers;
    answers.push_back(harness.path("elsewhere/Reef.tz3"));
    answers.push_back(harness.path("elsewhere/Kelp.tz3"));
    answers.push_back(harness.path("elsewhere/Quillo.tz3"));
    answers.push_back(std::nullopt);
    for (int i = 0; i < 4; ++i)
        skins->ProcessPictureLoad_Click(manager());

    const auto& request = harness.backend().dialogServices.fileRequests.at(0);
    EXPECT_EQ(request.initialDir, harness.programFolder() + "/skins/");
    EXPECT_EQ(request.fileName, "*.tz3");
    EXPECT_EQ(harness.readFile("skins/Reef/Reef.tz3"), descriptor(fieldsOf()) + "note\r\n");
    // No folder, no copy: the name is listed all the same.
    EXPECT_FALSE(harness.fileExists("skins/Kelp"));
    EXPECT_EQ(harness.readFile("skinlib.txt"), "Quillo\x02Reef\x02Kelp\x02\r\n");
    // The default skin's descriptor stays as shipped.
    EXPECT_EQ(harness.readFile("skins/Quillo/Quillo.tz3"), descriptor(fieldsOf()));
    EXPECT_EQ(listEntries(manager().ListSkins),
              (std::vector<std::string>{"Quillo", "Reef", "Kelp"}));
}

TEST_F(SkinTest, ImportingASkinsOwnDescriptorLeavesTheFileAsItWas) {
    writeList("Quillo\x02\r\n");
    writeSkin("Reef", fieldsOf());
    harness.writeFile("skins/Reef/Reef.tz3", descriptor(fieldsOf()) + "\r\n");
    harness.backend().dialogServices.fileAnswers.push_back(skinPath("reef") + "/Reef.tz3");
    skins->ProcessPictureLoad_Click(manager());
    EXPECT_EQ(harness.readFile("skins/Reef/Reef.tz3"), descriptor(fieldsOf()) + "\r\n");
    EXPECT_EQ(harness.readFile("skinlib.txt"), "Quillo\x02Reef\x02\r\n");
}

TEST_F(SkinTest, ADamagedImportIsRefusedWithItsMessageAndNotListed) {
    writeList("Quillo\x02\r\n");
    std::vector<std::string> damaged = fieldsOf();
    damaged.push_back("extra");
    harness.writeFile("elsewhere/Reef.tz3", descriptor(damaged));
    harness.writeFile("skins/Reef/PictureBack", gif(4, 4));
    harness.backend().dialogServices.fileAnswers.push_back(harness.path("elsewhere/Reef.tz3"));
    answerMessages(1);
    skins->ProcessPictureLoad_Click(manager());
    EXPECT_EQ(messages, std::vector<std::string>{kDamaged});
    EXPECT_EQ(harness.readFile("skinlib.txt"), "Quillo\x02\r\n");
    EXPECT_FALSE(harness.fileExists("skins/Reef/Reef.tz3"));
}
