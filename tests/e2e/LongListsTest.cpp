#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QComboBox>
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

// One kind of list filled with entries 0 to n - 1, top to bottom, and emptied from the top.
struct Filling {
    const char* what;
    Control& (*control)(LongLists&);
    std::function<void(LongLists&, int i)> add;
    std::function<void(LongLists&, int i)> choose;
    std::function<void(LongLists&, int i)> remove;  // the top entry, which is entry i
};

// What a list's widget shows: its rows top to bottom (under the node "Favorites" when there is
// one), and the rows it shows chosen.
struct Shown {
    explicit Shown(QWidget* widget) {
        auto* view = widget->findChild<QAbstractItemView*>();
        QAbstractItemModel* model = view->model();
        QModelIndex parent;
        if (model->rowCount() > 0 && model->index(0, 0).data().toString() == "Favorites")
            parent = model->index(0, 0);
        for (int row = 0; row < model->rowCount(parent); ++row)
            rows.append(model->index(row, 0, parent).data().toString());
        if (auto* combo = widget->findChild<QComboBox*>()) {
            if (combo->currentIndex() >= 0) chosen.append(combo->currentIndex());
            return;
        }
        for (const QModelIndex& index : view->selectionModel()->selectedIndexes())
            chosen.append(index.row());
    }
    QStringList rows;
    QList<int> chosen;
};

std::vector<Filling> Fillings() {
    auto listBox = [](LongLists& f) -> Control& { return f.List1; };
    auto tree = [](LongLists& f) -> Control& { return f.TV; };
    auto chooseNode = [](LongLists& f, int i) { f.TV.setSelectedItem(f.TV.Nodes(EntryKey(i))); };
    auto removeNode = [](LongLists& f, int i) { f.TV.Nodes.Remove(EntryKey(i)); };
    return {
        {"combo box", [](LongLists& f) -> Control& { return f.Combo1; },
         [](LongLists& f, int i) { f.Combo1.AddItem(EntryText(i)); },
         [](LongLists& f, int i) { f.Combo1.setListIndex(i); },
         [](LongLists& f, int) { f.Combo1.RemoveItem(0); }},
        {"list box, entries added at the top", listBox,
         [](LongLists& f, int i) { f.List1.AddItem(EntryText(kEntries - 1 - i), 0); },
         [](LongLists& f, int i) { f.List1.setListIndex(i); },
         [](LongLists& f, int) { f.List1.RemoveItem(0); }},
        {"list view", [](LongLists& f) -> Control& { return f.LV; },
         [](LongLists& f, int i) { f.LV.ListItems.Add(EntryKey(i), EntryText(i)); },
         [](LongLists& f, int i) { f.LV.setSelectedItem(f.LV.ListItems(i + 1)); },
         [](LongLists& f, int i) { f.LV.ListItems.Remove(EntryKey(i)); }},
        {"tree, top-level nodes", tree,
         [](LongLists& f, int i) { f.TV.Nodes.Add("", tvwLast, EntryKey(i), EntryText(i)); },
         chooseNode, removeNode},
        {"tree, children of an expanded node", tree,
         [](LongLists& f, int i) {
             if (i == 0) f.TV.Nodes.Add("", tvwLast, "MN", "Favorites")->setExpanded(true);
             f.TV.Nodes.Add("MN", tvwChild, EntryKey(i), EntryText(i));
         },
         chooseNode, removeNode},
    };
}

class LongListsOnQt : public QtFixture {
  protected:
    void SetUp() override {
        form = &application().newForm<LongLists>();
        form->Move(0, 0, 9000, 6000);
        for (Control* list :
             std::initializer_list<Control*>{&form->Combo1, &form->List1, &form->LV, &form->TV}) {
            list->Move(150, 150, 4000, 4000);
            list->setVisible(false);
        }
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
    void fillAndEmpty(const Filling& filling) {
        const int middle = kEntries / 2;
        form->TV.Nodes.Clear();
        Control& control = filling.control(*form);
        control.setVisible(true);
        QWidget* widget = widgetOf(control);
        RowCounter counter(widget->findChild<QAbstractItemView*>()->model());
        // One row more where the entries go under a node of their own.
        EXPECT_LE(RowsBy(counter, kEntries, [&](int i) { filling.add(*form, i); }), kEntries + 1);
        filling.choose(*form, middle);
        QStringList entries;
        for (int i = 0; i < kEntries; ++i)
            entries.append(QString::fromStdString(EntryText(i)));
        EXPECT_EQ(Shown(widget).rows, entries);
        EXPECT_EQ(Shown(widget).chosen, QList<int>{middle});
        // Past the chosen entry Qt would choose the next one; the list keeps the model's choice.
        EXPECT_LE(RowsBy(counter, middle + 1, [&](int i) { filling.remove(*form, i); }),
                  middle + 1);
        EXPECT_EQ(Shown(widget).rows, entries.mid(middle + 1));
        EXPECT_TRUE(Shown(widget).chosen.isEmpty());
        control.setVisible(false);
    }
    LongLists* form = nullptr;
};

}  // namespace

TEST_F(LongListsOnQt, FillAndEmptyChangingEachEntrysRowOnceAndShowingTheModel) {
    for (const Filling& filling : Fillings()) {
        SCOPED_TRACE(filling.what);
        fillAndEmpty(filling);
    }
}
