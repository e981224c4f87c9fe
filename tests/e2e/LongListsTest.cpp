#include <QAbstractItemModel>
#include <QComboBox>
#include <QListWidget>
#include <QTreeWidget>
#include <functional>
#include <string>

#include "QtFixture.h"
#include "runtime/LongListForm.h"

using namespace quillo::runtime;
using quillo::e2e::QtFixture;

namespace {

using LongLists = quillo::testing::LongListForm;
using quillo::testing::EntryKey;
using quillo::testing::EntryText;
constexpr int kEntries = quillo::testing::kLongList;

// The rows a widget's Qt model gains, loses or changes; a reset counts the rows it drops.
class RowCounter : public QObject {
  public:
    explicit RowCounter(QAbstractItemModel* model) {
        auto span = [this](const QModelIndex&, int first, int last) { rows += last - first + 1; };
        connect(model, &QAbstractItemModel::rowsInserted, this, span);
        connect(model, &QAbstractItemModel::rowsRemoved, this, span);
        connect(model, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex& from, const QModelIndex& to) {
                    rows += to.row() - from.row() + 1;
                });
        connect(model, &QAbstractItemModel::modelAboutToBeReset, this,
                [this, model] { rows += model->rowCount(); });
    }
    long rows = 0;
};

// What the widget of one kind of list shows: its rows' texts and its chosen rows.
struct Shown {
    QStringList rows;
    QList<int> chosen;
};

// One kind of list filled on Qt, a chosen entry in its middle, and emptied from the top.
struct Filling {
    const char* what;
    std::function<void(LongLists&)> prepare;
    std::function<void(LongLists&, int i)> add;
    std::function<void(LongLists&, int i)> choose;
    std::function<void(LongLists&, int i)> remove;  // the top entry, which is entry i
    std::function<QAbstractItemModel*(QWidget*)> model;
    std::function<Shown(QWidget*)> shown;
    Control& (*control)(LongLists&);
};

QList<int> SelectedRows(QAbstractItemView* view) {
    QList<int> rows;
    for (const QModelIndex& index : view->selectionModel()->selectedIndexes())
        rows.append(index.row());
    return rows;
}

Shown ListShown(QWidget* widget) {
    auto* list = widget->findChild<QListWidget*>();
    Shown shown;
    for (int row = 0; row < list->count(); ++row)
        shown.rows.append(list->item(row)->text());
    shown.chosen = SelectedRows(list);
    return shown;
}

QTreeWidget* TreeOf(QWidget* widget) {
    return widget->findChild<QTreeWidget*>();
}

std::vector<Filling> Fillings() {
    auto none = [](LongLists&) {};
    auto listModel = [](QWidget* w) { return w->findChild<QListWidget*>()->model(); };
    return {
        {"combo box", none, [](LongLists& f, int i) { f.Combo1.AddItem(EntryText(i)); },
         [](LongLists& f, int i) { f.Combo1.setListIndex(i); },
         [](LongLists& f, int) { f.Combo1.RemoveItem(0); },
         [](QWidget* w) { return w->findChild<QComboBox*>()->model(); },
         [](QWidget* w) {
             auto* combo = w->findChild<QComboBox*>();
             Shown shown;
             for (int row = 0; row < combo->count(); ++row)
                 shown.rows.append(combo->itemText(row));
             if (combo->currentIndex() >= 0) shown.chosen.append(combo->currentIndex());
             return shown;
         },
         [](LongLists& f) -> Control& { return f.Combo1; }},
        {"list box", none, [](LongLists& f, int i) { f.List1.AddItem(EntryText(i)); },
         [](LongLists& f, int i) { f.List1.setListIndex(i); },
         [](LongLists& f, int) { f.List1.RemoveItem(0); }, listModel, ListShown,
         [](LongLists& f) -> Control& { return f.List1; }},
        {"list box, entries added at the top", none,
         [](LongLists& f, int i) { f.List1.AddItem(EntryText(kEntries - 1 - i), 0); },
         [](LongLists& f, int i) { f.List1.setListIndex(i); },
         [](LongLists& f, int) { f.List1.RemoveItem(0); }, listModel, ListShown,
         [](LongLists& f) -> Control& { return f.List1; }},
        {"list view", none,
         [](LongLists& f, int i) { f.LV.ListItems.Add(EntryKey(i), EntryText(i)); },
         [](LongLists& f, int i) { f.LV.setSelectedItem(f.LV.ListItems(i + 1)); },
         [](LongLists& f, int i) { f.LV.ListItems.Remove(EntryKey(i)); }, listModel, ListShown,
         [](LongLists& f) -> Control& { return f.LV; }},
        {"tree, top-level nodes", none,
         [](LongLists& f, int i) { f.TV.Nodes.Add("", tvwLast, EntryKey(i), EntryText(i)); },
         [](LongLists& f, int i) { f.TV.setSelectedItem(f.TV.Nodes(EntryKey(i))); },
         [](LongLists& f, int i) { f.TV.Nodes.Remove(EntryKey(i)); },
         [](QWidget* w) { return TreeOf(w)->model(); },
         [](QWidget* w) {
             QTreeWidget* tree = TreeOf(w);
             Shown shown;
             for (int row = 0; row < tree->topLevelItemCount(); ++row)
                 shown.rows.append(tree->topLevelItem(row)->text(0));
             shown.chosen = SelectedRows(tree);
             return shown;
         },
         [](LongLists& f) -> Control& { return f.TV; }},
        {"tree, children of one node",
         [](LongLists& f) { f.TV.Nodes.Add("", tvwLast, "MN", "Favorites")->setExpanded(true); },
         [](LongLists& f, int i) { f.TV.Nodes.Add("MN", tvwChild, EntryKey(i), EntryText(i)); },
         [](LongLists& f, int i) { f.TV.setSelectedItem(f.TV.Nodes(EntryKey(i))); },
         [](LongLists& f, int i) { f.TV.Nodes.Remove(EntryKey(i)); },
         [](QWidget* w) { return TreeOf(w)->model(); },
         [](QWidget* w) {
             QTreeWidgetItem* top = TreeOf(w)->topLevelItem(0);
             Shown shown;
             for (int row = 0; row < top->childCount(); ++row) {
                 shown.rows.append(top->child(row)->text(0));
                 if (top->child(row)->isSelected()) shown.chosen.append(row);
             }
             return shown;
         },
         [](LongLists& f) -> Control& { return f.TV; }},
    };
}

