#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "designs/DesignList.h"
#include "designs/frmLoadDesign.h"
#include "designs/frmMBrowser.h"
#include "designs/frmSaveDesign.h"
#include "mainwindow/form1.h"
#include "runtime/headless/FileFaults.h"
#include "runtime/headless/Harness.h"
#include "runtime/headless/User.h"
#include "shared/ModuleLanguage.h"
#include "skins/SkinFiles.h"

using namespace quillo;
using quillo::headless::User;
using runtime::MsgBoxResult;

namespace {

const std::string kAddress = "http://www.design.test/kids/a.htm";
const std::string kList = "DesignData.inf";
constexpr MsgBoxResult kYes = MsgBoxResult::Yes;
constexpr MsgBoxResult kNo = MsgBoxResult::No;

struct Program {
    headless::Harness harness;
    Program(const std::string& list = "") {
        harness.layAssets(QUILLO_ASSETS_DIR);
        LangName = "English";
        if (!list.empty()) harness.writeFile(kList, list);
    }
    ~Program() { LangName.clear(); }
    std::vector<std::string> messages() {
        std::vector<std::string> texts;
        for (const auto& shown : harness.backend().dialogServices.messages)
            texts.push_back(shown.text);
        return texts;
    }
    std::string list() { return harness.fileExists(kList) ? harness.readFile(kList) : ""; }
    // The rewritten list cannot take the list's name.
    void blockWriting() {
        faults.failRenames(
            [](const std::string&, const std::string& to) { return to.ends_with("/" + kList); });
    }
    headless::FileFaults faults;
    template <class T>
    bool isOpen() {
        return runtime::app().loadedForm<T>() != nullptr;
    }
    std::vector<frmMBrowser*> designWindows() {
        std::vector<frmMBrowser*> found;
        for (runtime::Form* form : runtime::app().Forms())
            if (auto* window = dynamic_cast<frmMBrowser*>(form)) found.push_back(window);
        return found;
    }
    frmSaveDesign& saveDialog(const std::string& address, std::vector<MsgBoxResult> answers) {
        for (MsgBoxResult answer : answers)
            harness.backend().dialogServices.messageAnswers.push_back(answer);
        frmSaveDesign& dialog = runtime::form<frmSaveDesign>();
        dialog.setTag(address);
        return dialog;
    }
    // Keeps a design without pictures for kAddress, every element at 1, 2, 3, 4 pixels.
    void cacheDesign() {
        std::string text;
        for (std::string code : {"FRM", "BCK", "FWD", "HME", "RFH", "STP", "TUL", "SBR", "BSW"})
            text += "<! " + code +
                    "\x02"
                    "1\x02"
                    "2\x02"
                    "3\x02"
                    "4" +
                    (code == "FRM" ? "\x02-1" : "") + " >\r\n";
        const std::string folder = harness.windowsDir() + "/RN4KMorphingCache/www.design.test";
        std::filesystem::create_directories(folder);
        std::ofstream(folder + "/a.htmScriptIndex.dat", std::ios::binary) << text;
    }
};

}  // namespace

