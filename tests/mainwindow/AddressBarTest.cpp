#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Program.h"
#include "mainwindow/RNfunctions.h"

using namespace quillo;
using namespace quillo::testing;

namespace {

using Entries = std::vector<std::string>;

// A window with nothing but an address box, for the list routines alone.
class AddressBox : public runtime::Form {
  public:
    AddressBox() : Form("AddressBox") {}
    runtime::ComboBox& Box = add<runtime::ComboBox>("Box");

    Entries entries() const {
        Entries all;
        for (int i = 0; i < Box.ListCount(); ++i)
            all.push_back(Box.List(i));
        return all;
    }
};

// The program with a history and pages for every address the tests type.
struct TypingProgram : Program {
    explicit TypingProgram(const Entries& history = {}) {
        std::string file;
        for (const std::string& entry : history)
            file += "<" + entry + ">";
        harness.writeFile("combourl.ini", file + "\r\n");
        for (const char* address :
             {"http://www.kids.test", "http://www.kids.test/games", "ftp://files.kids.test/",
              "http://www.kids.test/?go=http://www.zoo.test", "HTTP://WWW.KIDS.TEST",
              "http://www.kids.test/a,b", "http://www.kids.test/a>b", "https://www.kids.test/"})
            web().addHtml(address, "<body>Kids</body>");
        start();
    }
};

}  // namespace

TEST(StripHttpPrefix, KeepsOnlyAddressesThatBeginWithHttpAndDropsTheirScheme) {
    struct Case {
        const char* address;
        const char* stripped;
    };
    for (Case c : std::vector<Case>{
             {"http://www.kids.test/", "www.kids.test/"},
             {"http://", ""},
             {"HTTP://www.kids.test", "HTTP://www.kids.test"},
             {"Http://www.kids.test", "Http://www.kids.test"},
             {"http://www.kids.test/?go=http://www.zoo.test",
              "www.kids.test/?go=http://www.zoo.test"},
             {"https://www.kids.test/", ""},
             {"ftp://files.kids.test/", ""},
             {"www.kids.test", ""},
             {"about:blank", ""},
             {"http:/", ""},
             {"", ""},
         }) {
        EXPECT_EQ(StripHttpPrefix(c.address), c.stripped) << c.address;
    }
}

TEST(AddUrlToHistory, AppendsOnceWithoutCommasAndKeepsOutWhatTheHistoryFileWouldCut) {
    Harness harness;
    auto& form = runtime::app().form<AddressBox>();
    for (const char* address : {"www.a.test", "www.b.test", "www.a.test", "WWW.A.TEST",
                                "www.c.test/x,y", "www.c.test/x,y", "www.d.test/?a>b", ""})
        AddUrlToHistory(form.Box, address);
    // An address with a comma is compared with its comma, so it is added again.
    EXPECT_EQ(form.entries(), (Entries{"www.a.test", "www.b.test", "WWW.A.TEST", "www.c.test/xy",
                                       "www.c.test/xy", ""}));
}

TEST(AutoCompleteCombo, CompletesFromTheFourthCharacterToTheFirstLongerEntryThatBeginsWithIt) {
    Harness harness;
    auto& form = runtime::app().form<AddressBox>();
    for (const char* entry : {"www.kids.test/games", "www.kids.test", "www.zoo.test", "wwwx"})
        form.Box.AddItem(entry);
    struct Case {
        const char* prefix;
        bool completes;
        const char* text;
    };
    for (Case c : std::vector<Case>{
             {"www", false, "before"},
             {"www.", true, "www.kids.test/games"},
             {"www.k", true, "www.kids.test/games"},
             {"www.kids.test", true, "www.kids.test/games"},
             {"www.kids.test/games", false, "before"},
             {"www.z", true, "www.zoo.test"},
             {"WWW.", false, "before"},
             {"wwwx", false, "before"},
             {"abcd", false, "before"},
         }) {
        form.Box.setText("before");
        EXPECT_EQ(AutoCompleteCombo(form.Box, c.prefix), c.completes) << c.prefix;
        EXPECT_EQ(form.Box.Text(), c.text) << c.prefix;
    }
}

TEST(AddressBar, TypeAheadCompletesAfterTheFourthTypedCharacterAndSelectsTheRest) {
    TypingProgram program({"www.zoo.test", "www.kids.test/games", "www.kids.test"});
    form1& main = program.main();
    main.ComboURL.setText("");
    std::string typed;
    for (char c : std::string("www")) {
        User::type(main.ComboURL, std::string(1, c));
        typed += c;
        EXPECT_EQ(main.ComboURL.Text(), typed);
    }
    User::type(main.ComboURL, ".");
    EXPECT_EQ(main.ComboURL.Text(), "www.zoo.test");
    EXPECT_EQ(main.ComboURL.SelStart(), 4);
    EXPECT_EQ(main.ComboURL.SelText(), "zoo.test");
    // The next key types over the completed tail and completes again.
    User::type(main.ComboURL, "k");
    EXPECT_EQ(main.ComboURL.Text(), "www.kids.test/games");
    EXPECT_EQ(main.ComboURL.SelStart(), 5);
    EXPECT_EQ(main.ComboURL.SelText(), "ids.test/games");
    User::type(main.ComboURL, "ids.test/games");
    EXPECT_EQ(main.ComboURL.Text(), "www.kids.test/games");
    EXPECT_EQ(main.ComboURL.SelLength(), 0);
}

