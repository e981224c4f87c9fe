#include <QListWidget>
#include <QTest>
#include <string>
#include <vector>

#include "QtFixture.h"
#include "runtime/ListBox.h"

using namespace quillo::runtime;
using quillo::e2e::QtFixture;

namespace {

class Listing : public Form {
  public:
    Listing() : Form("Listing") {
        List1.Click = [this] { log.push_back("Click " + std::to_string(List1.ListIndex())); };
        List1.DblClick = [this] { log.push_back("DblClick " + List1.Text()); };
        List1.MouseDown = [this](int, int, double, double) { log.push_back("MouseDown"); };
        List1.MouseUp = [this](int, int, double, double) { log.push_back("MouseUp"); };
    }
    ListBox& List1 = add<ListBox>("List1");
    std::vector<std::string> log;
};

using Log = std::vector<std::string>;

class ListBoxes : public QtFixture {
  protected:
    void SetUp() override {
        form = &application().newForm<Listing>();
        form->Move(0, 0, 6000, 4500);
        form->List1.Move(150, 150, 3000, 2400);
        for (const char* entry : {"ant", "bee", "cat", "dog"})
            form->List1.AddItem(entry);
        form->Show();
        form->log.clear();
    }
    QListWidget* list() { return widgetOf(form->List1)->findChild<QListWidget*>(); }
    QPoint rowCentre(int row) { return list()->visualItemRect(list()->item(row)).center(); }
    void click(int row, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, modifiers, rowCentre(row));
    }
    std::vector<int> shownSelected() {
        std::vector<int> rows;
        for (int row = 0; row < list()->count(); ++row)
            if (list()->item(row)->isSelected()) rows.push_back(row);
        return rows;
    }
    Listing* form = nullptr;
};

}  // namespace

TEST_F(ListBoxes, TheListShowsTheEntriesAndTheChoiceOfTheModel) {
    ASSERT_NE(list(), nullptr);
    ASSERT_EQ(list()->count(), 4);
    EXPECT_EQ(list()->item(3)->text(), "dog");
    form->List1.setListIndex(2);
    EXPECT_EQ(shownSelected(), (std::vector<int>{2}));
    EXPECT_EQ(list()->currentRow(), 2);
    form->List1.setList(0, "ape");
    EXPECT_EQ(list()->item(0)->text(), "ape");
    EXPECT_EQ(shownSelected(), (std::vector<int>{2}));
    form->List1.Clear();
    EXPECT_EQ(list()->count(), 0);
}

TEST_F(ListBoxes, ClickingAnEntryChoosesItThroughTheModel) {
    click(1);
    EXPECT_EQ(form->List1.ListIndex(), 1);
    EXPECT_EQ(form->log, (Log{"MouseDown", "Click 1", "MouseUp"}));
    EXPECT_EQ(shownSelected(), (std::vector<int>{1}));
}

TEST_F(ListBoxes, DoubleClickingAnEntryRaisesDblClick) {
    // The platform's order: the first press chose the entry.
    click(3);
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, rowCentre(3));
    EXPECT_EQ(form->log, (Log{"MouseDown", "Click 3", "MouseUp", "DblClick dog"}));
}

TEST_F(ListBoxes, TheSecondPressOfADoubleClickRaisesDblClickInPlaceOfMouseDownAndClick) {
    QWidget* rows = list()->viewport();
    auto send = [&](QEvent::Type type, Qt::MouseButtons held, quint64 time) {
        const QPoint at = rowCentre(1);
        QMouseEvent event(type, at, rows->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        event.setTimestamp(time);
        QCoreApplication::sendEvent(rows, &event);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton, 1000);
    send(QEvent::MouseButtonRelease, Qt::NoButton, 1040);
    send(QEvent::MouseButtonPress, Qt::LeftButton, 1150);
    send(QEvent::MouseButtonDblClick, Qt::LeftButton, 1150);
    send(QEvent::MouseButtonRelease, Qt::NoButton, 1190);
    EXPECT_EQ(form->log, (Log{"MouseDown", "Click 1", "MouseUp", "DblClick bee", "MouseUp"}));
}

TEST_F(ListBoxes, CtrlAndShiftClicksSelectSeveralEntriesAsTheModelDecides) {
    form->List1.setMultiSelect(2);
    EXPECT_EQ(list()->selectionMode(), QAbstractItemView::ExtendedSelection);
    click(0);
    click(2, Qt::ControlModifier);
    EXPECT_EQ(shownSelected(), (std::vector<int>{0, 2}));
    click(3, Qt::ShiftModifier);
    EXPECT_EQ(shownSelected(), (std::vector<int>{2, 3}));
    EXPECT_TRUE(form->List1.Selected(3));
    EXPECT_FALSE(form->List1.Selected(0));
    form->List1.setSelected(0, true);
    EXPECT_EQ(shownSelected(), (std::vector<int>{0, 2, 3}));
}

TEST_F(ListBoxes, ArrowKeysMoveTheChoiceThroughTheModel) {
    form->List1.setListIndex(0);
    form->log.clear();
    QTest::keyClick(widgetOf(form->List1), Qt::Key_Down);
    QTest::keyClick(widgetOf(form->List1), Qt::Key_Down);
    EXPECT_EQ(form->List1.ListIndex(), 2);
    EXPECT_EQ(form->log, (Log{"Click 1", "Click 2"}));
    EXPECT_EQ(shownSelected(), (std::vector<int>{2}));
}
