#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "runtime/Application.h"
#include "runtime/CheckBox.h"
#include "runtime/ListBox.h"
#include "runtime/ListView.h"
#include "runtime/headless/Harness.h"
#include "runtime/headless/User.h"

using namespace quillo::runtime;
using quillo::headless::Harness;
using quillo::headless::User;

namespace {

class Lists : public Form {
  public:
    Lists() : Form("Lists") {
        for (std::string name : {"alpha", "beta", "gamma", "delta", "epsilon"}) {
            LV.ListItems.Add("C:\\fav\\" + name + ".url", name);
            List1.AddItem(name);
        }
        LV.ItemClick = [this](ListItem& item) { clicked.push_back(item.Text()); };
        List1.Click = [this] { ++listClicks; };
        Check1.Click = [this] { checks.push_back(Check1.Value()); };
    }
    ListView& LV = add<ListView>("LV");
    ListBox& List1 = add<ListBox>("List1");
    CheckBox& Check1 = add<CheckBox>("Check1");
    std::vector<std::string> clicked;
    std::vector<int> checks;
    int listClicks = 0;

    std::vector<std::string> selectedItems() const {
        std::vector<std::string> texts;
        for (int i = 1; i <= LV.ListItems.Count(); ++i)
            if (LV.ListItems(i)->Selected()) texts.push_back(LV.ListItems(i)->Text());
        return texts;
    }
    std::vector<int> selectedEntries() const {
        std::vector<int> entries;
        for (int i = 0; i < List1.ListCount(); ++i)
            if (List1.Selected(i)) entries.push_back(i);
        return entries;
    }
};

using Texts = std::vector<std::string>;

}  // namespace

TEST(ListViews, SelectSeveralItemsWithCtrlAndShiftClicksWhenMultiSelect) {
    Harness harness;
    auto& form = app().form<Lists>();
    auto& lv = form.LV;
    lv.setMultiSelect(true);
    User::clickItem(lv, *lv.ListItems(2));
    User::clickItem(lv, *lv.ListItems(4), vbCtrlMask);
    EXPECT_EQ(form.selectedItems(), (Texts{"beta", "delta"}));
    User::clickItem(lv, *lv.ListItems(2), vbCtrlMask);
    EXPECT_EQ(form.selectedItems(), (Texts{"delta"}));
    // The Ctrl-click on beta made it the anchor that Shift extends from.
    User::clickItem(lv, *lv.ListItems(4), vbShiftMask);
    EXPECT_EQ(form.selectedItems(), (Texts{"beta", "gamma", "delta"}));
    User::clickItem(lv, *lv.ListItems(5));
    EXPECT_EQ(form.selectedItems(), (Texts{"epsilon"}));
    EXPECT_EQ(form.clicked, (Texts{"beta", "delta", "beta", "delta", "epsilon"}));
}

TEST(ListViews, SelectOneItemOnlyWithoutMultiSelect) {
    Harness harness;
    auto& form = app().form<Lists>();
    auto& lv = form.LV;
    User::clickItem(lv, *lv.ListItems(2));
    User::clickItem(lv, *lv.ListItems(4), vbCtrlMask);
    EXPECT_EQ(form.selectedItems(), (Texts{"delta"}));
    lv.ListItems(1)->setSelected(true);
    EXPECT_EQ(form.selectedItems(), (Texts{"alpha"}));
    EXPECT_EQ(lv.SelectedItem()->Text(), "alpha");
}

TEST(ListViews, AddTheChosenItemToASelectionOfSeveral) {
    Harness harness;
    auto& form = app().form<Lists>();
    auto& lv = form.LV;
    lv.setMultiSelect(true);
    lv.ListItems(1)->setSelected(true);
    lv.ListItems(3)->setSelected(true);
    lv.setSelectedItem(lv.ListItems(5));
    EXPECT_EQ(form.selectedItems(), (Texts{"alpha", "gamma", "epsilon"}));
    EXPECT_EQ(lv.SelectedItem()->Text(), "epsilon");
    lv.ListItems(5)->setSelected(false);
    EXPECT_EQ(lv.SelectedItem()->Text(), "alpha");
    lv.setSelectedItem(nullptr);
    EXPECT_TRUE(form.selectedItems().empty());
    EXPECT_EQ(lv.SelectedItem(), nullptr);
}