TEST(AddressBar, TypeAheadIsCaseSensitiveAndLeavesBlanksAndOtherKeysAlone) {
    TypingProgram program({"www.kids.test"});
    form1& main = program.main();
    main.ComboURL.setText("");
    User::type(main.ComboURL, "WWW.");
    EXPECT_EQ(main.ComboURL.Text(), "WWW.");
    main.ComboURL.setText("");
    User::type(main.ComboURL, "www ");
    EXPECT_EQ(main.ComboURL.Text(), "www ");
    main.ComboURL.setText("www");
    main.ComboURL.setSelStart(3);
    int key = main.ComboURL.fireKeyPress(' ');
    EXPECT_EQ(key, ' ');
    EXPECT_EQ(main.ComboURL.Text(), "www");
}

TEST(AddressBar, EnterNavigatesToTheTextAsTypedAndSelectsIt) {
    TypingProgram program;
    form1& main = program.main();
    main.ComboURL.setText("");
    program.typeAddress("www.kids.test/games\r");
    EXPECT_EQ(main.WebBrowser2.LocationURL(), "http://www.kids.test/games");
    EXPECT_EQ(main.ComboURL.Text(), "http://www.kids.test/games");
    EXPECT_EQ(main.ComboURL.SelStart(), 0);
    EXPECT_EQ(main.ComboURL.SelLength(), 26);
}

TEST(AddressBar, ATypedHttpAddressJoinsTheHistoryOnceWithoutItsScheme) {
    TypingProgram program;
    form1& main = program.main();
    for (int round = 0; round < 2; ++round) {
        main.ComboURL.setText("");
        program.typeAddress("http://www.kids.test\r");
        EXPECT_FALSE(main.TypedUrl.Pending);
        EXPECT_EQ(program.history(), Entries{"www.kids.test"}) << round;
    }
}

TEST(AddressBar, OnlyTheTypedAddressJoinsTheHistoryAndOtherSchemesNever) {
    struct Case {
        const char* typed;
        Entries history;
    };
    for (const Case& c : std::vector<Case>{
             {"ftp://files.kids.test/", {}},
             {"https://www.kids.test/", {}},
             {"about:blank", {}},
             {"http://www.kids.test/?go=http://www.zoo.test",
              {"www.kids.test/?go=http://www.zoo.test"}},
             {"HTTP://WWW.KIDS.TEST", {"HTTP://WWW.KIDS.TEST"}},
             {"http://www.kids.test/a,b", {"www.kids.test/ab"}},
             {"http://www.kids.test/a>b", {}},
             {"http://www.nowhere.test", {"www.nowhere.test"}},
             // The browser completes a bare host name with "http://"; it still never joins.
             {"www.kids.test", {}},
             {"www.kids.test ", {}},
             // The address joins as the browser loads it, without the blanks around it.
             {"http://www.kids.test ", {"www.kids.test"}},
             {"  http://www.kids.test/games  ", {"www.kids.test/games"}},
         }) {
        TypingProgram program;
        form1& main = program.main();
        main.ComboURL.setText("");
        program.typeAddress(std::string(c.typed) + "\r");
        EXPECT_EQ(program.history(), c.history) << c.typed;
        // Later navigations that were not typed add nothing.
        main.WebBrowser2.Navigate("http://www.kids.test/games");
        program.advance(0);
        EXPECT_EQ(program.history(), c.history) << c.typed;
    }
}

TEST(AddressBar, EnterOnAnEmptyTextLeavesNothingWaitingForTheNextPage) {
    TypingProgram program;
    form1& main = program.main();
    main.ComboURL.setText("");
    program.typeAddress("\r");
    EXPECT_FALSE(main.TypedUrl.Pending);
    main.WebBrowser2.Navigate("http://www.kids.test");
    program.advance(0);
    EXPECT_TRUE(program.history().empty());
}

TEST(AddressBar, ChoosingAnEntryNavigatesToItWithoutAddingItAgain) {
    TypingProgram program({"www.zoo.test", "http://www.kids.test/games"});
    form1& main = program.main();
    User::chooseEntry(main.ComboURL, 1);
    program.advance(0);
    EXPECT_EQ(main.WebBrowser2.LocationURL(), "http://www.kids.test/games");
    EXPECT_EQ(program.history(), (Entries{"www.zoo.test", "http://www.kids.test/games"}));
}
