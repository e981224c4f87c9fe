#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "runtime/Application.h"
#include "runtime/TreeView.h"
#include "runtime/headless/Harness.h"
#include "runtime/headless/User.h"

using namespace quillo::runtime;
using quillo::headless::Harness;
using quillo::headless::User;

namespace {

// A folder tree: Favorites with Shops (Toys, Books) and News.
class Folders : public Form {
  public:
    Folders() : Form("Folders") {
        TV.setWidth(3000);
        TV.setHeight(4000);
        TV.Nodes.Add("", tvwLast, "MN", "Favorites");
        TV.Nodes.Add("MN", tvwChild, "MN1", "Shops");
        TV.Nodes.Add("MN1", tvwChild, "MN11", "Toys");
        TV.Nodes.Add("MN1", tvwChild, "MN12", "Books");
        TV.Nodes.Add("MN", tvwChild, "MN2", "News");
        TV.AfterLabelEdit = [this](int& cancel, const std::optional<std::string>& text) {
            edits.push_back(text);
            if (text && *text == "refused") cancel = 1;
        };
    }
    TreeView& TV = add<TreeView>("TV");
    std::vector<std::optional<std::string>> edits;
};

std::vector<std::string> keysOf(const std::vector<Node*>& nodes) {
    std::vector<std::string> keys;
    for (Node* node : nodes)
        keys.push_back(node->Key());
    return keys;
}

}  // namespace

TEST(TreeViews, GiveEachNodeItsFullPathParentAndNeighbours) {
    Harness harness;
    auto& tv = app().form<Folders>().TV;
    Node* toys = tv.Nodes("MN11");
    ASSERT_NE(toys, nullptr);
    EXPECT_EQ(toys->FullPath(), "Favorites\\Shops\\Toys");
    EXPECT_EQ(toys->Parent()->Key(), "MN1");
    EXPECT_EQ(toys->Next()->Key(), "MN12");
    EXPECT_EQ(toys->Next()->Next(), nullptr);
    EXPECT_EQ(toys->Previous(), nullptr);
    EXPECT_EQ(toys->Root()->Key(), "MN");
    EXPECT_EQ(tv.Nodes("MN")->Children(), 2);
    EXPECT_EQ(tv.Nodes("MN")->Child()->Key(), "MN1");
    EXPECT_EQ(tv.Nodes("MN2")->FirstSibling()->Key(), "MN1");
    EXPECT_EQ(tv.Nodes("MN1")->LastSibling()->Key(), "MN2");
    EXPECT_EQ(tv.Nodes(3)->Key(), "MN11");
    EXPECT_EQ(tv.Nodes("MN2")->Index(), 5);
    EXPECT_EQ(tv.Nodes.Count(), 5);
}

TEST(TreeViews, PlaceNewNodesByTheirRelationshipToAnother) {
    Harness harness;
    auto& tv = app().form<Folders>().TV;
    tv.Nodes.Add("MN12", tvwPrevious, "P", "before books");
    tv.Nodes.Add("MN11", tvwNext, "N", "after toys");
    tv.Nodes.Add("MN12", tvwFirst, "F", "first");
    tv.Nodes.Add("MN11", tvwLast, "L", "last");
    EXPECT_EQ(keysOf(tv.Nodes("MN1")->children()),
              (std::vector<std::string>{"F", "MN11", "N", "P", "MN12", "L"}));
    tv.Nodes.Add("", tvwFirst, "TOP", "top");
    EXPECT_EQ(keysOf(tv.Nodes.roots()), (std::vector<std::string>{"TOP", "MN"}));
}

TEST(TreeViews, RefuseTakenKeysAndUnknownRelatives) {
    Harness harness;
    auto& tv = app().form<Folders>().TV;
    EXPECT_EQ(tv.Nodes.Add("MN", tvwChild, "MN1", "again"), nullptr);
    EXPECT_EQ(tv.Nodes.Add("MN9", tvwChild, "MN91", "orphan"), nullptr);
    EXPECT_NE(tv.Nodes.Add("MN", tvwChild, "", "no key"), nullptr);
    EXPECT_NE(tv.Nodes.Add("MN", tvwChild, "", "no key either"), nullptr);
    EXPECT_EQ(tv.Nodes.Count(), 7);
}

TEST(TreeViews, RemoveANodeWithEverythingBelowItAndForgetItsSelection) {
    Harness harness;
    auto& tv = app().form<Folders>().TV;
    tv.setSelectedItem(tv.Nodes("MN12"));
    tv.setDropHighlight(tv.Nodes("MN11"));
    EXPECT_TRUE(tv.Nodes.Remove("MN1"));
    EXPECT_EQ(tv.Nodes.Count(), 2);
    EXPECT_EQ(tv.Nodes("MN12"), nullptr);
    EXPECT_EQ(tv.SelectedItem(), nullptr);
    EXPECT_EQ(tv.DropHighlight(), nullptr);
    EXPECT_FALSE(tv.Nodes.Remove("MN1"));
    tv.Nodes.Clear();
    EXPECT_EQ(tv.Nodes.Count(), 0);
    EXPECT_TRUE(tv.Nodes.roots().empty());
}

