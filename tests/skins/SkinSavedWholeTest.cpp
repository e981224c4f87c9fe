// A skin saved in the running program holds every picture the main window names, or nothing is
// saved and the user is told.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "mainwindow/Program.h"
#include "runtime/headless/FileFaults.h"
#include "shared/FormMessageBox.h"
#include "shared/ModuleFucns.h"
#include "skins/FormDesignEdit.h"
#include "skins/FormLoading.h"
#include "skins/FormSaveAs.h"
#include "skins/SkinFiles.h"

using namespace quillo;
using quillo::headless::User;
using quillo::runtime::form;
namespace fs = std::filesystem;

namespace {

const std::string kSaveFailed = "Sorry, that skin could not be saved.";

// The program started in the skin Sea, each message box answered by the next word given and its
// text kept.
struct InSea : quillo::testing::Program {
    InSea() {
        harness.layAssets(QUILLO_ASSETS_DIR);
        harness.writeFile("skinlib.txt", "Quillo\x02Sea\x02\r\n");
        harness.writeFile("rn418.ini", "<Sea>\r\n");
        skintest::writeSkin(harness, "Sea", skintest::fieldsOf());
        start();
    }
    void answer(const std::vector<std::string>& words) {
        for (const std::string& word : words)
            backend().answerModal("FormMessageBox", [this, word](runtime::Form& shown) {
                messages.push_back(static_cast<FormMessageBox&>(shown).Label1.Caption());
                User::click(*shown.findControl("Label" + word));
            });
    }
    // Through the save-as window, or with the editor's own save button.
    void save(const std::string& name, const std::vector<std::string>& answers,
              bool inEditor = false) {
        auto& editor = form<FormDesignEdit>();
        (inEditor ? editor.TextBoxSkinName : form<FormSaveAs>().TextBoxSkinName).setText(name);
        answer(answers);
        User::click(inEditor ? editor.Picture1(8) : form<FormSaveAs>().Picture1(0));
    }
    // Chooses the manager's second skin, types the new name if given, and clicks the button.
    void manage(const std::string& skin, int button, const std::string& newName = "") {
        User::clickEntry(form<FormLoading>().ListSkins, 1);
        ASSERT_EQ(form<FormLoading>().ListSkins.Text(), skin);
        if (!newName.empty()) form<FormLoading>().TextBoxSkinName.setText(newName);
        User::click(form<FormLoading>().Picture1(button));
    }
    // The skin folders, each marked unless it holds its descriptor and every file that names.
    std::set<std::string> wholeSkins() {
        std::set<std::string> whole;
        for (const auto& folder : fs::directory_iterator(harness.path("skins"))) {
            const std::string name = folder.path().filename().string();
            const auto fields = ExtractAll("<", ">", "Insensitive", "Exclusive", "Closest",
                                           harness.readFile("skins/" + name + "/" + name + ".tz3"));
            bool complete = fields.size() == 22;
            for (std::size_t field = 3; complete && field < 21; ++field)
                complete = fs::is_regular_file(folder.path() / fields[field]);
            whole.insert(complete ? name : name + " (incomplete)");
        }
        return whole;
    }
    std::vector<std::string> messages;
};

}  // namespace

TEST(SavedWhole, ASaveOverTheSkinInUseThatCannotFinishSaysSoAndWhatComesNextFindsItWhole) {
    struct Case {
        const char* next;
        std::function<void(InSea&)> step;
        std::set<std::string> skinsAfter;
        std::string saidAfter;
    };
    const std::set<std::string> withSky{"Quillo", "Sea", "Sky"};
    const std::string saveSky = "Save your skin as Sky?";
    const Case cases[] = {
        {"save as", [](InSea& p) { p.save("Sky", {"YES"}); }, withSky, saveSky},
        {"editor's save", [](InSea& p) { p.save("Sky", {"YES"}, true); }, withSky, saveSky},
        {"save as after a restart",
         [](InSea& p) {
             p.main().Unload();
             p.start();
             p.save("Sky", {"YES"});
         },
         withSky, saveSky},
        {"load", [](InSea& p) { p.manage("Sea", 0); }, {"Quillo", "Sea"}, ""},
        {"rename, then load",
         [](InSea& p) {
             p.answer({"YES"});
             p.manage("Sea", 4, "Ocean");
             p.manage("Ocean", 0);
         },
         {"Quillo", "Ocean"},
         "Rename Sea to Ocean?"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.next);
        InSea program;
        {
            headless::FileFaults faults;
            // Neither the new folder nor the old one can take the name Sea.
            faults.failRenames(
                [](const std::string&, const std::string& to) { return to.ends_with("/Sea"); });
            program.save("Sea", {"YES", "OK"});
        }
        ASSERT_FALSE(fs::exists(program.harness.path("skins/Sea")));
        c.step(program);
        std::vector<std::string> said{"Save your skin as Sea?", kSaveFailed};
        if (!c.saidAfter.empty()) said.push_back(c.saidAfter);
        EXPECT_EQ(program.messages, said);
        EXPECT_EQ(program.wholeSkins(), c.skinsAfter);
        std::vector<std::string> undressed;
        for (const auto* names : {&skintest::kButtonNames, &skintest::kStripNames})
            for (const std::string& name : *names)
                if (!fs::is_regular_file(program.main().findControl(name)->Tag()))
                    undressed.push_back(name);
        EXPECT_EQ(undressed, std::vector<std::string>{});
    }
}

TEST(SavedWhole, ASaveWhoseDroppedPictureIsGoneWritesNothingSwitchesNothingAndSaysSo) {
    for (bool inEditor : {false, true}) {
        SCOPED_TRACE(inEditor);
        InSea program;
        auto& harness = program.harness;
        harness.writeFile("drops/sun.gif", skintest::gif(12, 7));
        ASSERT_TRUE(User::dropFiles(
            *program.main().findControl(inEditor ? "PictureBottomCenter" : "PictureHome"),
            {harness.path("drops/sun.gif")}));
        fs::remove(harness.path("drops/sun.gif"));
        const std::string sea = harness.readFile("skins/Sea/Sea.tz3");
        const auto seaFiles = std::distance(fs::directory_iterator(harness.path("skins/Sea")), {});

        const std::string name = inEditor ? "Sea" : "Mine";
        program.save(name, {"YES", "OK"}, inEditor);
        EXPECT_EQ(program.messages,
                  (std::vector<std::string>{"Save your skin as " + name + "?", kSaveFailed}));
        EXPECT_EQ(program.wholeSkins(), (std::set<std::string>{"Quillo", "Sea"}));
        EXPECT_EQ(harness.readFile("skins/Sea/Sea.tz3"), sea);
        EXPECT_EQ(std::distance(fs::directory_iterator(harness.path("skins/Sea")), {}), seaFiles);
        EXPECT_EQ(harness.readFile("skinlib.txt") + harness.readFile("rn418.ini"),
                  "Quillo\x02Sea\x02\r\n<Sea>\r\n");
        EXPECT_EQ(skintest::listEntries(form<FormSaveAs>().ListSkins),
                  (std::vector<std::string>{"Quillo", "Sea"}));
    }
}
