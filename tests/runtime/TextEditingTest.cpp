#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/Application.h"
#include "runtime/ComboBox.h"
#include "runtime/TextBox.h"
#include "runtime/Utf8.h"
#include "runtime/headless/Harness.h"
#include "runtime/headless/User.h"

using namespace quillo::runtime;
using quillo::headless::Harness;
using quillo::headless::User;

namespace {

// An address box that completes typed text from its list, as the program's address bar does,
// and a text box; both count their Change events.
class Boxes : public Form {
  public:
    Boxes() : Form("Boxes") {
        Combo.Change = [this] { ++comboChanges; };
        Combo.Click = [this] { ++comboClicks; };
        Text1.Change = [this] { ++textChanges; };
    }
    ComboBox& Combo = add<ComboBox>("Combo");
    TextBox& Text1 = add<TextBox>("Text1");
    int comboChanges = 0;
    int comboClicks = 0;
    int textChanges = 0;

    // Completes from the first longer entry once four characters are typed.
    void completeFromList() {
        Combo.KeyPress = [this](int& key) {
            if (key < 33 || key > 126) return;
            int start = Combo.SelStart();
            std::string prefix = CodePointSlice(Combo.Text(), 0, start) + static_cast<char>(key);
            if (prefix.size() < 4) return;
            for (int i = 0; i < Combo.ListCount(); ++i) {
                std::string entry = Combo.List(i);
                if (entry.size() > prefix.size() && entry.compare(0, prefix.size(), prefix) == 0) {
                    Combo.setText(entry);
                    key = 0;
                    Combo.setSelStart(start + 1);
                    Combo.setSelLength(CodePointCount(entry));
                    return;
                }
            }
        };
    }
};

}  // namespace

TEST(Utf8, CountsCodePointsAndNeverRunsPastBrokenText) {
    struct Case {
        std::string text;
        int count;
    };
    for (const Case& c : {Case{"", 0}, Case{"abc", 3}, Case{"ä€𝄞", 3}, Case{"\xE2\x82", 1},
                          Case{"a\x80\x80z", 4}, Case{"\xF0\x9D", 1}}) {
        EXPECT_EQ(CodePointCount(c.text), c.count) << c.text;
        EXPECT_EQ(ByteOffset(c.text, 100), c.text.size()) << c.text;
    }
    EXPECT_EQ(CodePointSlice("grüße", 2, 2), "üß");
    EXPECT_EQ(EncodeUtf8(U'𝄞'), "𝄞");
    EXPECT_EQ(DecodeUtf8("aé𝄞"), (std::vector<char32_t>{U'a', U'é', U'𝄞'}));
}

TEST(ComboBoxes, CountTheirSelectionInCodePoints) {
    Harness harness;
    auto& box = app().form<Boxes>().Combo;
    box.setText("Grüße aus Köln");
    box.setSelStart(6);
    box.setSelLength(3);
    EXPECT_EQ(box.SelText(), "aus");
    box.setSelStart(2);
    box.setSelLength(3);
    EXPECT_EQ(box.SelText(), "üße");
    box.setSelText("ss");
    EXPECT_EQ(box.Text(), "Grss aus Köln");
    EXPECT_EQ(box.SelStart(), 4);
    EXPECT_EQ(box.SelLength(), 0);
}

TEST(ComboBoxes, ClampTheSelectionAndEmptyItWhenTheStartMoves) {
    Harness harness;
    auto& box = app().form<Boxes>().Combo;
    box.setText("日本語");
    box.setSelStart(1);
    box.setSelLength(50);
    EXPECT_EQ(box.SelLength(), 2);
    box.setSelStart(99);
    EXPECT_EQ(box.SelStart(), 3);
    EXPECT_EQ(box.SelLength(), 0);
    box.setSelStart(-4);
    EXPECT_EQ(box.SelStart(), 0);
    box.setText("x");
    EXPECT_EQ(box.SelStart(), 0);
}

TEST(ComboBoxes, CompleteTypedTextFromTheirListWhenTheHandlerSwallowsTheKey) {
    Harness harness;
    auto& form = app().form<Boxes>();
    form.completeFromList();
    form.Combo.AddItem("www.example.org");
    form.Combo.AddItem("www.exam.net");
    User::type(form.Combo, "www");
    EXPECT_EQ(form.Combo.Text(), "www");
    User::type(form.Combo, ".");
    EXPECT_EQ(form.Combo.Text(), "www.example.org");
    EXPECT_EQ(form.Combo.SelStart(), 4);
    EXPECT_EQ(form.Combo.SelText(), "example.org");
    User::type(form.Combo, "exam.");
    EXPECT_EQ(form.Combo.Text(), "www.exam.net");
    EXPECT_EQ(form.Combo.SelText(), "net");
}