class LongListsOnQt : public QtFixture {
  protected:
    void SetUp() override {
        form = &application().newForm<LongLists>();
        form->Move(0, 0, 9000, 6000);
        for (Control* list :
             std::initializer_list<Control*>{&form->Combo1, &form->List1, &form->LV, &form->TV})
            list->Move(150, 150, 4000, 4000);
        form->Show();
    }
    // Runs step for i from 0 to n - 1 and returns the rows the widget's model saw change. It
    // stops once they pass twice the steps: a list built again for every entry would take
    // hours here.
    static long RowsBy(RowCounter& counter, int n, const std::function<void(int)>& step) {
        const long before = counter.rows;
        for (int i = 0; i < n && counter.rows - before <= 2L * n; ++i)
            step(i);
        return counter.rows - before;
    }
    // Fills the list, chooses its middle entry, and empties it from the top past that entry (a
    // failed check ends this one list's run).
    void fillAndEmpty(const Filling& filling, QWidget* widget) {
        const int middle = kEntries / 2;
        filling.prepare(*form);
        RowCounter counter(filling.model(widget));
        EXPECT_LE(RowsBy(counter, kEntries, [&](int i) { filling.add(*form, i); }), kEntries);
        filling.choose(*form, middle);
        Shown shown = filling.shown(widget);
        ASSERT_EQ(shown.rows.size(), kEntries);
        EXPECT_EQ(shown.rows.front().toStdString(), EntryText(0));
        EXPECT_EQ(shown.rows.back().toStdString(), EntryText(kEntries - 1));
        EXPECT_EQ(shown.chosen, QList<int>{middle});
        // Past the chosen entry Qt would choose the next one; the list keeps the model's choice.
        EXPECT_LE(RowsBy(counter, middle + 1, [&](int i) { filling.remove(*form, i); }),
                  middle + 1);
        shown = filling.shown(widget);
        ASSERT_EQ(shown.rows.size(), kEntries - middle - 1);
        EXPECT_EQ(shown.rows.front().toStdString(), EntryText(middle + 1));
        EXPECT_TRUE(shown.chosen.isEmpty());
    }
    LongLists* form = nullptr;
};

}  // namespace

TEST_F(LongListsOnQt, FillAndEmptyChangingEachEntrysRowOnceAndShowingTheModel) {
    for (const Filling& filling : Fillings()) {
        SCOPED_TRACE(filling.what);
        form->Combo1.Clear();
        form->List1.Clear();
        form->LV.ListItems.Clear();
        form->TV.Nodes.Clear();
        QWidget* widget = widgetOf(filling.control(*form));
        widget->show();
        fillAndEmpty(filling, widget);
        widget->hide();
    }
}
