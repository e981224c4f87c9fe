#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "runtime/Application.h"
#include "runtime/Menu.h"
#include "runtime/TreeView.h"
#include "runtime/headless/Harness.h"
#include "runtime/headless/User.h"

using namespace quillo::runtime;
using quillo::headless::FindMenuEntry;
using quillo::headless::Harness;
using quillo::headless::PeerEvent;
using quillo::headless::User;

namespace {

class Tree : public Form {
  public:
    Tree() : Form("Tree") {
        mnuFile.setCaption("File");
        mnuOpen.setCaption("Open");
        mnuClose.setCaption("Close");
        mnuOpen.Click = [this] { menuClicks.push_back("Open"); };
    }
    TreeView& TV = add<TreeView>("TV");
    Menu& mnuFile = add<Menu>("mnuFile");
    Menu& mnuOpen = add<Menu>("mnuOpen", &mnuFile);
    Menu& mnuClose = add<Menu>("mnuClose", &mnuFile);
    std::vector<std::string> menuClicks;
};

bool recorded(const Harness& harness, const PeerEvent& wanted) {
    const auto& events = const_cast<Harness&>(harness).backend().peerEvents;
    return std::find(events.begin(), events.end(), wanted) != events.end();
}

}  // namespace

TEST(HeadlessMenus, AreAnsweredInOrderAndDismissedWhenNoAnswerIsLeft) {
    Harness harness;
    auto& form = app().form<Tree>();
    harness.backend().answerMenu("Open");
    harness.backend().answerMenu("Close");
    form.PopupMenu(form.mnuFile);
    form.PopupMenu(form.mnuFile);
    form.PopupMenu(form.mnuFile);
    EXPECT_EQ(form.menuClicks, (std::vector<std::string>{"Open"}));
    const auto& shown = harness.backend().menusShown;
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].owner, "Tree");
    EXPECT_EQ(shown[0].answer, 1);
    EXPECT_EQ(shown[1].answer, 2);
    EXPECT_EQ(shown[2].answer, 0);
}

TEST(HeadlessMenus, FindEntriesByCaptionDepthFirst) {
    std::vector<MenuEntry> entries = {{1, "A", true, false, {{2, "Inner", true, false, {}}}},
                                      {3, "Inner", true, false, {}},
                                      {4, "B", true, false, {}}};
    EXPECT_EQ(FindMenuEntry(entries, "Inner"), 2);
    EXPECT_EQ(FindMenuEntry(entries, "B"), 4);
    EXPECT_EQ(FindMenuEntry(entries, "b"), 0);
}

TEST(HeadlessMenus, LetTheirScriptsRunTimersWhileTheMenuIsOpen) {
    Harness harness;
    auto& form = app().form<Tree>();
    std::int64_t timeInside = -1;
    harness.backend().answerMenu([&](const MenuRequest&) {
        harness.advance(250);
        timeInside = app().now();
        return 0L;
    });
    form.PopupMenu(form.mnuFile);
    EXPECT_EQ(timeInside, 250);
}

TEST(HeadlessPeers, RecordEveryChangeOfATree) {
    Harness harness;
    auto& tv = app().form<Tree>().TV;
    Node* root = tv.Nodes.Add("", tvwLast, "MN", "Favorites");
    tv.Nodes.Add("MN", tvwChild, "MN1", "Shops");
    root->setExpanded(true);
    tv.setSelectedItem(root);
    tv.setDropHighlight(root);
    tv.StartLabelEdit();
    for (Property property : {Property::Items, Property::Expansion, Property::ListIndex,
                              Property::DropHighlight, Property::LabelEdit})
        EXPECT_TRUE(recorded(harness, {"Tree.TV", property})) << static_cast<int>(property);
}

TEST(HeadlessPeers, AnswerHitTestsByRowsOfTheRowHeight) {
    Harness harness;
    harness.backend().rowHeightPx = 20;
    auto& tv = app().form<Tree>().TV;
    tv.Nodes.Add("", tvwLast, "A", "a");
    tv.Nodes.Add("", tvwLast, "B", "b");
    EXPECT_EQ(tv.HitTest(0, 299)->Key(), "A");
    EXPECT_EQ(tv.HitTest(0, 300)->Key(), "B");
    EXPECT_DOUBLE_EQ(User::rowMiddle(tv, 1), 450);
    EXPECT_EQ(tv.HitTest(0, 600), nullptr);
}

TEST(HeadlessPeers, AreGoneOnceTheFormIsUnloaded) {
    Harness harness;
    auto& form = app().form<Tree>();
    form.TV.Nodes.Add("", tvwLast, "A", "a");
    form.Unload();
    EXPECT_TRUE(recorded(harness, {"Tree.TV", Property::Destroyed}));
    EXPECT_TRUE(recorded(harness, {"Tree", Property::Destroyed}));
}

TEST(HeadlessPeers, LetATestSeeEachValueAtTheMomentItIsSet) {
    Harness harness;
    auto& form = app().form<Tree>();
    std::vector<std::string> captions;
    harness.backend().onChange = [&](Control& control, Property property) {
        if (&control == &form.mnuOpen && property == Property::Caption)
            captions.push_back(form.mnuOpen.Caption());
    };
    form.mnuOpen.setCaption("One");
    form.mnuOpen.setCaption("Two");
    form.mnuClose.setCaption("Other");
    EXPECT_EQ(captions, (std::vector<std::string>{"One", "Two"}));
}
