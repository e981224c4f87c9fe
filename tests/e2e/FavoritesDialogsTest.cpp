// The add-favorite and organize-favorites dialogs on Qt, worked with clicks and keys on their
// widgets as a user works them.

#include <QAbstractItemView>
#include <QApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
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
    static Names onDisk() {
        Names found;
        for (const auto& entry : fs::recursive_directory_iterator(root()))
            found.push_back(entry.path().lexically_relative(root()).string());
        std::sort(found.begin(), found.end());
        return found;
    }
    // The dialog shown with the focus over favorites of nothing but Zoo, which holds Lion, Tiger
    // and the folder Birds.
    template <class Dialog>
    static Dialog& open() {
        fs::remove_all(root());
        for (const char* favorite : {"Zoo/Lion.url", "Zoo/Tiger.url", "Zoo/Birds/Owl.url"}) {
            fs::create_directories((root() / favorite).parent_path());
            std::ofstream(root() / favorite) << "[InternetShortcut]\r\nURL=http://zoo/\r\n";
        }
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
    // A click on a button, or on a row of a list or tree, that never makes a double click with
    // the one before.
    static void click(const runtime::Control& control, const QString& row = {}) {
        QWidget* on = widgetOf(control);
        QPoint at(5, 5);
        if (!row.isEmpty()) {
            QAbstractItemView* rows = rowsOf(control);
            const QModelIndex found = rows->model()
                                          ->match(rows->model()->index(0, 0), Qt::DisplayRole, row,
                                                  1, Qt::MatchExactly | Qt::MatchRecursive)
                                          .value(0);
            ASSERT_TRUE(found.isValid()) << row.toStdString();
            on = rows->viewport();
            at = rows->visualRect(found).center();
        }
        QTest::mouseClick(on, Qt::LeftButton, {}, at);
        QTest::qWait(QApplication::doubleClickInterval() + 50);
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
        SCOPED_TRACE(fromTheTree ? "from the tree" : "from the name");
        frmAddFavorite& dialog = open<frmAddFavorite>();
        dialog.txtFavoriteName.setText("Fish page");
        dialog.SelectName();
        if (fromTheTree) click(dialog.TV, "Favorites");
        click(dialog.cmdNew);
        typeName("Fish");
        EXPECT_EQ(onDisk().front(), "Fish");
        EXPECT_FALSE(fs::exists(root() / "New Folder 1"));
        dialog.Unload();
    }
}

TEST_F(FavoritesDialogs,
       AfterTheListedFolderIsRenamedItsListActsOnItsFavoritesAndAfterADeleteOnNone) {
    // A button pressed on Lion once Zoo is Jungle, the name then typed, the list shown and where
    // Lion is left.
    for (const auto& [button, typed, shown, lion] :
         std::vector<std::tuple<std::string, std::string, Names, std::string>>{
             {"Delete", "", {"Tiger"}, ""},
             {"Rename", "Leo", {"Leo*", "Tiger"}, "Jungle/Leo.url"},
             {"Move", "", {"Tiger"}, "Lion.url"}}) {
        SCOPED_TRACE(button);
        frmOrganizeFavorite& dialog = open<frmOrganizeFavorite>();
        click(dialog.TV, "Zoo");
        click(dialog.cmdRename);
        typeName("Jungle");
        click(dialog.LV, "Lion");
        if (button == "Move")
            whenShown<QWidget>(&context, [](QWidget&) {
                click(form<frmMoveFavorite>().TV, "Favorites");
                click(form<frmMoveFavorite>().cmdOK);
            });
        click(*dialog.findControl("cmd" + button));
        if (!typed.empty()) typeName(typed);
        Names after{"Jungle", "Jungle/Birds", "Jungle/Birds/Owl.url", "Jungle/Tiger.url"};
        if (!lion.empty()) after.push_back(lion);
        std::sort(after.begin(), after.end());
        EXPECT_EQ(listed(dialog.LV), shown);
        EXPECT_EQ(onDisk(), after);
        dialog.Unload();
    }

    frmOrganizeFavorite& dialog = open<frmOrganizeFavorite>();
    click(dialog.TV, "Zoo");
    whenShown<QMessageBox>(&context,
                           [](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); });
    click(dialog.cmdDelete);
    EXPECT_EQ(listed(dialog.LV), Names{});
    EXPECT_EQ(onDisk(), Names{});
}

TEST_F(FavoritesDialogs, ANameThatWouldShowAsNothingIsRefusedAndTheOldNameStays) {
    for (const bool folder : {false, true})
        for (const std::string typed : {"", "   ", "...", " . . "}) {
            SCOPED_TRACE((folder ? "folder [" : "favorite [") + typed + "]");
            frmOrganizeFavorite& dialog = open<frmOrganizeFavorite>();
            const Names before = onDisk();
            click(dialog.TV, "Zoo");
            if (!folder) click(dialog.LV, "Lion");
            QString message;
            whenShown<QMessageBox>(&context, [&](QMessageBox& box) {
                message = box.text();
                box.button(QMessageBox::Ok)->click();
            });
            click(dialog.cmdRename);
            typeName(typed);
            EXPECT_EQ(message, "Error");
            EXPECT_EQ(onDisk(), before);
            EXPECT_EQ(dialog.TV.Nodes("MN1")->Text(), "Zoo");
            EXPECT_EQ(listed(dialog.LV), (Names{folder ? "Lion" : "Lion*", "Tiger"}));
            dialog.Unload();
        }
}

TEST_F(FavoritesDialogs, KeysInATreeOrListWithNothingChosenTakeItsFirstRowOrWithEndItsLast) {
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_Space, Qt::Key_End}) {
        SCOPED_TRACE(QKeySequence(key).toString().toStdString());
        const bool end = key == Qt::Key_End;
        frmOrganizeFavorite& dialog = open<frmOrganizeFavorite>();
        ASSERT_TRUE(waitFor([&] { return QApplication::focusWidget() == rowsOf(dialog.TV); }));
        ASSERT_EQ(dialog.TV.SelectedItem(), nullptr);
        press(key);
        const runtime::Node* chosen = dialog.TV.SelectedItem();
        EXPECT_EQ(chosen ? chosen->Text() : "(none)", end ? "Zoo" : "Favorites");

        click(dialog.TV, "Zoo");
        press(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), rowsOf(dialog.LV));
        press(key);
        EXPECT_EQ(listed(dialog.LV), (end ? Names{"Lion", "Tiger*"} : Names{"Lion*", "Tiger"}));
        press(Qt::Key_Delete);
        EXPECT_FALSE(fs::exists(root() / "Zoo" / (end ? "Tiger.url" : "Lion.url")));
        dialog.Unload();
    }
}

}  // namespace quillo::e2e
