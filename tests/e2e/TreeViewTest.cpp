#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "QtFixture.h"
#include "runtime/Node.h"
#include "runtime/TreeView.h"

using namespace quillo::runtime;
using quillo::e2e::QtFixture;

namespace {

class Folders : public Form {
  public:
    Folders() : Form("Folders") {
        Tree1.NodeClick = [this](Node& node) { log.push_back("NodeClick " + node.Key()); };
        Tree1.Expand = [this](Node& node) { log.push_back("Expand " + node.Key()); };
        Tree1.Collapse = [this](Node& node) { log.push_back("Collapse " + node.Key()); };
        Tree1.Click = [this] { log.push_back("Click"); };
        Tree1.AfterLabelEdit = [this](int& cancel, const std::optional<std::string>& text) {
            log.push_back("AfterLabelEdit " + text.value_or("(none)"));
            if (refuseEdits) cancel = 1;
        };
    }
    TreeView& Tree1 = add<TreeView>("Tree1");
    std::vector<std::string> log;
    bool refuseEdits = false;
};

using Log = std::vector<std::string>;

class TreeViews : public QtFixture {
  protected:
    void SetUp() override {
        form = &application().newForm<Folders>();
        form->Move(0, 0, 6000, 6000);
        form->Tree1.Move(150, 150, 4500, 4500);
        NodeCollection& nodes = form->Tree1.Nodes;
        nodes.Add(nullptr, tvwLast, "animals", "Animals");
        nodes.Add("animals", tvwChild, "cats", "Cats");
        nodes.Add("animals", tvwChild, "dogs", "Dogs");
        nodes.Add(nullptr, tvwLast, "plants", "Plants");
        form->Show();
        form->log.clear();
    }
    QWidget* host() { return widgetOf(form->Tree1); }
    QTreeWidget* view() { return host()->findChild<QTreeWidget*>(); }
    QTreeWidgetItem* item(const char* text) {
        auto found = view()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.front();
    }
    QPoint textOf(const char* text) {
        return view()->visualItemRect(item(text)).topLeft() + QPoint(6, 4);
    }
    void click(QPoint at) { QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, at); }
    Node& node(const char* key) { return *form->Tree1.Nodes.Item(key); }
    Folders* form = nullptr;
};

}  // namespace

TEST_F(TreeViews, TheTreeShowsTheNodesExpansionAndSelectionOfTheModel) {
    ASSERT_NE(view(), nullptr);
    ASSERT_EQ(view()->topLevelItemCount(), 2);
    ASSERT_EQ(view()->topLevelItem(0)->childCount(), 2);
    EXPECT_EQ(view()->topLevelItem(0)->child(1)->text(0), "Dogs");
    EXPECT_FALSE(item("Animals")->isExpanded());
    node("animals").setExpanded(true);
    EXPECT_TRUE(item("Animals")->isExpanded());
    form->Tree1.setSelectedItem(&node("dogs"));
    EXPECT_EQ(view()->currentItem(), item("Dogs"));
    EXPECT_TRUE(item("Dogs")->isSelected());
    node("dogs").setText("Puppies");
    EXPECT_NE(item("Puppies"), nullptr);
    EXPECT_TRUE(item("Puppies")->isSelected());
    form->Tree1.Nodes.Remove("animals");
    EXPECT_EQ(view()->topLevelItemCount(), 1);
    EXPECT_TRUE(form->log.empty());  // changes by the program raise no events
}

TEST_F(TreeViews, ClickingANodeSelectsItThroughTheModel) {
    click(textOf("Plants"));
    EXPECT_EQ(form->Tree1.SelectedItem(), &node("plants"));
    EXPECT_TRUE(item("Plants")->isSelected());
    EXPECT_EQ(form->log, (Log{"NodeClick plants", "Click"}));
}

TEST_F(TreeViews, ClickingTheButtonOfANodeExpandsAndCollapsesIt) {
    const QRect row = view()->visualItemRect(item("Animals"));
    const QPoint button(row.left() - view()->indentation() / 2, row.center().y());
    click(button);
    EXPECT_TRUE(node("animals").Expanded());
    EXPECT_TRUE(item("Animals")->isExpanded());
    click(button);
    EXPECT_FALSE(node("animals").Expanded());
    EXPECT_EQ(form->log, (Log{"Expand animals", "Click", "Collapse animals", "Click"}));
    EXPECT_EQ(form->Tree1.SelectedItem(), nullptr);
}

