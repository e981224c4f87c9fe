#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <optional>
#include <string>
#include <vector>

#include "QtFixture.h"
#include "runtime/ListItem.h"
#include "runtime/ListView.h"

using namespace quillo::runtime;
using quillo::e2e::QtFixture;

namespace {

class Pictures : public Form {
  public:
    Pictures() : Form("Pictures") {
        View1.ItemClick = [this](ListItem& item) { log.push_back("ItemClick " + item.Key()); };
        View1.DblClick = [this] { log.push_back("DblClick"); };
        View1.AfterLabelEdit = [this](int& cancel, const std::optional<std::string>& text) {
            log.push_back("AfterLabelEdit " + text.value_or("(none)"));
            if (refuseEdits) cancel = 1;
        };
    }
    ListView& View1 = add<ListView>("View1");
    std::vector<std::string> log;
    bool refuseEdits = false;
};

using Log = std::vector<std::string>;

class ListViews : public QtFixture {
  protected:
    void SetUp() override {
        form = &application().newForm<Pictures>();
        form->Move(0, 0, 6000, 6000);
        form->View1.Move(150, 150, 4500, 4500);
        form->View1.setView(3);
        for (const char* name : {"sun", "moon", "star"})
            form->View1.ListItems.Add(name, name);
        form->Show();
        form->log.clear();
    }
    QWidget* host() { return widgetOf(form->View1); }
    QListWidget* list() { return host()->findChild<QListWidget*>(); }
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
    ListItem& item(const char* key) { return *form->View1.ListItems.Item(key); }
    Pictures* form = nullptr;
};

}  // namespace

TEST_F(ListViews, TheListShowsTheItemsAndSelectionOfTheModel) {
    ASSERT_NE(list(), nullptr);
    ASSERT_EQ(list()->count(), 3);
    EXPECT_EQ(list()->item(1)->text(), "moon");
    EXPECT_EQ(list()->viewMode(), QListView::ListMode);
    item("star").setSelected(true);
    EXPECT_EQ(shownSelected(), (std::vector<int>{2}));
    item("moon").setText("Moon");
    EXPECT_EQ(list()->item(1)->text(), "Moon");
    form->View1.ListItems.Remove("sun");
    EXPECT_EQ(list()->count(), 2);
    EXPECT_EQ(shownSelected(), (std::vector<int>{1}));
    form->View1.setView(0);
    EXPECT_EQ(list()->viewMode(), QListView::IconMode);
}

TEST_F(ListViews, ClicksSelectItemsThroughTheModel) {
    click(1);
    EXPECT_EQ(form->View1.SelectedItem(), &item("moon"));
    EXPECT_EQ(form->log, (Log{"ItemClick moon"}));
    form->View1.setMultiSelect(true);
    click(2, Qt::ControlModifier);
    EXPECT_TRUE(item("moon").Selected());
    EXPECT_TRUE(item("star").Selected());
    EXPECT_EQ(shownSelected(), (std::vector<int>{1, 2}));
    click(0);
    EXPECT_EQ(shownSelected(), (std::vector<int>{0}));
    EXPECT_FALSE(item("star").Selected());
}

TEST_F(ListViews, AClickOnTheSelectedItemStartsAnAutomaticLabelEdit) {
    click(0);
    click(0);
    // The edit waits for the time of a double click.
    EXPECT_EQ(form->View1.editingItem(), nullptr);
    ASSERT_TRUE(waitFor([&] { return form->View1.editingItem() == &item("sun"); }));
    auto* field = list()->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(field, nullptr);
    QTest::keyClicks(field, "Sunny");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(item("sun").Text(), "Sunny");
    EXPECT_EQ(list()->item(0)->text(), "Sunny");
    EXPECT_EQ(form->log.back(), "AfterLabelEdit Sunny");
}

TEST_F(ListViews, ADoubleClickOnTheSelectedItemStartsNoLabelEdit) {
    click(2);
    click(2);
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, rowCentre(2));
    EXPECT_EQ(form->log.back(), "DblClick");
    QTest::qWait(QApplication::doubleClickInterval() * 2);
    EXPECT_EQ(form->View1.editingItem(), nullptr);
}

TEST_F(ListViews, ARefusedLabelEditKeepsTheOldTextAndManualModeStartsNone) {
    form->refuseEdits = true;
    item("moon").setSelected(true);
    form->View1.StartLabelEdit();
    auto* field = list()->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(field, nullptr);
    QTest::keyClicks(field, "Mars");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(list()->item(1)->text(), "moon");
    settle();
    form->View1.setLabelEdit(1);
    click(1);
    click(1);
    QTest::qWait(QApplication::doubleClickInterval() * 2);
    EXPECT_EQ(form->View1.editingItem(), nullptr);
    EXPECT_EQ(list()->viewport()->findChild<QLineEdit*>(), nullptr);
}

TEST_F(ListViews, HitTestFindsTheItemUnderATwipPoint) {
    const QPoint moon = list()->viewport()->mapTo(host(), rowCentre(1));
    EXPECT_EQ(form->View1.HitTest(moon.x() * 15.0, moon.y() * 15.0), &item("moon"));
    EXPECT_EQ(form->View1.HitTest(moon.x() * 15.0, 4000), nullptr);
}

TEST_F(ListViews, TheDropHighlightedItemIsShownHighlighted) {
    const QBrush highlight = list()->palette().brush(QPalette::Highlight);
    form->View1.setDropHighlight(&item("star"));
    EXPECT_EQ(list()->item(2)->background(), highlight);
    form->View1.setDropHighlight(nullptr);
    EXPECT_EQ(list()->item(2)->background(), QBrush());
}
