#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <string>
#include <vector>

#include "QtFixture.h"
#include "runtime/TextBox.h"

using namespace quillo::runtime;
using quillo::e2e::QtFixture;

namespace {

class Editing : public Form {
  public:
    Editing() : Form("Editing") {
        Text1.Change = [this] { log.push_back("Change " + Text1.Text()); };
        Text1.KeyDown = [this](int& code, int) {
            log.push_back("KeyDown " + std::to_string(code));
            if (code == swallowDown) code = 0;
        };
        Text1.KeyPress = [this](int& ascii) {
            log.push_back("KeyPress " + std::to_string(ascii));
            if (ascii == swallowPress) ascii = 0;
            if (ascii == 'x') ascii = 'X';
        };
        Text1.KeyUp = [this](int& code, int) { log.push_back("KeyUp " + std::to_string(code)); };
    }
    TextBox& Text1 = add<TextBox>("Text1");
    TextBox& Text2 = add<TextBox>("Text2");
    std::vector<std::string> log;
    int swallowPress = -1;
    int swallowDown = -1;
};

using Log = std::vector<std::string>;

class TextBoxes : public QtFixture {
  protected:
    void SetUp() override {
        form = &application().newForm<Editing>();
        form->Move(0, 0, 6000, 4500);
        form->Text1.Move(150, 150, 3000, 450);
        form->Text2.Move(150, 900, 3000, 450);
        form->Show();
        form->log.clear();
    }
    QWidget* host() { return widgetOf(form->Text1); }
    QLineEdit* line() { return host()->findChild<QLineEdit*>(); }
    QPlainTextEdit* plain() { return host()->findChild<QPlainTextEdit*>(); }
    void type(const char* keys) { QTest::keyClicks(host(), keys); }
    Editing* form = nullptr;
};

}  // namespace

TEST_F(TextBoxes, TheEditorShowsTheTextAndSelectionTheProgramSets) {
    form->Text1.setText("a\xF0\x9F\x90\xB1 cat");  // the cat is one code point, two UTF-16 units
    form->Text1.setSelStart(1);
    form->Text1.setSelLength(3);
    ASSERT_NE(line(), nullptr);
    EXPECT_EQ(line()->text(), QString::fromUtf8("a\xF0\x9F\x90\xB1 cat"));
    EXPECT_EQ(line()->selectedText(), QString::fromUtf8("\xF0\x9F\x90\xB1 c"));
    EXPECT_EQ(form->log, (Log{"Change a\xF0\x9F\x90\xB1 cat"}));
}

TEST_F(TextBoxes, TypedKeysRaiseTheKeyEventsAndChangeTheModelsText) {
    type("hi");
    EXPECT_EQ(form->Text1.Text(), "hi");
    EXPECT_EQ(form->Text1.SelStart(), 2);
    EXPECT_EQ(form->log, (Log{"KeyDown 72", "KeyPress 104", "Change h", "KeyUp 72", "KeyDown 73",
                              "KeyPress 105", "Change hi", "KeyUp 73"}));
}

TEST_F(TextBoxes, ASwallowedKeyNeverReachesTheEditor) {
    form->swallowPress = 'b';
    form->swallowDown = 37;  // Left
    type("ab");
    QTest::keyClick(host(), Qt::Key_Left);
    EXPECT_EQ(line()->text(), "a");
    EXPECT_EQ(line()->cursorPosition(), 1);
    EXPECT_EQ(form->Text1.Text(), "a");
}

TEST_F(TextBoxes, AKeyReplacedByKeyPressTypesTheReplacement) {
    type("axe");
    EXPECT_EQ(form->Text1.Text(), "aXe");
}

TEST_F(TextBoxes, SelectingWithTheKeyboardMovesSelStartAndSelLength) {
    form->Text1.setText("hello");
    form->Text1.setSelStart(5);
    QTest::keyClick(host(), Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(host(), Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(form->Text1.SelStart(), 3);
    EXPECT_EQ(form->Text1.SelLength(), 2);
    type("p");
    EXPECT_EQ(form->Text1.Text(), "help");
}

TEST_F(TextBoxes, ALockedBoxRefusesTyping) {
    form->Text1.setText("fixed");
    form->Text1.setLocked(true);
    EXPECT_TRUE(line()->isReadOnly());
    type("z");
    EXPECT_EQ(form->Text1.Text(), "fixed");
    form->Text1.setLocked(false);
    EXPECT_FALSE(line()->isReadOnly());
}

TEST_F(TextBoxes, MaxLengthLimitsTypingButNotTheProgram) {
    form->Text1.setMaxLength(3);
    type("abcd");
    EXPECT_EQ(form->Text1.Text(), "abc");
    EXPECT_EQ(line()->text(), "abc");
    form->Text1.setText("longer than three");
    EXPECT_EQ(line()->text(), "longer than three");
}

TEST_F(TextBoxes, AMultiLineBoxBreaksLinesWithCrLfInTheModel) {
    form->Text1.setMultiLine(true);
    settle();
    ASSERT_NE(plain(), nullptr);
    EXPECT_EQ(line(), nullptr);
    form->Text1.setText("one\r\ntwo");
    EXPECT_EQ(plain()->toPlainText(), "one\ntwo");
    form->Text1.setSelStart(5);  // after the CR LF: the start of "two"
    EXPECT_EQ(plain()->textCursor().position(), 4);
    QTest::keyClick(host(), Qt::Key_Return);
    EXPECT_EQ(form->Text1.Text(), "one\r\n\r\ntwo");
    EXPECT_EQ(form->Text1.SelStart(), 7);
}

TEST_F(TextBoxes, AClickOnTheEditorRaisesClickAndFocusOnItIsTheControls) {
    form->Text2.Click = [this] { form->log.push_back("Click"); };
    form->Text2.GotFocus = [this] { form->log.push_back("GotFocus"); };
    ASSERT_TRUE(QTest::qWaitForWindowActive(widgetOf(*form)));
    settle();
    EXPECT_EQ(form->activeControl(), &form->Text1);
    QWidget* editor = widgetOf(form->Text2)->findChild<QLineEdit*>();
    form->log.clear();
    QTest::mouseClick(editor, Qt::LeftButton, {}, QPoint(5, 5));
    settle();
    EXPECT_EQ(form->log, (Log{"GotFocus", "Click"}));
    EXPECT_EQ(form->activeControl(), &form->Text2);
    EXPECT_TRUE(editor->hasFocus());
}

TEST_F(TextBoxes, TheSelectionOutlivesTheFocus) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(widgetOf(*form)));
    form->Text1.setText("hello");
    form->Text1.SetFocus();
    form->Text1.setSelStart(1);
    form->Text1.setSelLength(3);
    widgetOf(form->Text2)->findChild<QLineEdit*>()->setFocus(Qt::MouseFocusReason);
    settle();
    EXPECT_EQ(form->activeControl(), &form->Text2);
    EXPECT_EQ(form->Text1.SelStart(), 1);
    EXPECT_EQ(form->Text1.SelLength(), 3);
    form->Text1.SetFocus();
    settle();
    EXPECT_EQ(line()->selectedText(), "ell");
}
