// A skin saved in the running program holds every picture the main window names, or nothing is
// saved and the user is told.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "mainwindow/Program.h"
#include "runtime/headless/FileFaults.h"
#include "shared/FormMessageBox.h"
#include "shared/ModuleFucns.h"
#include "shared/ModuleLanguage.h"
#include "skins/FormDesignEdit.h"
#include "skins/FormLoading.h"
#include "skins/FormSaveAs.h"
#include "skins/SkinFiles.h"

using namespace skintest;
using namespace quillo;
using quillo::headless::User;
using quillo::runtime::form;
namespace fs = std::filesystem;

namespace {

// The program, started in the skin Sea, with each message box answered by the next word given
// and its text kept.
class SavedWhole : public ::testing::Test {
  protected:
    void startInSea() {
        run_.reset();
        run_ = std::make_unique<quillo::testing::Program>();
        harness().layAssets(QUILLO_ASSETS_DIR);
        harness().writeFile("skinlib.txt", "Quillo\x02Sea\x02\r\n");
        harness().writeFile("rn418.ini", "<Sea>\r\n");
        writeSkin(harness(), "Sea", fieldsOf());
        messages.clear();
        run_->start();
    }
    void restart() {
        run_->main().Unload();
        run_->start();
    }
    headless::Harness& harness() { return run_->harness; }
    form1& main() { return run_->main(); }
    std::string skins() { return harness().path("skins/"); }

    void answer(const std::vector<std::string>& words) {
        for (const std::string& word : words)
            run_->backend().answerModal("FormMessageBox", [this, word](runtime::Form& shown) {
                messages.push_back(static_cast<FormMessageBox&>(shown).Label1.Caption());
                User::click(*shown.findControl("Label" + word));
            });
    }
    void saveAs(const std::string& name, const std::vector<std::string>& answers) {
        form<FormSaveAs>().TextBoxSkinName.setText(name);
        answer(answers);
        User::click(form<FormSaveAs>().Picture1(0));
    }
    void saveInEditor(const std::string& name, const std::vector<std::string>& answers) {
        form<FormDesignEdit>().TextBoxSkinName.setText(name);
        answer(answers);
        User::click(form<FormDesignEdit>().Picture1(8));
    }
    void chooseInManager(const std::string& name) {
        const auto names = listEntries(form<FormLoading>().ListSkins);
        const auto found = std::find(names.begin(), names.end(), name);
        ASSERT_NE(found, names.end()) << name;
        User::clickEntry(form<FormLoading>().ListSkins, static_cast<int>(found - names.begin()));
    }
    void loadInManager(const std::string& name) {
        chooseInManager(name);
        User::click(form<FormLoading>().Picture1(0));
    }

    // The skin folders, each holding its descriptor and every file that names.
    std::set<std::string> wholeSkins() {
        std::set<std::string> whole;
        for (const auto& entry : fs::directory_iterator(skins())) {
            const std::string name = entry.path().filename().string();
            const std::string folder = skins() + name + "/";
            const auto fields =
                ExtractAll("<", ">", "Insensitive", "Exclusive", "Closest",
                           harness().readFile("skins/" + name + "/" + name + ".tz3"));
            bool complete = fields.size() == 22;
            for (std::size_t field = 3; complete && field < 21; ++field)
                complete = fs::is_regular_file(folder + fields[field]);
            whole.insert(complete ? name : name + " (incomplete)");
        }
        return whole;
    }
    // The main window's buttons and strips whose Tags name no file.
    std::vector<std::string> undressed() {
        std::vector<std::string> bare;
        for (const auto* names : {&kButtonNames, &kStripNames})
            for (const std::string& name : *names)
                if (!fs::is_regular_file(main().findControl(name)->Tag())) bare.push_back(name);
        return bare;
    }

    std::unique_ptr<quillo::testing::Program> run_;
    std::vector<std::string> messages;
};

const std::string kSaveSea = "Save your skin as Sea?";
const std::string kSaveSky = "Save your skin as Sky?";

}  // namespace