TEST(SaveDesign, SavesTheCleanedNameByButtonOrEnterReplacingAnEqualOneAfterTheQuestion) {
    struct Case {
        std::string before, typed, address;
        std::vector<MsgBoxResult> answers;
        std::string after, shown;
        bool asked, stays, enter = false;
    };
    const std::string x = "x~1\r\n";
    for (const Case& c : std::vector<Case>{
             {"", "  my ~Tree~  ", "h:/", {}, "my Tree~h:/\r\n", "my Tree", false, false},
             {"x~1", "b", "h:/", {}, "x~1\r\nb~h:/\r\n", "b", false, false},
             {x + "b~2\r\n", "x", "h:/", {kYes}, "b~2\r\nx~h:/\r\n", "x", true, false},
             {x + "b~2\r\n", "x", "h:/", {kNo}, x + "b~2\r\n", "x", true, false},
             {"X~1\r\n", "x", "h:/", {}, "X~1\r\nx~h:/\r\n", "x", false, false},
             {"", " ~~ ", "h:/", {}, "~h:/\r\n", "", false, false},
             {"", "t", "h:/~me/", {}, "t~h:/~me/\r\n", "t", false, false},
             {x, "b", "", {}, x, "b", false, false},
             {x, "", "h:/", {}, x, "", false, true},
             {"", "kite", "h:/", {}, "kite~h:/\r\n", "kite", false, false, true},
             {"", "~~", "h:/", {}, "~h:/\r\n", "", false, false, true},
             {"", "   ", "h:/", {}, "", "   ", false, true, true},
         }) {
        Program program(c.before);
        frmSaveDesign& dialog = program.saveDialog(c.address, c.answers);
        EXPECT_FALSE(dialog.getPicture().empty());
        dialog.Text1.setText(c.typed);
        c.enter ? User::pressKey(dialog.Text1, 13) : User::click(dialog.cmdSave);
        const std::string question = "The name [x] already exists. Do you wish to overwrite it?";
        EXPECT_EQ(program.list(), c.after) << c.typed;
        EXPECT_EQ(program.messages(), std::vector<std::string>(c.asked, question)) << c.typed;
        EXPECT_EQ(program.isOpen<frmSaveDesign>(), c.stays) << c.typed;
        // A dialog that closed is gone; only one that stays can show its text.
        if (c.stays) {
            EXPECT_EQ(dialog.Text1.Text(), c.shown) << c.typed;
        }
    }
}

TEST(SavedDesigns, AListThatCannotBeRewrittenIsKeptAndTheDialogClosesWithAStopMessage) {
    {
        Program program("x~1\r\n");
        program.blockWriting();
        frmSaveDesign& dialog = program.saveDialog("h:/", {kYes});
        dialog.Text1.setText("x");
        User::click(dialog.cmdSave);
        EXPECT_EQ(program.messages().back(), "Fatal Error!! File access denied!");
        EXPECT_EQ(program.list(), "x~1\r\n");
        EXPECT_FALSE(program.isOpen<frmSaveDesign>());
    }
    Program program("x~1\r\n");
    frmLoadDesign& dialog = runtime::form<frmLoadDesign>();
    program.blockWriting();
    User::clickEntry(dialog.lstView, 0);
    User::click(dialog.cmdDelete);
    EXPECT_EQ(program.messages(), std::vector<std::string>{"Error updating design file!"});
    EXPECT_EQ(program.harness.backend().dialogServices.messages[0].icon,
              runtime::MsgBoxIcon::Critical);
    EXPECT_EQ(program.list(), "x~1\r\n");
    EXPECT_FALSE(program.isOpen<frmLoadDesign>());
}

TEST(LoadDesign, ListsTheNamesInFileOrderAndRemovesEveryLineOfTheChosenOneStayingOpen) {
    struct Case {
        std::string before;
        int chosen;
        std::string after;
        std::vector<std::string> shown;
    };
    for (const Case& c : std::vector<Case>{
             {"a~1\r\nb~2\r\nc~3\r\n", 0, "b~2\r\nc~3\r\n", {"b", "c"}},
             {"a~1\r\n\r\nb~2", 1, "a~1\r\n", {"a"}},
             {"a~1\r\nb~2\r\na~3\r\n", 0, "b~2\r\n", {"b"}},
             {"a~1\r\n", -1, "a~1\r\n", {"a"}},
         }) {
        Program program(c.before);
        frmLoadDesign& dialog = runtime::form<frmLoadDesign>();
        EXPECT_FALSE(dialog.getPicture().empty());
        if (c.chosen >= 0) User::clickEntry(dialog.lstView, c.chosen);
        User::click(dialog.cmdDelete);
        User::click(dialog.cmdLoad);
        EXPECT_EQ(program.list(), c.after) << c.before;
        EXPECT_EQ(skintest::listEntries(dialog.lstView), c.shown) << c.before;
        EXPECT_TRUE(program.isOpen<frmLoadDesign>() && program.designWindows().empty());
    }
}

