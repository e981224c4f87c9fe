#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/Application.h"
#include "runtime/LongListForm.h"
#include "runtime/headless/Harness.h"

using namespace quillo::runtime;
using quillo::headless::Harness;

namespace {

using LongLists = quillo::testing::LongListForm;
using quillo::testing::EntryKey;
using quillo::testing::EntryText;
constexpr int kEntries = quillo::testing::kLongList;

std::vector<std::string> TextsOf(const std::vector<Node*>& nodes) {
    std::vector<std::string> texts;
    for (const Node* node : nodes)
        texts.push_back(node->Text());
    return texts;
}

// One way of filling a list and emptying it again, entry by entry.
struct Filling {
    const char* what;
    const char* control;  // as the peer names it
    std::function<void(LongLists&)> prepare;
    std::function<void(LongLists&, int i)> add;     // i from 0 up
    std::function<void(LongLists&, int i)> remove;  // i from 0 up
    std::function<std::vector<std::string>(LongLists&)> shown;
    std::string first, last;  // what the filled list shows at its top and bottom
};

std::vector<std::string> ComboTexts(LongLists& f) {
    std::vector<std::string> texts;
    for (int i = 0; i < f.Combo1.ListCount(); ++i)
        texts.push_back(f.Combo1.List(i));
    return texts;
}
std::vector<std::string> ListTexts(LongLists& f) {
    std::vector<std::string> texts;
    for (int i = 0; i < f.List1.ListCount(); ++i)
        texts.push_back(f.List1.List(i));
    return texts;
}
std::vector<std::string> ItemTexts(LongLists& f) {
    std::vector<std::string> texts;
    for (int i = 1; i <= f.LV.ListItems.Count(); ++i)
        texts.push_back(f.LV.ListItems(i)->Text());
    return texts;
}

std::vector<Filling> Fillings() {
    const int n = kEntries;
    auto none = [](LongLists&) {};
    auto roots = [](LongLists& f) { return TextsOf(f.TV.Nodes.roots()); };
    return {
        {"combo box, each entry last", "Combo1", none,
         [](LongLists& f, int i) { f.Combo1.AddItem(EntryText(i)); },
         [](LongLists& f, int) { f.Combo1.RemoveItem(0); }, ComboTexts, EntryText(0),
         EntryText(n - 1)},
        {"combo box, each entry first", "Combo1", none,
         [](LongLists& f, int i) { f.Combo1.AddItem(EntryText(i), 0); },
         [](LongLists& f, int) { f.Combo1.RemoveItem(f.Combo1.ListCount() - 1); }, ComboTexts,
         EntryText(n - 1), EntryText(0)},
        {"list box", "List1", none, [](LongLists& f, int i) { f.List1.AddItem(EntryText(i)); },
         [](LongLists& f, int) { f.List1.RemoveItem(f.List1.ListCount() - 1); }, ListTexts,
         EntryText(0), EntryText(n - 1)},
        {"sorted list box, entries coming last first", "List1",
         [](LongLists& f) { f.List1.setSorted(true); },
         [n](LongLists& f, int i) { f.List1.AddItem(EntryText(n - 1 - i)); },
         [](LongLists& f, int) { f.List1.RemoveItem(0); }, ListTexts, EntryText(0),
         EntryText(n - 1)},
        {"list view", "LV", none,
         [](LongLists& f, int i) { f.LV.ListItems.Add(EntryKey(i), EntryText(i)); },
         [](LongLists& f, int i) { f.LV.ListItems.Remove(EntryKey(i)); }, ItemTexts, EntryText(0),
         EntryText(n - 1)},
        {"tree, top-level nodes", "TV", none,
         [](LongLists& f, int i) { f.TV.Nodes.Add("", tvwLast, EntryKey(i), EntryText(i)); },
         [](LongLists& f, int i) { f.TV.Nodes.Remove(EntryKey(i)); }, roots, EntryText(0),
         EntryText(n - 1)},
        {"tree, children of one node", "TV",
         [](LongLists& f) { f.TV.Nodes.Add("", tvwLast, "MN", "Favorites"); },
         [](LongLists& f, int i) { f.TV.Nodes.Add("MN", tvwChild, EntryKey(i), EntryText(i)); },
         [n](LongLists& f, int i) { f.TV.Nodes.Remove(EntryKey(n - 1 - i)); },
         [](LongLists& f) { return TextsOf(f.TV.Nodes("MN")->children()); }, EntryText(0),
         EntryText(n - 1)},
        {"tree, each node after the one before", "TV", none,
         [](LongLists& f, int i) {
             if (i == 0)
                 f.TV.Nodes.Add("", tvwLast, EntryKey(i), EntryText(i));
             else
                 f.TV.Nodes.Add(EntryKey(i - 1), tvwNext, EntryKey(i), EntryText(i));
         },
         [n](LongLists& f, int i) { f.TV.Nodes.Remove(EntryKey(n - 1 - i)); }, roots, EntryText(0),
         EntryText(n - 1)},
        {"sorted tree, nodes coming last first", "TV", [](LongLists& f) { f.TV.setSorted(true); },
         [n](LongLists& f, int i) {
             f.TV.Nodes.Add("", tvwLast, EntryKey(i), EntryText(n - 1 - i));
         },
         [](LongLists& f, int i) { f.TV.Nodes.Remove(EntryKey(i)); }, roots, EntryText(0),
         EntryText(n - 1)},
    };
}

// Runs step for i from 0 to n - 1 and returns the rows the control's peer wrote meanwhile. It
// stops once they pass twice the steps: a list that is written again for every entry would
// take minutes here.
long RowsWrittenBy(Harness& harness, const std::string& control, int n,
                   const std::function<void(int)>& step) {
    long& rows = harness.backend().rowsWritten[control];
    const long before = rows;
    for (int i = 0; i < n && rows - before <= 2L * n; ++i)
        step(i);
    return rows - before;
}

// Fills the list, checks it, and empties it again (a failed check ends this one list's run).
void FillAndEmpty(const Filling& filling) {
    Harness harness;
    auto& form = app().form<LongLists>();
    filling.prepare(form);
    const std::string control = "LongLists." + std::string(filling.control);
    const long filled =
        RowsWrittenBy(harness, control, kEntries, [&](int i) { filling.add(form, i); });
    EXPECT_LE(filled, kEntries);
    const std::vector<std::string> shown = filling.shown(form);
    ASSERT_EQ(shown.size(), static_cast<std::size_t>(kEntries));
    EXPECT_EQ(shown.front(), filling.first);
    EXPECT_EQ(shown.back(), filling.last);
    const long emptied =
        RowsWrittenBy(harness, control, kEntries, [&](int i) { filling.remove(form, i); });
    EXPECT_LE(emptied, kEntries);
    EXPECT_TRUE(filling.shown(form).empty());
}

}  // namespace

TEST(LongLists, FillAndEmptyWritingEachEntrysRowOnce) {
    for (const Filling& filling : Fillings()) {
        SCOPED_TRACE(filling.what);
        FillAndEmpty(filling);
    }
}
