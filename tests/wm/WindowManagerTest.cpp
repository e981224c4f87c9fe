// The program on an X display with a window manager, driven by real pointer input (xdotool), so
// that the window manager's own move and size loops, placement and stacking take part.

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <functional>

#include "../designs/ShapedDesign.h"
#include "../e2e/E2E.h"
#include "../e2e/ProgramOnQt.h"
#include "designs/frmMBrowser.h"
#include "favorites/frmOrganizeFavorite.h"
#include "mainwindow/RNfunctions.h"
#include "runtime/qt/WidgetPeer.h"
#include "shared/FormMessageBox.h"
#include "skins/FormDesignEdit.h"

namespace quillo::e2e {

namespace {

using ::e2e::waitFor;

QString Output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(5000);
    return QString::fromLatin1(process.readAllStandardOutput());
}

class UnderAWindowManager : public ProgramOnQt {
  protected:
    void SetUp() override {
        const bool managed = QGuiApplication::platformName() == "xcb" &&
                             Output("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("#");
        if (!managed && qEnvironmentVariableIsEmpty("QUILLO_WINDOW_MANAGER"))
            GTEST_SKIP() << "needs an X display with a window manager (scripts/test gives one)";
        ASSERT_TRUE(managed) << "no window manager on the display";
        main = &start();
        ASSERT_TRUE(shownByWindowManager(*main));
    }
    static QWidget* windowOf(const runtime::Control& control) {
        return qt::WidgetPeer::widgetOf(control);
    }
    static bool exposed(const runtime::Form& form) {
        QWidget* window = windowOf(form);
        return window && window->windowHandle() && window->windowHandle()->isExposed();
    }
    static bool shownByWindowManager(const runtime::Form& form) {
        return waitFor([&] { return exposed(form); });
    }
    static QPoint middleOf(const runtime::Control& control) {
        QWidget* widget = windowOf(control);
        return widget->mapToGlobal(widget->rect().center());
    }
    static QStringList at(QPoint point) {
        return {"mousemove", QString::number(point.x()), QString::number(point.y()), "sleep",
                "0.2"};
    }
    // Real pointer input; the program runs on while xdotool plays it.
    static void play(const QStringList& steps) {
        QProcess xdotool;
        xdotool.start("xdotool", steps);
        EXPECT_TRUE(waitFor([&] { return xdotool.state() == QProcess::NotRunning; }));
    }
    // A press, a drag in small steps as a hand moves, and a release once the window followed.
    static void drag(QPoint from, QPoint to, const std::function<bool()>& followed) {
        QStringList steps = at(from) + QStringList{"mousedown", "1"};
        for (int step = 1; step <= 10; ++step)
            steps += at(from + (to - from) * step / 10);
        play(steps);
        EXPECT_TRUE(waitFor(followed));
        play({"mouseup", "1", "sleep", "0.2"});
    }
    // Runs act once ready holds (or the time is up), from whatever event loop runs by then: a
    // modal window's too.
    void whenReady(std::function<bool()> ready, std::function<void()> act) {
        auto* poll = new QTimer(&context);
        QElapsedTimer started;
        started.start();
        QObject::connect(poll, &QTimer::timeout, [=] {
            if (!ready() && !started.hasExpired(5000)) return;
            poll->deleteLater();
            act();
        });
        poll->start(20);
    }
    // The window on top of the window manager's stacking order.
    static WId topWindow() {
        return Output("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"})
            .split(' ')
            .last()
            .toULong(nullptr, 16);
    }

    form1* main = nullptr;
    QObject context;
};

}  // namespace

TEST_F(UnderAWindowManager, TheCornerDragStopsAtTheLeastSizeAndAnEdgeGrowsItBack) {
    QWidget* window = windowOf(*main);
    const QRect before = window->geometry();
    drag(before.bottomRight() - QPoint(1, 1), before.topLeft() + QPoint(20, 20),
         [&] { return window->size() == QSize(432, 156); });
    EXPECT_EQ(main->Width(), 432 * 15);
    EXPECT_EQ(main->Height(), 156 * 15);
    const QPoint bottom(window->geometry().center().x(), window->geometry().bottom() - 1);
    drag(bottom, bottom + QPoint(0, 150), [&] { return window->height() == 156 + 150; });
}