TEST(LoadDesign, ARemovalTakesTheEntryFromTheListAsItStandsThenAndShowsThatList) {
    struct Case {
        std::string meanwhile;  // the list another copy of the program wrote; empty: a save here
        std::string after;
        std::vector<std::string> shown;
    };
    for (const Case& c : std::vector<Case>{
             {"", "b~2\r\nkite~" + kAddress + "\r\n", {"b", "kite"}},
             {"a~1\r\nb~2\r\nc~3\r\n", "b~2\r\nc~3\r\n", {"b", "c"}},
             {"c~3\r\nb~2\r\n", "c~3\r\nb~2\r\n", {"c", "b"}},  // a went already
         }) {
        Program program("a~1\r\nb~2\r\n");
        frmLoadDesign& dialog = runtime::form<frmLoadDesign>();
        // The dialog stays open meanwhile.
        c.meanwhile.empty() ? User::type(program.saveDialog(kAddress, {}).Text1, "kite\r")
                            : program.harness.writeFile(kList, c.meanwhile);
        User::clickEntry(dialog.lstView, 0);
        ASSERT_EQ(dialog.lstView.Text(), "a");
        User::click(dialog.cmdDelete);
        EXPECT_EQ(program.list(), c.after) << c.meanwhile;
        EXPECT_EQ(skintest::listEntries(dialog.lstView), c.shown) << c.meanwhile;
        EXPECT_TRUE(program.isOpen<frmLoadDesign>() && program.messages().empty());
    }
}

TEST(LoadDesign, OpensTheFirstEntryOfTheNameFromTheCacheCentredOnTheMainWindow) {
    const std::string kite = "kite~" + kAddress + "\r\n";
    struct Case {
        std::string list;
        bool cached, opens;
    };
    for (const Case& c : std::vector<Case>{
             {"x~http://other.test/\r\n" + kite, true, true},
             {kite + "kite~http://other.test/\r\n", true, true},
             {kite, false, false},
             {"kite~ftp://www.design.test/kids/a.htm\r\n", true, false},
         }) {
        Program program(c.list);
        form1& main = runtime::form<form1>();
        main.setLeft(1000);
        main.setTop(2000);
        main.setWidth(9000);
        main.setHeight(6000);
        if (c.cached) program.cacheDesign();
        frmLoadDesign& dialog = runtime::form<frmLoadDesign>();
        User::doubleClickEntry(dialog.lstView, c.list.rfind("x~", 0) == 0 ? 1 : 0);
        EXPECT_FALSE(program.isOpen<frmLoadDesign>()) << c.list;
        EXPECT_EQ(program.list(), c.list);
        std::vector<frmMBrowser*> windows = program.designWindows();
        ASSERT_EQ(windows.size(), c.opens ? 1u : 0u) << c.list;
        if (!c.opens) continue;
        EXPECT_EQ(windows[0]->Tag(), kAddress);
        EXPECT_EQ(windows[0]->Outcome, frmMBrowser::DesignOutcome::Valid);
        EXPECT_DOUBLE_EQ(windows[0]->Left(), 1000 + 4500 - windows[0]->Width() / 2);
        EXPECT_DOUBLE_EQ(windows[0]->Top(), 2000 + 3000 - windows[0]->Height() / 2);
    }
}

TEST(DesignList, ANameEndsAtTheFirstTildeSoAnAddressMayHoldOne) {
    const std::string text = "a~http://x/~me/\r\nb\r\n";
    EXPECT_EQ(FindSavedDesign(text, "a")->Address, "http://x/~me/");
    EXPECT_FALSE(FindSavedDesign(text, "A"));
    EXPECT_EQ(FindSavedDesign(text, "b")->Address, "b");
}
