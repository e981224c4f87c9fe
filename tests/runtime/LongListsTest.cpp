#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/Application.h"
#include "runtime/LongListForm.h"
#include "runtime/headless/Harness.h"

using namespace quillo::runtime;
using namespace quillo::testing;
using quillo::headless::Harness;

namespace {

using L = LongListForm;
using Step = std::function<void(L&, int i)>;
constexpr int n = kLongList;

// The list's texts top to bottom; a tree's top-level nodes, or the children of "MN".
std::vector<std::string> Shown(L& f, const std::string& control) {
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

}  // namespace

TEST(LongLists, FillAndEmptyWritingEachEntrysRowOnce) {
    struct Case {
        const char *what, *control;
        Step add, remove;  // entries 0 to n - 1, top to bottom, and back out
    };
    const Step removeNode = [](L& f, int i) { f.TV.Nodes.Remove(EntryKey(i)); };
    const Step removeLastNode = [](L& f, int i) { f.TV.Nodes.Remove(EntryKey(n - 1 - i)); };
    const Case cases[] = {
        {"combo box, each entry last", "Combo1",
         [](L& f, int i) { f.Combo1.AddItem(EntryText(i)); },
         [](L& f, int) { f.Combo1.RemoveItem(0); }},
        {"combo box, each entry first", "Combo1",
         [](L& f, int i) { f.Combo1.AddItem(EntryText(n - 1 - i), 0); },
         [](L& f, int) { f.Combo1.RemoveItem(f.Combo1.ListCount() - 1); }},
        {"sorted list box, entries coming last first", "List1",
         [](L& f, int i) {
             if (i == 0) f.List1.setSorted(true);
             f.List1.AddItem(EntryText(n - 1 - i));
         },
         [](L& f, int) { f.List1.RemoveItem(0); }},
        {"list view", "LV", [](L& f, int i) { f.LV.ListItems.Add(EntryKey(i), EntryText(i)); },
         [](L& f, int i) { f.LV.ListItems.Remove(EntryKey(i)); }},
        {"tree, top-level nodes", "TV",
         [](L& f, int i) { f.TV.Nodes.Add("", tvwLast, EntryKey(i), EntryText(i)); }, removeNode},
        {"tree, children of one node", "TV",
         [](L& f, int i) {
             if (i == 0) f.TV.Nodes.Add("", tvwLast, "MN", "Favorites");
             f.TV.Nodes.Add("MN", tvwChild, EntryKey(i), EntryText(i));
         },
         removeLastNode},
        {"tree, each node after the one before", "TV",
         [](L& f, int i) {
             f.TV.Nodes.Add(i == 0 ? "" : EntryKey(i - 1), i == 0 ? tvwLast : tvwNext, EntryKey(i),
                            EntryText(i));
         },
         removeLastNode},
        {"sorted tree, nodes coming last first", "TV",
         [](L& f, int i) {
             if (i == 0) f.TV.setSorted(true);
             f.TV.Nodes.Add("", tvwLast, EntryKey(i), EntryText(n - 1 - i));
         },
         removeNode},
    };
    std::vector<std::string> entries;
    for (int i = 0; i < n; ++i)
        entries.push_back(EntryText(i));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Harness harness;
        auto& form = app().form<L>();
        long& rows = harness.backend().rowsWritten["LongLists." + std::string(c.control)];
        // The rows the peer wrote in a pass; it stops once they pass twice the steps, as a list
        // written again for every entry would take minutes here.
        auto rowsBy = [&](const Step& step) {
            const long before = rows;
            for (int i = 0; i < n && rows - before <= 2L * n; ++i)
                step(form, i);
            return rows - before;
        };
        EXPECT_LE(rowsBy(c.add), n + 1);  // one more where the entries go under a node
        EXPECT_EQ(Shown(form, c.control), entries);
        EXPECT_LE(rowsBy(c.remove), n);
        EXPECT_TRUE(Shown(form, c.control).empty());
    }
}
