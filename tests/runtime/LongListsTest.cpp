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

// One way of filling a list with entries 0 to n - 1, top to bottom, and emptying it again.
struct Filling {
    const char* what;
    const char* control;                            // as the peer names it
    std::function<void(LongLists&, int i)> add;     // i from 0 up
    std::function<void(LongLists&, int i)> remove;  // i from 0 up
};

// The list's texts top to bottom; a tree's top-level nodes, or the children of "MN".
std::vector<std::string> Shown(LongLists& f, const std::string& control) {
    std::vector<std::string> texts;
    for (int i = 0; control == "Combo1" && i < f.Combo1.ListCount(); ++i)
        texts.push_back(f.Combo1.List(i));
    for (int i = 0; control == "List1" && i < f.List1.ListCount(); ++i)
        texts.push_back(f.List1.List(i));
    for (int i = 1; control == "LV" && i <= f.LV.ListItems.Count(); ++i)
        texts.push_back(f.LV.ListItems(i)->Text());
    if (control != "TV") return texts;
    for (const Node* node : f.TV.Nodes("MN") ? f.TV.Nodes("MN")->children() : f.TV.Nodes.roots())
        texts.push_back(node->Text());
    return texts;
}

std::vector<Filling> Fillings() {
    const int n = kEntries;
    return {
        {"combo box, each entry last", "Combo1",
         [](LongLists& f, int i) { f.Combo1.AddItem(EntryText(i)); },
         [](LongLists& f, int) { f.Combo1.RemoveItem(0); }},
        {"combo box, each entry first", "Combo1",
         [n](LongLists& f, int i) { f.Combo1.AddItem(EntryText(n - 1 - i), 0); },
         [](LongLists& f, int) { f.Combo1.RemoveItem(f.Combo1.ListCount() - 1); }},
        {"sorted list box, entries coming last first", "List1",
         [n](LongLists& f, int i) {
             if (i == 0) f.List1.setSorted(true);
             f.List1.AddItem(EntryText(n - 1 - i));
         },
         [](LongLists& f, int) { f.List1.RemoveItem(0); }},
        {"list view", "LV",
         [](LongLists& f, int i) { f.LV.ListItems.Add(EntryKey(i), EntryText(i)); },
         [](LongLists& f, int i) { f.LV.ListItems.Remove(EntryKey(i)); }},
        {"tree, top-level nodes", "TV",
         [](LongLists& f, int i) { f.TV.Nodes.Add("", tvwLast, EntryKey(i), EntryText(i)); },
         [](LongLists& f, int i) { f.TV.Nodes.Remove(EntryKey(i)); }},
        {"tree, children of one node", "TV",
         [](LongLists& f, int i) {
             if (i == 0) f.TV.Nodes.Add("", tvwLast, "MN", "Favorites");
             f.TV.Nodes.Add("MN", tvwChild, EntryKey(i), EntryText(i));
         },
         [n](LongLists& f, int i) { f.TV.Nodes.Remove(EntryKey(n - 1 - i)); }},
        {"tree, each node after the one before", "TV",
         [](LongLists& f, int i) {
             f.TV.Nodes.Add(i == 0 ? "" : EntryKey(i - 1), i == 0 ? tvwLast : tvwNext, EntryKey(i),
                            EntryText(i));
         },
         [n](LongLists& f, int i) { f.TV.Nodes.Remove(EntryKey(n - 1 - i)); }},
        {"sorted tree, nodes coming last first", "TV",
         [n](LongLists& f, int i) {
             if (i == 0) f.TV.setSorted(true);
             f.TV.Nodes.Add("", tvwLast, EntryKey(i), EntryText(n - 1 - i));
         },
         [](LongLists& f, int i) { f.TV.Nodes.Remove(EntryKey(i)); }},
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
    const std::string control = "LongLists." + std::string(filling.control);
    // One row more where the entries go under a node of their own.
    EXPECT_LE(RowsWrittenBy(harness, control, kEntries, [&](int i) { filling.add(form, i); }),
              kEntries + 1);
    std::vector<std::string> entries;
    for (int i = 0; i < kEntries; ++i)
        entries.push_back(EntryText(i));
    EXPECT_EQ(Shown(form, filling.control), entries);
    EXPECT_LE(RowsWrittenBy(harness, control, kEntries, [&](int i) { filling.remove(form, i); }),
              kEntries);
    EXPECT_TRUE(Shown(form, filling.control).empty());
}

}  // namespace

TEST(LongLists, FillAndEmptyWritingEachEntrysRowOnce) {
    for (const Filling& filling : Fillings()) {
        SCOPED_TRACE(filling.what);
        FillAndEmpty(filling);
    }
}
