#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QComboBox>
#include <functional>
#include <string>
#include <utility>

#include "QtFixture.h"
#include "runtime/LongListForm.h"

using namespace quillo::runtime;
using quillo::e2e::QtFixture;

namespace {

using LongLists = quillo::testing::LongListForm;
using quillo::testing::EntryKey;
using quillo::testing::EntryText;
constexpr int kEntries = quillo::testing::kLongList;

// One kind of list filled with entries 0 to n - 1, top to bottom, and emptied from the top.
struct Filling {
    const char* what;
    const char* control;
    std::function<void(LongLists&, int i)> add;
    std::function<void(LongLists&, int i)> choose;
    std::function<void(LongLists&, int i)> remove;  // the top entry, which is entry i
};

std::vector<Filling> Fillings() {
    auto chooseNode = [](LongLists& f, int i) { f.TV.setSelectedItem(f.TV.Nodes(EntryKey(i))); };
    auto removeNode = [](LongLists& f, int i) { f.TV.Nodes.Remove(EntryKey(i)); };
    return {
        {"combo box", "Combo1", [](LongLists& f, int i) { f.Combo1.AddItem(EntryText(i)); },
         [](LongLists& f, int i) { f.Combo1.setListIndex(i); },
         [](LongLists& f, int) { f.Combo1.RemoveItem(0); }},
        {"list box, entries added at the top", "List1",
         [](LongLists& f, int i) { f.List1.AddItem(EntryText(kEntries - 1 - i), 0); },
         [](LongLists& f, int i) { f.List1.setListIndex(i); },
         [](LongLists& f, int) { f.List1.RemoveItem(0); }},
        {"list view", "LV",
         [](LongLists& f, int i) { f.LV.ListItems.Add(EntryKey(i), EntryText(i)); },
         [](LongLists& f, int i) { f.LV.setSelectedItem(f.LV.ListItems(i + 1)); },
         [](LongLists& f, int i) { f.LV.ListItems.Remove(EntryKey(i)); }},
        {"tree, top-level nodes", "TV",
         [](LongLists& f, int i) { f.TV.Nodes.Add("", tvwLast, EntryKey(i), EntryText(i)); },
         chooseNode, removeNode},
        {"tree, children of an expanded node", "TV",
         [](LongLists& f, int i) {
             if (i == 0) f.TV.Nodes.Add("", tvwLast, "MN", "Favorites")->setExpanded(true);
             f.TV.Nodes.Add("MN", tvwChild, EntryKey(i), EntryText(i));
         },
         chooseNode, removeNode},
    };
}

// What a list's widget shows: its rows top to bottom (under the node "Favorites" when there is
// one), and the rows it shows chosen.
std::pair<QStringList, QList<int>> Shown(QWidget* widget) {
    auto* view = widget->findChild<QAbstractItemView*>();
    QAbstractItemModel* model = view->model();
    const QModelIndex top = model->index(0, 0);
    const QModelIndex parent = top.data().toString() == "Favorites" ? top : QModelIndex();
    std::pair<QStringList, QList<int>> shown;
    for (int row = 0; row < model->rowCount(parent); ++row)
        shown.first.append(model->index(row, 0, parent).data().toString());
    if (auto* combo = widget->findChild<QComboBox*>()) {
        if (combo->currentIndex() >= 0) shown.second.append(combo->currentIndex());
    } else {
        for (const QModelIndex& index : view->selectionModel()->selectedIndexes())
            shown.second.append(index.row());
    }
    return shown;
}

// Runs step for i from 0 to n - 1 and returns the rows the widget's model saw change (a
// reset counts the rows it drops). It stops once they pass twice the steps: a list built
// again for every entry would take hours here.
long RowsBy(QAbstractItemModel* model, int n, const std::function<void(int)>& step) {
    long rows = 0;
    QObject counting;
    const auto span = [&](const QModelIndex&, int first, int last) { rows += last - first + 1; };
    QObject::connect(model, &QAbstractItemModel::rowsInserted, &counting, span);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, &counting, span);
    QObject::connect(
        model, &QAbstractItemModel::dataChanged, &counting,
        [&](const QModelIndex& from, const QModelIndex& to) { rows += to.row() - from.row() + 1; });
    QObject::connect(model, &QAbstractItemModel::modelAboutToBeReset, &counting,
                     [&] { rows += model->rowCount(); });
    for (int i = 0; i < n && rows <= 2L * n; ++i)
        step(i);
    return rows;
}

using LongListsOnQt = QtFixture;

}  // namespace

TEST_F(LongListsOnQt, FillAndEmptyChangingEachEntrysRowOnceAndShowingTheModel) {
    LongLists& form = application().newForm<LongLists>();
    form.Move(0, 0, 9000, 6000);
    form.Show();
    const int middle = kEntries / 2;
    QStringList entries;
    for (int i = 0; i < kEntries; ++i)
        entries.append(QString::fromStdString(EntryText(i)));
    for (const Filling& filling : Fillings()) {
        SCOPED_TRACE(filling.what);
        form.TV.Nodes.Clear();
        Control& control = *form.findControl(filling.control);
        control.Move(150, 150, 4000, 4000);
        QWidget* widget = widgetOf(control);
        QAbstractItemModel* model = widget->findChild<QAbstractItemView*>()->model();
        // One row more where the entries go under a node of their own.
        EXPECT_LE(RowsBy(model, kEntries, [&](int i) { filling.add(form, i); }), kEntries + 1);
        filling.choose(form, middle);
        EXPECT_EQ(Shown(widget), std::pair(entries, QList<int>{middle}));
        // Past the chosen entry Qt would choose the next one; the list keeps the model's choice.
        EXPECT_LE(RowsBy(model, middle + 1, [&](int i) { filling.remove(form, i); }), middle + 1);
        EXPECT_EQ(Shown(widget), std::pair(entries.mid(middle + 1), QList<int>{}));
    }
}
