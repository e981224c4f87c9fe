#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <string>
#include <vector>

#include "QtFixture.h"
#include "runtime/ComboBox.h"

using namespace quillo::runtime;
using quillo::e2e::QtFixture;

namespace {

class Choosing : public Form {
  public:
    Choosing() : Form("Choosing") {
        Combo1.Change = [this] { log.push_back("Change " + Combo1.Text()); };
        Combo1.Click = [this] { log.push_back("Click " + std::to_string(Combo1.ListIndex())); };
        Combo1.DropDown = [this] { log.push_back("DropDown"); };
        Combo1.KeyPress = [this](int& ascii) {
            log.push_back("KeyPress " + std::to_string(ascii));
            if (ascii == swallowPress) ascii = 0;
        };
    }
    ComboBox& Combo1 = add<ComboBox>("Combo1");
    std::vector<std::string> log;
    int swallowPress = -1;
};

using Log = std::vector<std::string>;

class ComboBoxes : public QtFixture {
  protected:
    void SetUp() override {
        form = &application().newForm<Choosing>();
        form->Move(0, 0, 6000, 4500);
        form->Combo1.Move(150, 150, 3000, 450);
        for (const char* entry : {"red", "green", "blue"})
            form->Combo1.AddItem(entry);
        form->Show();
        form->log.clear();
    }
    QWidget* host() { return widgetOf(form->Combo1); }
    QComboBox* combo() { return host()->findChild<QComboBox*>(); }
    Choosing* form = nullptr;
};

}  // namespace

TEST_F(ComboBoxes, TheComboShowsTheEntriesChoiceAndTextOfTheModel) {
    ASSERT_NE(combo(), nullptr);
    ASSERT_EQ(combo()->count(), 3);
    EXPECT_EQ(combo()->itemText(2), "blue");
    form->Combo1.setListIndex(1);
    EXPECT_EQ(combo()->currentIndex(), 1);
    EXPECT_EQ(combo()->lineEdit()->text(), "green");
    form->Combo1.RemoveItem(0);
    EXPECT_EQ(combo()->count(), 2);
    EXPECT_EQ(combo()->currentIndex(), 0);
    form->Combo1.setText("violet");
    form->Combo1.setSelStart(1);
    form->Combo1.setSelLength(3);
    EXPECT_EQ(combo()->lineEdit()->text(), "violet");
    EXPECT_EQ(combo()->lineEdit()->selectedText(), "iol");
    EXPECT_EQ(combo()->currentIndex(), -1);
}

TEST_F(ComboBoxes, PickingAnEntryInTheListRaisesDropDownAndClickButNoChange) {
    combo()->showPopup();
    QAbstractItemView* list = combo()->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    const QRect entry = list->visualRect(list->model()->index(2, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
    EXPECT_EQ(form->Combo1.ListIndex(), 2);
    EXPECT_EQ(form->Combo1.Text(), "blue");
    EXPECT_EQ(form->log, (Log{"DropDown", "Click 2"}));
}

TEST_F(ComboBoxes, TheDownKeyChoosesTheNextEntryThroughTheModel) {
    form->Combo1.setListIndex(0);
    form->log.clear();
    QTest::keyClick(host(), Qt::Key_Down);
    EXPECT_EQ(form->Combo1.ListIndex(), 1);
    EXPECT_EQ(form->log, (Log{"Click 1"}));
}

TEST_F(ComboBoxes, TypingChangesTheTextWithoutCompletingOrInserting) {
    form->swallowPress = 'x';
    QTest::keyClicks(host(), "gxr");
    EXPECT_EQ(form->Combo1.Text(), "gr");
    EXPECT_EQ(combo()->lineEdit()->text(), "gr");  // no completion to "green"
    EXPECT_EQ(form->Combo1.SelStart(), 2);
    EXPECT_EQ(form->log,
              (Log{"KeyPress 103", "Change g", "KeyPress 120", "KeyPress 114", "Change gr"}));
    QTest::keyClick(host(), Qt::Key_Return);
    EXPECT_EQ(combo()->count(), 3);
    EXPECT_EQ(form->Combo1.ListCount(), 3);
}

TEST_F(ComboBoxes, AStyleWithoutAFieldIsNotEditable) {
    form->Combo1.setStyle(2);
    EXPECT_FALSE(combo()->isEditable());
    form->Combo1.setText("blue");
    EXPECT_EQ(combo()->currentIndex(), 2);
    form->Combo1.setStyle(0);
    EXPECT_TRUE(combo()->isEditable());
    EXPECT_EQ(combo()->lineEdit()->text(), "blue");
}

TEST_F(ComboBoxes, ALockedBoxRefusesTypingAndChoosing) {
    form->Combo1.setListIndex(0);
    form->Combo1.setLocked(true);
    form->log.clear();
    QTest::keyClick(host(), Qt::Key_Down);
    QTest::keyClicks(host(), "z");
    EXPECT_EQ(form->Combo1.ListIndex(), 0);
    EXPECT_EQ(combo()->currentIndex(), 0);
    EXPECT_EQ(combo()->lineEdit()->text(), "red");
    EXPECT_EQ(form->log, (Log{"KeyPress 122"}));
}
