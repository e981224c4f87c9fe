// The main window on the Qt window system: laid out in the shipped skin at its first size and
// maximized, and moved by a drag on its title.

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "QtFixture.h"
#include "favorites/frmOrganizeFavorite.h"
#include "mainwindow/RNfunctions.h"
#include "mainwindow/form1.h"

namespace quillo::e2e {

namespace {

QRgb pixelAt(const QImage& image, QPoint at) {
    return image.pixel(at) & 0xFFFFFF;
}

// The colour in the middle of a picture file of the skin.
QRgb skinMiddle(const std::string& path) {
    QImage picture(QString::fromStdString(path));
    return pixelAt(picture, QPoint(picture.width() / 2, picture.height() / 2));
}

class MainWindow : public QtFixture {
  protected:
    void SetUp() override {
        ASSERT_EQ(application().screen().TwipsPerPixelX, 15.0);
        namespace fs = std::filesystem;
        const fs::path assets(QUILLO_ASSETS_DIR);
        for (const char* entry : {"language.ini", "rn418.ini", "skinlib.txt", "English", "skins"})
            fs::copy(assets / entry, fs::path(folder_) / entry, fs::copy_options::recursive);
        main = &runtime::form<form1>();
        // Shown by its start-up timer, a second after loading.
        ASSERT_TRUE(waitFor([this] { return main->Visible(); }, 5000));
        window = widgetOf(*main);
        ASSERT_NE(window, nullptr);
        settle();
    }
    void TearDown() override {
        if (runtime::app().loadedForm<form1>()) main->Unload();
        // The module's state outlives this application.
        WindowMaximized = 0;
    }

    // The middle of a control's widget, in the window's pixels.
    QPoint middleOf(const runtime::Control& control) {
        QWidget* widget = widgetOf(control);
        return widget->mapTo(window, QPoint(widget->width() / 2, widget->height() / 2));
    }
    void expectLaidOutIn(const QImage& shown, const QString& what) {
        // The close button and the home button show their skin pictures where the layout put
        // them: at the title bar's right end and on the right strip.
        EXPECT_EQ(pixelAt(shown, middleOf(main->PictureClose)),
                  skinMiddle(main->PictureClose.Tag()))
            << what.toStdString();
        EXPECT_EQ(pixelAt(shown, middleOf(main->PictureHome)), skinMiddle(main->PictureHome.Tag()))
            << what.toStdString();
        EXPECT_EQ(middleOf(main->PictureClose).x(), shown.width() - 4 - 17 + 8);
        EXPECT_EQ(widgetOf(main->FrameDashBoard)->geometry().bottom(), shown.height() - 4);
    }
    void click(const runtime::Control& control) {
        QTest::mouseClick(widgetOf(control), Qt::LeftButton, {}, QPoint(4, 4));
        settle();
    }

    // A left click as the window system delivers it, at a time of the test's choosing. A press
    // soon after another at the same place comes as a double click alone, as X delivers it.
    void clickAt(const runtime::Control& control, quint64 timestamp, bool soonAfter = false) {
        QWidget* widget = widgetOf(control);
        const QEvent::Type pressed =
            soonAfter ? QEvent::MouseButtonDblClick : QEvent::MouseButtonPress;
        for (QEvent::Type type : {pressed, QEvent::MouseButtonRelease}) {
            const bool press = type == pressed;
            QMouseEvent event(type, QPointF(4, 4), QPointF(widget->mapToGlobal(QPoint(4, 4))),
                              Qt::LeftButton, press ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            event.setTimestamp(timestamp);
            QCoreApplication::sendEvent(widget, &event);
        }
    }
    // Runs the script on the pop-up menu once it is open; false when none opened.
    static void onMenu(bool& opened, const std::function<void(QMenu&)>& script) {
        QTimer::singleShot(0, [&opened, script] {
            opened = waitFor([] { return QApplication::activePopupWidget() != nullptr; }, 2000);
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) script(*menu);
        });
    }
    void favorite(const std::string& relative) {
        const std::filesystem::path file = folder_ + "/windows/Favorites/" + relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file) << "[InternetShortcut]\r\nURL=http://www.quillo.example/\r\n";
    }

    form1* main = nullptr;
    QWidget* window = nullptr;
};

}  // namespace

TEST_F(MainWindow, StartsAt600By440PixelsLaidOutInTheShippedSkin) {
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window->size(), QSize(600, 440));
    const QImage shown = grab(window);
    EXPECT_EQ(shown.size(), QSize(600, 440));
    expectLaidOutIn(shown, "600 x 440");
}

TEST_F(MainWindow, MaximizesToTheWorkAreaAndComesBack) {
    const QRect before = window->geometry();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_NE(area.size(), before.size());

    click(main->PictureWS02);
    ASSERT_TRUE(waitFor([&] { return window->geometry() == area; }));
    EXPECT_EQ(main->Width(), area.width() * 15);
    const QImage shown = grab(window);
    EXPECT_EQ(shown.size(), area.size());
    expectLaidOutIn(shown, "maximized");

    // A double-click on the title puts it back; its first press started a move that went
    // nowhere.
    QTest::mouseDClick(widgetOf(main->PictureTitle), Qt::LeftButton, {}, QPoint(20, 10));
    settle();
    ASSERT_TRUE(waitFor([&] { return window->geometry() == before; }));
    EXPECT_EQ(grab(window).size(), QSize(600, 440));
    EXPECT_EQ(WindowMaximized, 0);
}

