// The organize-favorites dialog on the Qt window system, driven by clicks and keys on its widgets:
// Rename and Delete act on the view that has the keyboard focus, however it got there.

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "QtFixture.h"
#include "favorites/frmOrganizeFavorite.h"
#include "mainwindow/Variables.h"

namespace quillo::e2e {

namespace {

namespace fs = std::filesystem;

class OrganizeFavoritesOnQt : public QtFixture {
  protected:
    void SetUp() override {
        WindowsDir = application().App().WindowsDir;
        fs::create_directories(pets());
        for (const char* name : {"cat.url", "dog.url"})
            std::ofstream(pets() / name) << "[InternetShortcut]\r\nURL=http://127.0.0.1/\r\n";
        dialog = &runtime::form<frmOrganizeFavorite>();
        dialog->Move(0, 0);
        dialog->Show();
        settle();
        // Any question the dialog asks is answered Yes and written down.
        QObject::connect(&poll, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                questions.push_back(box->text().toStdString());
                box->button(QMessageBox::Yes)->click();
            }
        });
        poll.start(10);
    }
    fs::path pets() const { return fs::path(WindowsDir) / "Favorites" / "Pets"; }

    // Clicks the row of a folder or favorite; the next click on it comes too late to make a
    // double click.
    template <class View>
    void clickRow(runtime::Control& control, const char* name) {
        auto* view = widgetOf(control)->findChild<View*>();
        auto item = view->findItems(name, Qt::MatchExactly | Qt::MatchRecursive).value(0);
        ASSERT_NE(item, nullptr) << name;
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualItemRect(item).center());
        QTest::qWait(QApplication::doubleClickInterval() + 50);
    }
    void clickFolder(const char* name) { clickRow<QTreeWidget>(dialog->TV, name); }
    void clickFavorite(const char* name) { clickRow<QListWidget>(dialog->LV, name); }
    void clickButton(runtime::Label& button) {
        QTest::mouseClick(widgetOf(button), Qt::LeftButton, {}, QPoint(5, 5));
        settle();
    }
    // Types a new name into the field of the label edit and ends it with Enter.
    static void typeName(const char* name) {
        ASSERT_TRUE(waitFor([] { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }));
        QWidget* field = QApplication::focusWidget();
        QTest::keyClicks(field, name);
        QTest::keyClick(field, Qt::Key_Return);
        settle();
    }

    frmOrganizeFavorite* dialog = nullptr;
    QTimer poll;
    std::vector<std::string> questions;
};

}  // namespace

TEST_F(OrganizeFavoritesOnQt, AfterRenamingAFavoriteRenameAndDeleteStillActOnTheFavorites) {
    clickFolder("Pets");
    clickFavorite("cat");
    clickButton(dialog->cmdRename);
    typeName("kitten");
    ASSERT_TRUE(fs::exists(pets() / "kitten.url"));

    // Clicked again after the edit, the list still has the focus that the edit gave back.
    clickFavorite("kitten");
    EXPECT_EQ(dialog->LastFocus, "List View");
    clickButton(dialog->cmdRename);
    typeName("tiger");
    EXPECT_TRUE(fs::exists(pets() / "tiger.url"));

    clickFavorite("tiger");
    clickButton(dialog->cmdDelete);
    EXPECT_TRUE(questions.empty());
    EXPECT_TRUE(fs::is_directory(pets()));
    EXPECT_FALSE(fs::exists(pets() / "tiger.url"));
    EXPECT_TRUE(fs::exists(pets() / "dog.url"));

    // Tab takes the focus from the list to the tree.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    settle();
    EXPECT_EQ(dialog->LastFocus, "Tree View");
}

}  // namespace quillo::e2e