TEST_F(SavedWhole, ASaveOverTheSkinInUseThatCannotFinishSaysSoAndWhatComesNextFindsItWhole) {
    struct Case {
        std::string next;
        std::function<void()> step;
        std::set<std::string> skinsAfter;
        std::vector<std::string> messagesAfter;
    };
    const Case cases[] = {
        {"save as", [&] { saveAs("Sky", {"YES"}); }, {"Quillo", "Sea", "Sky"}, {kSaveSky}},
        {"editor's save",
         [&] { saveInEditor("Sky", {"YES"}); },
         {"Quillo", "Sea", "Sky"},
         {kSaveSky}},
        {"save as after a restart",
         [&] {
             restart();
             saveAs("Sky", {"YES"});
         },
         {"Quillo", "Sea", "Sky"},
         {kSaveSky}},
        {"load", [&] { loadInManager("Sea"); }, {"Quillo", "Sea"}, {}},
        {"rename, then load",
         [&] {
             chooseInManager("Sea");
             form<FormLoading>().TextBoxSkinName.setText("Ocean");
             answer({"YES"});
             User::click(form<FormLoading>().Picture1(4));
             loadInManager("Ocean");
         },
         {"Quillo", "Ocean"},
         {"Rename Sea to Ocean?"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.next);
        startInSea();
        {
            headless::FileFaults faults;
            // Neither the new folder nor the old one can take the name Sea.
            faults.failRenames(
                [](const std::string&, const std::string& to) { return to.ends_with("/Sea"); });
            saveAs("Sea", {"YES", "OK"});
        }
        ASSERT_FALSE(fs::exists(skins() + "Sea"));
        c.step();

        std::vector<std::string> said{kSaveSea, MsgSaveFailed};
        said.insert(said.end(), c.messagesAfter.begin(), c.messagesAfter.end());
        EXPECT_EQ(messages, said);
        EXPECT_EQ(wholeSkins(), c.skinsAfter);
        EXPECT_EQ(undressed(), std::vector<std::string>{});
    }
    EXPECT_EQ(MsgSaveFailed, "Sorry, that skin could not be saved.");
}

TEST_F(SavedWhole, ASaveWhoseDroppedPictureIsGoneWritesNothingSwitchesNothingAndSaysSo) {
    struct Case {
        std::string target;
        bool inEditor;
        std::string name;
    };
    const Case cases[] = {{"PictureHome", false, "Mine"}, {"PictureBottomCenter", true, "Sea"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        startInSea();
        const std::string dropped = harness().path("drops/sun.gif");
        harness().writeFile("drops/sun.gif", gif(12, 7));
        ASSERT_TRUE(User::dropFiles(*main().findControl(c.target), {dropped}));
        fs::remove(dropped);
        const std::string sea = harness().readFile("skins/Sea/Sea.tz3");
        const auto seaFiles = std::distance(fs::directory_iterator(skins() + "Sea"), {});

        if (c.inEditor)
            saveInEditor(c.name, {"YES", "OK"});
        else
            saveAs(c.name, {"YES", "OK"});
        EXPECT_EQ(messages,
                  (std::vector<std::string>{"Save your skin as " + c.name + "?", MsgSaveFailed}));
        EXPECT_EQ(wholeSkins(), (std::set<std::string>{"Quillo", "Sea"}));
        EXPECT_EQ(harness().readFile("skins/Sea/Sea.tz3"), sea);
        EXPECT_EQ(std::distance(fs::directory_iterator(skins() + "Sea"), {}), seaFiles);
        EXPECT_EQ(harness().readFile("skinlib.txt") + harness().readFile("rn418.ini"),
                  "Quillo\x02Sea\x02\r\n<Sea>\r\n");
        EXPECT_EQ(listEntries(form<FormSaveAs>().ListSkins),
                  (std::vector<std::string>{"Quillo", "Sea"}));
    }
}
