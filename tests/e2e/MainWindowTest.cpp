// The main window on the Qt window system: laid out in the shipped skin at its first size and
// maximized, and moved by a drag on its title.

#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QScreen>
#include <QString>
#include <QTest>
#include <QWidget>
#include <filesystem>
#include <string>

#include "QtFixture.h"
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

}  // namespace quillo::e2e