TEST_F(MainWindow, AMinimizeThatWasNotCarriedOutLeavesTheMaximizedWindowLaidOut) {
    // The window system shows the window still, as one without a window manager does.
    click(main->PictureWS01);
    ASSERT_TRUE(window->windowHandle()->isExposed());
    click(main->PictureWS02);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_TRUE(waitFor([&] { return window->geometry() == area; }));
    EXPECT_EQ(main->getWindowState(), runtime::WindowState::Normal);
    expectLaidOutIn(grab(window), "maximized after a minimize");
}

TEST_F(MainWindow, ADragOnTheTitleMovesTheWindow) {
    const QPoint start = window->pos();
    QWidget* title = widgetOf(main->PictureTitle);
    const QPoint from(20, 10);
    const QPoint global = title->mapToGlobal(from);
    auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(title->mapFromGlobal(at)), QPointF(at), Qt::LeftButton,
                          held, Qt::NoModifier);
        QCoreApplication::sendEvent(title, &event);
    };
    send(QEvent::MouseButtonPress, global, Qt::LeftButton);
    send(QEvent::MouseMove, global + QPoint(-40, 25), Qt::LeftButton);
    send(QEvent::MouseButtonRelease, global + QPoint(-40, 25), Qt::NoButton);
    settle();
    EXPECT_EQ(window->pos(), start + QPoint(-40, 25));
    EXPECT_EQ(main->Left(), (start.x() - 40) * 15);
    EXPECT_EQ(main->Top(), (start.y() + 25) * 15);
    EXPECT_EQ(window->size(), QSize(600, 440));
}

TEST_F(MainWindow, TheFavoritesMenuShowsNamesExactlyAsTheyAreOnDisk) {
    favorite("Tom & Jerry.url");
    favorite("-Dash.url");
    favorite("R&D/Lab.url");
    std::vector<std::string> listed;
    bool opened = false;
    onMenu(opened, [&listed](QMenu& menu) {
        bool inList = false;
        for (QAction* entry : menu.actions()) {
            // What the entry shows: its text without the marks of a mnemonic.
            if (inList)
                listed.push_back(entry->isSeparator() ? "(separator)"
                                                      : entry->iconText().toStdString());
            inList = inList || (entry->isSeparator() && entry->text() == "List");
        }
        menu.close();
    });
    clickAt(main->PictureBookmark, 1000);
    ASSERT_TRUE(opened);
    EXPECT_EQ(listed, (std::vector<std::string>{"R&D", "-Dash", "Tom & Jerry"}));
}

TEST_F(MainWindow, ALongFavoriteNameIsCutSoThatTheMenuOpensBesideItsButtonOnTheScreen) {
    const std::string name = QString("Penguins at play ").repeated(15).left(250).toStdString();
    favorite(name + ".url");
    // The button in the middle of the screen: half a screen of room for the menu beside it.
    QWidget* button = widgetOf(main->PictureBookmark);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const int shift = screen.center().x() - button->mapToGlobal(QPoint(0, 0)).x();
    main->Move(main->Left() + shift * 15, main->Top());
    settle();
    const QPoint corner = button->mapToGlobal(QPoint(0, button->height()));
    ASSERT_EQ(corner.x(), screen.center().x());
    bool opened = false;
    onMenu(opened, [&](QMenu& menu) {
        EXPECT_EQ(menu.geometry().topLeft(), corner);
        EXPECT_LE(menu.geometry().right(), screen.right());
        const QString shown = menu.actions().last()->text();
        EXPECT_TRUE(shown.endsWith(QChar(0x2026)) &&
                    name.starts_with(shown.chopped(1).toStdString()))
            << shown.toStdString();
        menu.close();
    });
    clickAt(main->PictureBookmark, 1000);
    ASSERT_TRUE(opened);
    EXPECT_TRUE(std::filesystem::exists(folder_ + "/windows/Favorites/" + name + ".url"));
}

TEST_F(MainWindow, AFavoritesMenuClosedByEscapeOpensAgainAtOnceAndOrganizeShowsItsDialog) {
    bool first = false;
    onMenu(first, [](QMenu& menu) { QTest::keyClick(&menu, Qt::Key_Escape); });
    clickAt(main->PictureBookmark, 1000);
    ASSERT_TRUE(first);
    ASSERT_EQ(QApplication::activePopupWidget(), nullptr);

    // Soon after, at the same place: a click of its own, not the second half of a double click.
    bool second = false;
    bool organizeShown = false;
    onMenu(second, [&organizeShown](QMenu& menu) {
        QTimer::singleShot(0, [&organizeShown] {
            organizeShown = waitFor([] {
                auto* dialog = runtime::app().loadedForm<frmOrganizeFavorite>();
                return dialog && dialog->Visible();
            });
            if (auto* dialog = runtime::app().loadedForm<frmOrganizeFavorite>())
                dialog->cmdClose_Click();
        });
        for (QAction* entry : menu.actions())
            if (entry->text().startsWith("Organize Favorites"))
                QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(entry).center());
    });
    clickAt(main->PictureBookmark, 1150, true);
    EXPECT_TRUE(second);
    EXPECT_TRUE(organizeShown);
}

}  // namespace quillo::e2e