TEST(ComboBoxes, RunChangeForEveryChangeOfTheirTextAndClickForAChosenEntry) {
    Harness harness;
    auto& form = app().form<Boxes>();
    form.Combo.AddItem("one");
    form.Combo.AddItem("two");
    form.Combo.setText("o");
    form.Combo.setText("o");
    User::type(form.Combo, "n");
    EXPECT_EQ(form.comboChanges, 2);
    User::chooseEntry(form.Combo, 1);
    EXPECT_EQ(form.Combo.Text(), "two");
    EXPECT_EQ(form.Combo.ListIndex(), 1);
    EXPECT_EQ(form.comboClicks, 1);
    EXPECT_EQ(form.comboChanges, 2);
    User::type(form.Combo, "x");
    EXPECT_EQ(form.Combo.ListIndex(), -1);
}

TEST(ComboBoxes, KeepTheirChosenEntryInPlaceWhenEntriesComeAndGo) {
    Harness harness;
    auto& box = app().form<Boxes>().Combo;
    for (std::string entry : {"a", "b", "c", "d"})
        box.AddItem(entry);
    box.setListIndex(2);
    box.AddItem("first", 0);
    EXPECT_EQ(box.ListIndex(), 3);
    box.RemoveItem(1);
    EXPECT_EQ(box.ListIndex(), 2);
    EXPECT_EQ(box.List(box.ListIndex()), "c");
    box.RemoveItem(2);
    EXPECT_EQ(box.ListIndex(), -1);
    EXPECT_EQ(box.ListCount(), 3);
    EXPECT_EQ(box.List(7), "");
    box.Clear();
    EXPECT_EQ(box.ListCount(), 0);
}

TEST(ComboBoxes, SortedKeepTheirEntriesWithoutRegardToCase) {
    Harness harness;
    auto& box = app().form<Boxes>().Combo;
    box.setSorted(true);
    for (std::string entry : {"sea", "Quillo", "forest", "Apple"})
        box.AddItem(entry);
    std::vector<std::string> listed;
    for (int i = 0; i < box.ListCount(); ++i)
        listed.push_back(box.List(i));
    EXPECT_EQ(listed, (std::vector<std::string>{"Apple", "forest", "Quillo", "sea"}));
}

TEST(TextBoxes, TypeOverTheSelectionAndDeleteAsTheFieldDoes) {
    Harness harness;
    auto& form = app().form<Boxes>();
    auto& box = form.Text1;
    box.setText("Hello world");
    box.setSelStart(6);
    box.setSelLength(5);
    User::type(box, "Welt");
    EXPECT_EQ(box.Text(), "Hello Welt");
    User::type(box, "\b\b");
    EXPECT_EQ(box.Text(), "Hello We");
    box.setSelStart(0);
    User::pressKey(box, 46);
    EXPECT_EQ(box.Text(), "ello We");
    EXPECT_EQ(form.textChanges, 8);
}

TEST(TextBoxes, LetTheirHandlersSwallowOrReplaceTypedKeys) {
    Harness harness;
    auto& box = app().form<Boxes>().Text1;
    box.KeyPress = [](int& key) {
        if (key == 'x') key = 0;
        if (key == 'a') key = 'A';
    };
    User::type(box, "xaxb");
    EXPECT_EQ(box.Text(), "Ab");
}

TEST(TextBoxes, HonourLockedMaxLengthAndMultiLine) {
    Harness harness;
    auto& box = app().form<Boxes>().Text1;
    box.setMaxLength(3);
    User::type(box, "abcdef\r");
    EXPECT_EQ(box.Text(), "abc");
    box.setText("");
    box.setMultiLine(true);
    box.setMaxLength(0);
    User::type(box, "a\rb");
    EXPECT_EQ(box.Text(), "a\r\nb");
    box.setLocked(true);
    User::type(box, "zz");
    EXPECT_EQ(box.Text(), "a\r\nb");
    box.setText("set by code");
    EXPECT_EQ(box.Text(), "set by code");
}

TEST(ComboBoxes, AsDropDownListsTakeOnlyTextsOfTheirEntries) {
    Harness harness;
    auto& form = app().form<Boxes>();
    auto& box = form.Combo;
    box.setStyle(2);
    box.AddItem("Quillo");
    box.AddItem("Sea");
    box.setText("Sea");
    EXPECT_EQ(box.ListIndex(), 1);
    box.setText("Forest");
    User::type(box, "xy");
    EXPECT_EQ(box.Text(), "Sea");
    EXPECT_EQ(form.comboClicks, 1);
    box.Clear();
    EXPECT_EQ(box.Text(), "");
}
