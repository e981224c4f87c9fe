// The tool windows and dialogs as the window system shows them once the language pack has given
// them their bitmaps: each window is its background bitmap with its picture buttons on it.

#include <QImage>
#include <QListWidget>
#include <QString>
#include <QTest>
#include <QTreeWidget>
#include <QWidget>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "QtFixture.h"
#include "favorites/frmAddFavorite.h"
#include "favorites/frmMoveFavorite.h"
#include "favorites/frmOrganizeFavorite.h"
#include "mainwindow/FormAbout.h"
#include "mainwindow/FormChangeHomepage.h"
#include "mainwindow/FormMenu.h"
#include "mainwindow/Variables.h"
#include "shared/ModuleLanguage.h"
#include "shared/mdlPlacementFunctions.h"
#include "skins/FormDesignEdit.h"
#include "skins/FormLoading.h"
#include "skins/FormSaveAs.h"

namespace quillo::e2e {

namespace {

using runtime::form;

QRgb pixelAt(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

QImage bitmap(const runtime::Picture& picture) {
    return QImage(QString::fromStdString(picture.path));
}

class ToolWindows : public QtFixture {
  protected:
    ToolWindows() {
        namespace fs = std::filesystem;
        fs::copy(fs::path(QUILLO_ASSETS_DIR) / "language.ini", fs::path(folder_) / "language.ini");
        fs::copy(fs::path(QUILLO_ASSETS_DIR) / "English", fs::path(folder_) / "English");
        LoadLanguage();
    }
};

}  // namespace

TEST_F(ToolWindows, ShowTheirBitmapsWithEachPictureButtonAtItsPlace) {
    std::vector<runtime::Form*> windows = {
        &form<FormAbout>(),           &form<FormDesignEdit>(),     &form<FormLoading>(),
        &form<FormSaveAs>(),          &form<FormChangeHomepage>(), &form<frmAddFavorite>(),
        &form<frmOrganizeFavorite>(), &form<frmMoveFavorite>(),    &form<FormMenu>()};
    for (runtime::Form* window : windows) {
        window->Show();
        settle();
        const QImage shown = grab(widgetOf(*window));
        const QImage background = bitmap(window->getPicture());
        ASSERT_FALSE(background.isNull()) << window->Name();
        EXPECT_EQ(shown.size(), background.size()) << window->Name();
        // The top-left corner is bare background in every window.
        EXPECT_EQ(pixelAt(shown, 2, 2), pixelAt(background, 2, 2)) << window->Name();

        for (const auto& control : window->controls()) {
            if (control->kind() != runtime::ControlKind::PictureBox || !control->Visible())
                continue;
            const auto& box = static_cast<const runtime::PictureBox&>(*control);
            const QImage own = bitmap(box.getPicture());
            const int left = TwipsToPixels(static_cast<std::int32_t>(box.Left()));
            const int top = TwipsToPixels(static_cast<std::int32_t>(box.Top()));
            if (own.isNull() || left >= shown.width() || top >= shown.height()) continue;
            const int x = own.width() / 2, y = own.height() / 2;
            EXPECT_EQ(pixelAt(shown, left + x, top + y), pixelAt(own, x, y))
                << window->Name() << "." << box.Name() << "(" << box.Index() << ")";
        }
        window->Hide();
    }
}

TEST_F(ToolWindows, AfterAFavoriteIsRenamedDeleteRemovesItFromItsFolder) {
    WindowsDir = application().App().WindowsDir;
    const std::filesystem::path pets = WindowsDir + "/Favorites/Pets";
    std::filesystem::create_directories(pets);
    std::ofstream(pets / "cat.url").put('\n');
    frmOrganizeFavorite& dialog = form<frmOrganizeFavorite>();
    dialog.Show();
    auto* tree = widgetOf(dialog.TV)->findChild<QTreeWidget*>();
    auto* list = widgetOf(dialog.LV)->findChild<QListWidget*>();
    const auto click = [](QWidget* on, QPoint at) {
        QTest::mouseClick(on, Qt::LeftButton, {}, at);
        QTest::qWait(QApplication::doubleClickInterval() + 50);  // never a double click
    };
    click(tree->viewport(), tree->visualItemRect(tree->topLevelItem(0)->child(0)).center());
    const QPoint favorite = list->visualItemRect(list->item(0)).center();
    click(list->viewport(), favorite);
    click(widgetOf(dialog.cmdRename), QPoint(5, 5));
    QTest::keyClicks(QApplication::focusWidget(), "kitten\r");
    click(list->viewport(), favorite);
    ASSERT_EQ(dialog.LastFocus, "List View");  // else Delete would ask about the folder
    click(widgetOf(dialog.cmdDelete), QPoint(5, 5));
    EXPECT_TRUE(std::filesystem::is_directory(pets) && std::filesystem::is_empty(pets));
}

}  // namespace quillo::e2e