TEST(ListViews, FindItemsByKeyAndHitTestTheirRows) {
    Harness harness;
    auto& lv = app().form<Lists>().LV;
    EXPECT_EQ(lv.ListItems("C:\\fav\\gamma.url")->Index(), 3);
    EXPECT_EQ(lv.ListItems.Add("C:\\fav\\gamma.url", "again"), nullptr);
    EXPECT_EQ(lv.HitTest(0, 250)->Text(), "beta");
    EXPECT_EQ(lv.HitTest(0, 5 * 240 + 1), nullptr);
    lv.setDropHighlight(lv.HitTest(0, 10));
    EXPECT_TRUE(lv.ListItems.Remove(1));
    EXPECT_EQ(lv.DropHighlight(), nullptr);
    EXPECT_EQ(lv.ListItems(1)->Text(), "beta");
    EXPECT_EQ(lv.ListItems.Count(), 4);
}

TEST(ListViews, RenameTheEditedItemUnlessCancelled) {
    Harness harness;
    auto& lv = app().form<Lists>().LV;
    std::vector<std::optional<std::string>> edits;
    lv.AfterLabelEdit = [&](int& cancel, const std::optional<std::string>& text) {
        edits.push_back(text);
        cancel = text && text->empty();
    };
    lv.StartLabelEdit();
    EXPECT_EQ(lv.editingItem(), nullptr);
    User::clickItem(lv, *lv.ListItems(2));
    lv.StartLabelEdit();
    lv.endLabelEdit("bravo  ");
    lv.StartLabelEdit();
    lv.endLabelEdit("");
    EXPECT_EQ(lv.ListItems(2)->Text(), "bravo  ");
    EXPECT_EQ(lv.ListItems(2)->Key(), "C:\\fav\\beta.url");
    EXPECT_EQ(edits, (std::vector<std::optional<std::string>>{"bravo  ", ""}));
}

TEST(ListBoxes, SelectByTheirMultiSelectMode) {
    struct Case {
        int mode;
        std::vector<std::pair<int, int>> clicks;  // entry, shift
        std::vector<int> selected;
    };
    const std::vector<Case> cases = {
        {0, {{1, 0}, {3, vbCtrlMask}}, {3}},          {1, {{1, 0}, {3, 0}, {1, 0}}, {3}},
        {2, {{1, 0}, {3, vbCtrlMask}}, {1, 3}},       {2, {{1, 0}, {3, vbShiftMask}}, {1, 2, 3}},
        {2, {{1, 0}, {3, vbShiftMask}, {4, 0}}, {4}},
    };
    for (const Case& c : cases) {
        Harness harness;
        auto& form = app().form<Lists>();
        form.List1.setMultiSelect(c.mode);
        for (auto [entry, shift] : c.clicks)
            User::clickEntry(form.List1, entry, shift);
        EXPECT_EQ(form.selectedEntries(), c.selected) << "mode " << c.mode;
        EXPECT_EQ(form.List1.SelCount(), static_cast<int>(c.selected.size()));
        EXPECT_EQ(form.listClicks, static_cast<int>(c.clicks.size()));
    }
}

TEST(ListBoxes, RunClickWhenListIndexIsSetAndFollowRemovedEntries) {
    Harness harness;
    auto& form = app().form<Lists>();
    form.List1.setListIndex(3);
    EXPECT_EQ(form.listClicks, 1);
    EXPECT_EQ(form.List1.Text(), "delta");
    form.List1.RemoveItem(0);
    EXPECT_EQ(form.List1.ListIndex(), 2);
    EXPECT_TRUE(form.List1.Selected(2));
    form.List1.RemoveItem(2);
    EXPECT_EQ(form.List1.ListIndex(), -1);
    EXPECT_EQ(form.List1.Text(), "");
}

TEST(ListBoxes, RunDblClickAfterTheClickOfADoubleClickedEntry) {
    Harness harness;
    auto& form = app().form<Lists>();
    std::vector<std::string> events;
    form.List1.Click = [&] { events.push_back("click " + form.List1.Text()); };
    form.List1.DblClick = [&] { events.push_back("double " + form.List1.Text()); };
    User::doubleClickEntry(form.List1, 2);
    EXPECT_EQ(events, (Texts{"click gamma", "double gamma"}));
}

TEST(CheckBoxes, RunClickWhenTheirValueChangesByCodeOrByTheUser) {
    Harness harness;
    auto& form = app().form<Lists>();
    form.Check1.setValue(1);
    form.Check1.setValue(1);
    Harness::click(form.Check1);
    form.Check1.setValue(2);
    Harness::click(form.Check1);
    form.Check1.setValue(7);
    EXPECT_EQ(form.checks, (std::vector<int>{1, 0, 2, 0}));
}
