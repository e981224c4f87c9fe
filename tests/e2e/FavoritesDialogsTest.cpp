// The add-favorite and organize-favorites dialogs on the Qt window system, worked with clicks and
// keys on their widgets as a user works them.

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "QtFixture.h"
#include "favorites/frmAddFavorite.h"
#include "favorites/frmMoveFavorite.h"
#include "favorites/frmOrganizeFavorite.h"
#include "mainwindow/Variables.h"

namespace quillo::e2e {

namespace {

namespace fs = std::filesystem;
using runtime::form;
using Names = std::vector<std::string>;

class FavoritesDialogs : public QtFixture {
  protected:
    FavoritesDialogs() {
        WindowsDir = application().App().WindowsDir;
        frmOrganizeFavorite::ExpandedKeys.fill("");
    }

    static fs::path root() { return WindowsDir + "/Favorites"; }
    // Zoo with Lion, Tiger and the folder Birds; nothing else.
    static void layFavorites() {
        fs::remove_all(root());
        for (const char* favorite : {"Zoo/Lion.url", "Zoo/Tiger.url", "Zoo/Birds/Owl.url"}) {
            fs::create_directories((root() / favorite).parent_path());
            std::ofstream(root() / favorite) << "[InternetShortcut]\r\nURL=http://zoo/\r\n";
        }
    }
    static Names onDisk() {
        Names found;
        for (const auto& entry : fs::recursive_directory_iterator(root()))
            found.push_back(entry.path().lexically_relative(root()).string());
        std::sort(found.begin(), found.end());
        return found;
    }
    // The dialog laid on fresh favorites, shown and given the focus.
    template <class Dialog>
    static Dialog& open() {
        layFavorites();
        Dialog& dialog = form<Dialog>();
        dialog.Show();
        // A window manager gives the window the focus a moment after it shows.
        waitFor([&] { return widgetOf(dialog)->isActiveWindow(); });
        settle();
        return dialog;
    }
    static QAbstractItemView* rowsOf(const runtime::Control& control) {
        return widgetOf(control)->findChild<QAbstractItemView*>();
    }
    // A click that never makes a double click with the one before.
    static void click(QWidget* on, QPoint at) {
        QTest::mouseClick(on, Qt::LeftButton, {}, at);
        QTest::qWait(QApplication::doubleClickInterval() + 50);
    }
    static void click(const runtime::Control& button) { click(widgetOf(button), QPoint(5, 5)); }
    static void clickRow(const runtime::Control& control, const QString& text) {
        QAbstractItemView* rows = rowsOf(control);
        const QModelIndex found = rows->model()
                                      ->match(rows->model()->index(0, 0), Qt::DisplayRole, text, 1,
                                              Qt::MatchExactly | Qt::MatchRecursive)
                                      .value(0);
        ASSERT_TRUE(found.isValid()) << text.toStdString();
        click(rows->viewport(), rows->visualRect(found).center());
    }
    static void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    // Types over the whole text of the label edit that has the focus and ends it with Enter.
    static void typeName(const std::string& name) {
        QWidget* field = QApplication::focusWidget();
        ASSERT_TRUE(qobject_cast<QLineEdit*>(field)) << "no label edit has the focus";
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, QString::fromStdString(name));
        QTest::keyClick(field, Qt::Key_Return);
    }
    // The list's texts, each chosen one marked with "*".
    static Names listed(runtime::ListView& list) {
        Names shown;
        for (int i = 1; i <= list.ListItems.Count(); ++i)
            shown.push_back(list.ListItems(i)->Text() + (list.ListItems(i)->Selected() ? "*" : ""));
        return shown;
    }

    QObject context;
};

}  // namespace

TEST_F(FavoritesDialogs, NewStartsNamingItsFolderWhereverTheFocusWas) {
    for (bool fromTheTree : {false, true}) {
        frmAddFavorite& dialog = open<frmAddFavorite>();
        dialog.txtFavoriteName.setText("Fish page");
        dialog.SelectName();
        if (fromTheTree) clickRow(dialog.TV, "Favorites");
        click(dialog.cmdNew);
        typeName("Fish");
        EXPECT_EQ(onDisk().front(), "Fish") << "from the tree: " << fromTheTree;
        EXPECT_FALSE(fs::exists(root() / "New Folder 1")) << "from the tree: " << fromTheTree;
        dialog.Unload();
    }
}