TEST(TreeViews, HitTestTheRowsThatExpandedNodesShow) {
    Harness harness;
    auto& tv = app().form<Folders>().TV;
    struct Case {
        double y;
        const char* key;
    };
    // Collapsed: only the root shows; rows are 16 pixels, 240 twips.
    EXPECT_EQ(tv.HitTest(100, 120)->Key(), "MN");
    EXPECT_EQ(tv.HitTest(100, 300), nullptr);
    tv.Nodes("MN")->setExpanded(true);
    tv.Nodes("MN1")->setExpanded(true);
    for (Case c : {Case{0, "MN"}, Case{239, "MN"}, Case{240, "MN1"}, Case{500, "MN11"},
                   Case{800, "MN12"}, Case{1000, "MN2"}}) {
        Node* hit = tv.HitTest(100, c.y);
        ASSERT_NE(hit, nullptr) << c.y;
        EXPECT_EQ(hit->Key(), c.key) << c.y;
    }
    EXPECT_EQ(tv.HitTest(100, 1200), nullptr);
    EXPECT_EQ(tv.HitTest(3000, 100), nullptr);
    EXPECT_EQ(tv.HitTest(-1, 100), nullptr);
}

TEST(TreeViews, RaiseExpandOnlyForTheUsersExpanding) {
    Harness harness;
    auto& tv = app().form<Folders>().TV;
    std::vector<std::string> events;
    tv.Expand = [&](Node& node) { events.push_back("+" + node.Key()); };
    tv.Collapse = [&](Node& node) { events.push_back("-" + node.Key()); };
    tv.Nodes("MN")->setExpanded(true);
    tv.Nodes("MN12")->EnsureVisible();
    EXPECT_TRUE(tv.Nodes("MN1")->Expanded());
    User::expandNode(tv, *tv.Nodes("MN2"));
    User::collapseNode(tv, *tv.Nodes("MN1"));
    EXPECT_EQ(events, (std::vector<std::string>{"+MN2", "-MN1"}));
    EXPECT_FALSE(tv.Nodes("MN1")->Expanded());
}

TEST(TreeViews, SelectTheClickedNodeBeforeNodeClickRuns) {
    Harness harness;
    auto& tv = app().form<Folders>().TV;
    tv.Nodes("MN")->setExpanded(true);
    std::string selectedInHandler;
    tv.NodeClick = [&](Node& node) {
        selectedInHandler = tv.SelectedItem()->Key() + "/" + node.FullPath();
    };
    User::clickNode(tv, *tv.Nodes("MN2"));
    EXPECT_EQ(selectedInHandler, "MN2/Favorites\\News");
    EXPECT_TRUE(tv.Nodes("MN2")->Selected());
    std::string rightPressed;
    tv.MouseDown = [&](int button, int, double x, double y) {
        if (button == vbRightButton) rightPressed = tv.HitTest(x, y)->Key();
    };
    User::clickNode(tv, *tv.Nodes("MN1"), vbRightButton);
    EXPECT_EQ(rightPressed, "MN1");
    EXPECT_EQ(tv.SelectedItem()->Key(), "MN2");
}

TEST(TreeViews, TakeTheEditedLabelUnlessTheHandlerCancels) {
    Harness harness;
    auto& form = app().form<Folders>();
    auto& tv = form.TV;
    tv.setSelectedItem(tv.Nodes("MN2"));
    tv.StartLabelEdit();
    EXPECT_EQ(tv.editingNode(), tv.Nodes("MN2"));
    tv.endLabelEdit("Headlines");
    EXPECT_EQ(tv.Nodes("MN2")->Text(), "Headlines");
    EXPECT_EQ(tv.editingNode(), nullptr);
    tv.StartLabelEdit();
    tv.endLabelEdit("refused");
    EXPECT_EQ(tv.Nodes("MN2")->Text(), "Headlines");
    tv.StartLabelEdit();
    tv.endLabelEdit(std::nullopt);
    EXPECT_EQ(tv.Nodes("MN2")->Text(), "Headlines");
    EXPECT_EQ(form.edits,
              (std::vector<std::optional<std::string>>{"Headlines", "refused", std::nullopt}));
    tv.endLabelEdit("no edit open");
    EXPECT_EQ(form.edits.size(), 3u);
}

TEST(TreeViews, StartNoLabelEditWithoutASelectedNodeOrWhenBeforeLabelEditCancels) {
    Harness harness;
    auto& tv = app().form<Folders>().TV;
    tv.StartLabelEdit();
    EXPECT_EQ(tv.editingNode(), nullptr);
    tv.BeforeLabelEdit = [](int& cancel) { cancel = 1; };
    tv.setSelectedItem(tv.Nodes("MN1"));
    tv.StartLabelEdit();
    EXPECT_EQ(tv.editingNode(), nullptr);
}

TEST(TreeViews, SurviveAnAfterLabelEditThatRebuildsTheTree) {
    Harness harness;
    auto& tv = app().form<Folders>().TV;
    tv.AfterLabelEdit = [&](int&, const std::optional<std::string>&) {
        tv.Nodes.Clear();
        tv.Nodes.Add("", tvwLast, "MN", "Favorites");
    };
    tv.setSelectedItem(tv.Nodes("MN11"));
    tv.StartLabelEdit();
    tv.endLabelEdit("Games");
    EXPECT_EQ(tv.Nodes.Count(), 1);
    EXPECT_EQ(tv.Nodes("MN")->Text(), "Favorites");
}

TEST(TreeViews, SortedKeepNodesInOrderOfTheirTexts) {
    Harness harness;
    auto& tv = app().form<Folders>().TV;
    tv.Nodes("MN1")->setSorted(true);
    EXPECT_EQ(keysOf(tv.Nodes("MN1")->children()), (std::vector<std::string>{"MN12", "MN11"}));
    tv.Nodes.Add("MN1", tvwChild, "MN13", "animals");
    EXPECT_EQ(keysOf(tv.Nodes("MN1")->children()),
              (std::vector<std::string>{"MN13", "MN12", "MN11"}));
    tv.Nodes("MN13")->setText("Zoo");
    EXPECT_EQ(keysOf(tv.Nodes("MN1")->children()),
              (std::vector<std::string>{"MN12", "MN11", "MN13"}));
}