TEST_F(UnderAWindowManager, TheTitlesDoubleClickMaximizesAndRestores) {
    const QRect before = windowOf(*main)->geometry();
    const QRect workArea = QGuiApplication::primaryScreen()->availableGeometry();
    for (const QRect& wanted : {workArea, before}) {
        play(at(middleOf(main->PictureTitle)) + QStringList{"click", "--repeat", "2", "1"});
        EXPECT_TRUE(waitFor([&] { return windowOf(*main)->geometry() == wanted; }));
    }
    EXPECT_EQ(WindowMaximized, 0);
}

TEST_F(UnderAWindowManager, AQuestionFromTheSkinEditorIsOnTopOfEveryWindowTenTimesOfTen) {
    FormDesignEdit& editor = runtime::form<FormDesignEdit>();
    editor.Move(0, 0);
    editor.Show();
    ASSERT_TRUE(shownByWindowManager(editor));
    play(at(middleOf(editor.Picture1(6))) + QStringList{"click", "1"});  // the skin manager
    auto box = [] { return runtime::app().loadedForm<FormMessageBox>(); };
    // Laid out (a moment after it shows) and on top.
    auto boxOnTop = [&] {
        return box() && !box()->Timer1.getEnabled() && exposed(*box()) &&
               topWindow() == windowOf(*box())->winId();
    };
    int onTop = 0;
    for (int attempt = 0; attempt < 10; ++attempt) {
        bool answered = false;
        whenReady(boxOnTop, [&] {
            onTop += boxOnTop();
            if (box()) play(at(middleOf(box()->LabelOK)) + QStringList{"click", "1"});
            if (box()) box()->Unload();  // the test goes on all the same
            answered = true;
        });
        // Saving over the default skin is refused with a message.
        play(at(middleOf(editor.Picture1(8))) + QStringList{"click", "1"});
        EXPECT_TRUE(waitFor([&] { return answered && !box(); }));
    }
    EXPECT_EQ(onTop, 10);
}

TEST_F(UnderAWindowManager, AFavoritesDialogOpensCentredOverTheMainWindow) {
    main->Move(60 * 15, 40 * 15);
    ASSERT_TRUE(waitFor([&] { return windowOf(*main)->pos() == QPoint(60, 40); }));
    backend_.menuAnswers.push_back("Organize Favorites\tAlt+O");
    QPoint centre;
    auto dialog = [] { return runtime::app().loadedForm<frmOrganizeFavorite>(); };
    whenReady([&] { return dialog() && exposed(*dialog()); },
              [&] {
                  centre = windowOf(*dialog())->geometry().center();
                  dialog()->Unload();
              });
    play(at(middleOf(main->PictureBookmark)) + QStringList{"click", "1"});
    EXPECT_TRUE(waitFor([&] { return !dialog(); }));
    EXPECT_LE((centre - windowOf(*main)->geometry().center()).manhattanLength(), 2);
}

TEST_F(UnderAWindowManager, AClickOnAShapedWindowLeavesItInPlaceAndADoubleClickMinimizesIt) {
    ::e2e::PageServer site;
    site.add("/design.htm", QByteArray::fromStdString("<html><body>Shapes<!--\n" +
                                                      testing::ShapedDesign() + "--></body>"));
    ASSERT_TRUE(browse(*main, site.url("/design.htm").toStdString(),
                       site.url("/design.htm").toStdString()));
    frmMBrowser* shaped = nullptr;
    ASSERT_TRUE(waitFor([&] {
        for (runtime::Form* form : runtime::app().Forms())
            if ((shaped = dynamic_cast<frmMBrowser*>(form)) && shaped->Visible()) return true;
        return false;
    }));
    ASSERT_TRUE(shownByWindowManager(*shaped));
    const QPoint place = windowOf(*shaped)->pos();
    const QPoint surface = windowOf(*shaped)->mapToGlobal(QPoint(350, 20));
    play(at(surface) + QStringList{"click", "1"} + at(surface + QPoint(80, 60)));
    EXPECT_EQ(windowOf(*shaped)->pos(), place);
    play(at(surface) + QStringList{"click", "--repeat", "2", "1"});
    EXPECT_TRUE(
        waitFor([&] { return shaped->getWindowState() == runtime::WindowState::Minimized; }));
}

}  // namespace quillo::e2e