TEST_F(FavoritesDialogs,
       AfterTheListedFolderIsRenamedItsListActsOnItsFavoritesAndAfterADeleteOnNone) {
    struct Case {
        std::string button;  // pressed on Lion once Zoo is Jungle
        std::string typed;
        Names shown, after;
    };
    const Names birds = {"Jungle", "Jungle/Birds", "Jungle/Birds/Owl.url"};
    const auto with = [&](Names more) {
        more.insert(more.begin(), birds.begin(), birds.end());
        std::sort(more.begin(), more.end());
        return more;
    };
    for (const Case& c : std::vector<Case>{
             {"Delete", "", {"Tiger"}, with({"Jungle/Tiger.url"})},
             {"Rename", "Leo", {"Leo*", "Tiger"}, with({"Jungle/Leo.url", "Jungle/Tiger.url"})},
             {"Move", "", {"Tiger"}, with({"Jungle/Tiger.url", "Lion.url"})}}) {
        frmOrganizeFavorite& dialog = open<frmOrganizeFavorite>();
        clickRow(dialog.TV, "Zoo");
        click(dialog.cmdRename);
        typeName("Jungle");
        clickRow(dialog.LV, "Lion");
        if (c.button == "Move")
            whenShown<QWidget>(&context, [](QWidget&) {
                clickRow(form<frmMoveFavorite>().TV, "Favorites");
                click(form<frmMoveFavorite>().cmdOK);
            });
        click(c.button == "Delete"   ? dialog.cmdDelete
              : c.button == "Rename" ? dialog.cmdRename
                                     : dialog.cmdMove);
        if (!c.typed.empty()) typeName(c.typed);
        EXPECT_EQ(listed(dialog.LV), c.shown) << c.button;
        EXPECT_EQ(onDisk(), c.after) << c.button;
        dialog.Unload();
    }

    frmOrganizeFavorite& dialog = open<frmOrganizeFavorite>();
    clickRow(dialog.TV, "Zoo");
    whenShown<QMessageBox>(&context,
                           [](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); });
    click(dialog.cmdDelete);
    EXPECT_EQ(listed(dialog.LV), Names{});
    EXPECT_EQ(onDisk(), Names{});
}

TEST_F(FavoritesDialogs, ANameThatWouldShowAsNothingIsRefusedAndTheOldNameStays) {
    struct Case {
        bool folder;
        std::string typed;
    };
    for (const Case& c : std::vector<Case>{{false, ""},
                                           {false, "   "},
                                           {false, "..."},
                                           {false, " . "},
                                           {true, ""},
                                           {true, "..."},
                                           {true, " . . "}}) {
        const std::string what = (c.folder ? "folder [" : "favorite [") + c.typed + "]";
        frmOrganizeFavorite& dialog = open<frmOrganizeFavorite>();
        const Names before = onDisk();
        clickRow(dialog.TV, "Zoo");
        if (!c.folder) clickRow(dialog.LV, "Lion");
        QString message;
        whenShown<QMessageBox>(&context, [&](QMessageBox& box) {
            message = box.text();
            box.button(QMessageBox::Ok)->click();
        });
        click(dialog.cmdRename);
        typeName(c.typed);
        EXPECT_EQ(message, "Error") << what;
        EXPECT_EQ(onDisk(), before) << what;
        EXPECT_EQ(dialog.TV.Nodes("MN1")->Text(), "Zoo") << what;
        EXPECT_EQ(listed(dialog.LV), (Names{c.folder ? "Lion" : "Lion*", "Tiger"})) << what;
        dialog.Unload();
    }
}

TEST_F(FavoritesDialogs, KeysInATreeOrListWithNothingChosenTakeItsFirstRowOrWithEndItsLast) {
    struct Case {
        const char* name;
        Qt::Key key;
        std::string node;     // chosen in the tree, which has the focus at first
        Names listed;         // Zoo's list, reached with Tab, the chosen one marked "*"
        std::string deleted;  // then by the Delete key
    };
    for (const Case& c :
         std::vector<Case>{{"Down", Qt::Key_Down, "Favorites", {"Lion*", "Tiger"}, "Lion"},
                           {"Up", Qt::Key_Up, "Favorites", {"Lion*", "Tiger"}, "Lion"},
                           {"Home", Qt::Key_Home, "Favorites", {"Lion*", "Tiger"}, "Lion"},
                           {"Space", Qt::Key_Space, "Favorites", {"Lion*", "Tiger"}, "Lion"},
                           {"End", Qt::Key_End, "Zoo", {"Lion", "Tiger*"}, "Tiger"}}) {
        frmOrganizeFavorite& dialog = open<frmOrganizeFavorite>();
        ASSERT_TRUE(waitFor([&] { return QApplication::focusWidget() == rowsOf(dialog.TV); }));
        ASSERT_EQ(dialog.TV.SelectedItem(), nullptr);
        press(c.key);
        const runtime::Node* chosen = dialog.TV.SelectedItem();
        EXPECT_EQ(chosen ? chosen->Text() : "(none)", c.node) << c.name;

        clickRow(dialog.TV, "Zoo");
        press(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), rowsOf(dialog.LV)) << c.name;
        press(c.key);
        EXPECT_EQ(listed(dialog.LV), c.listed) << c.name;
        press(Qt::Key_Delete);
        EXPECT_FALSE(fs::exists(root() / "Zoo" / (c.deleted + ".url"))) << c.name;
        dialog.Unload();
    }
}

}  // namespace quillo::e2e