TEST_F(TreeViews, KeysMoveTheSelectionAndOpenNodesThroughTheModel) {
    form->Tree1.setSelectedItem(&node("animals"));
    QTest::keyClick(host(), Qt::Key_Right);
    EXPECT_TRUE(node("animals").Expanded());
    QTest::keyClick(host(), Qt::Key_Down);
    EXPECT_EQ(form->Tree1.SelectedItem(), &node("cats"));
    EXPECT_EQ(form->log, (Log{"Expand animals", "NodeClick cats"}));
}

TEST_F(TreeViews, TheDropHighlightedNodeIsShownHighlighted) {
    const QBrush highlight = view()->palette().brush(QPalette::Highlight);
    form->Tree1.setDropHighlight(&node("plants"));
    EXPECT_EQ(item("Plants")->background(0), highlight);
    form->Tree1.setDropHighlight(&node("animals"));
    EXPECT_EQ(item("Plants")->background(0), QBrush());
    EXPECT_EQ(item("Animals")->background(0), highlight);
}

TEST_F(TreeViews, ALabelEditStartedByTheProgramEndsWithTheTypedText) {
    form->Tree1.setSelectedItem(&node("plants"));
    form->Tree1.StartLabelEdit();
    auto* field = view()->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text(), "Plants");
    QTest::keyClicks(field, "Trees");
    QTest::keyClick(field, Qt::Key_Up);  // the field ignores it; the tree must not move
    EXPECT_EQ(form->Tree1.SelectedItem(), &node("plants"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(form->log, (Log{"AfterLabelEdit Trees"}));
    EXPECT_EQ(node("plants").Text(), "Trees");
    EXPECT_EQ(form->Tree1.editingNode(), nullptr);
    settle();
    EXPECT_NE(item("Trees"), nullptr);
    EXPECT_EQ(view()->viewport()->findChild<QLineEdit*>(), nullptr);
}

TEST_F(TreeViews, AnAbandonedOrRefusedLabelEditKeepsTheOldText) {
    form->Tree1.setSelectedItem(&node("plants"));
    form->Tree1.StartLabelEdit();
    auto* field = view()->viewport()->findChild<QLineEdit*>();
    QTest::keyClicks(field, "Weeds");
    QTest::keyClick(field, Qt::Key_Escape);
    settle();
    form->refuseEdits = true;
    form->Tree1.StartLabelEdit();
    field = view()->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(field, nullptr);
    QTest::keyClicks(field, "Weeds");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(form->log, (Log{"AfterLabelEdit (none)", "AfterLabelEdit Weeds"}));
    EXPECT_EQ(node("plants").Text(), "Plants");
    EXPECT_NE(item("Plants"), nullptr);
}

TEST_F(TreeViews, HitTestFindsTheNodeUnderATwipPoint) {
    node("animals").setExpanded(true);
    const QPoint dogs = view()->viewport()->mapTo(host(), textOf("Dogs"));
    EXPECT_EQ(form->Tree1.HitTest(dogs.x() * 15.0, dogs.y() * 15.0), &node("dogs"));
    EXPECT_EQ(form->Tree1.HitTest(dogs.x() * 15.0, 4000), nullptr);
}

TEST_F(TreeViews, AClickOnTheSelectedNodeStartsAnAutomaticLabelEditUnlessManual) {
    click(textOf("Plants"));
    click(textOf("Plants"));
    EXPECT_EQ(form->Tree1.editingNode(), nullptr);
    ASSERT_TRUE(waitFor([&] { return form->Tree1.editingNode() == &node("plants"); }));
    EXPECT_NE(view()->viewport()->findChild<QLineEdit*>(), nullptr);
    click(textOf("Animals"));  // clicking elsewhere ends the edit with the text as it stands
    EXPECT_EQ(form->Tree1.editingNode(), nullptr);
    EXPECT_EQ(form->log.back(), "Click");
    EXPECT_NE(std::find(form->log.begin(), form->log.end(), "AfterLabelEdit Plants"),
              form->log.end());
    form->Tree1.setLabelEdit(1);
    click(textOf("Animals"));
    QTest::qWait(QApplication::doubleClickInterval() * 2);
    EXPECT_EQ(form->Tree1.editingNode(), nullptr);
}
