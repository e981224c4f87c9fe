// The program on an X display with a window manager, worked with real pointer input (xdotool)
// that goes through the window manager's own move and size loops, placement and stacking.

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QWindow>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <vector>

#include "../designs/ShapedDesign.h"
#include "../e2e/E2E.h"
#include "../e2e/ProgramOnQt.h"
#include "../e2e/QtFixture.h"
#include "designs/frmMBrowser.h"
#include "favorites/frmOrganizeFavorite.h"
#include "runtime/qt/QtWebEngine.h"
#include "runtime/qt/WidgetPeer.h"
#include "shared/FormMessageBox.h"
#include "skins/FormDesignEdit.h"

namespace quillo::e2e {

namespace {

using ::e2e::waitFor;

// The program runs on while xdotool plays its input.
QString Output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    waitFor([&] { return process.state() == QProcess::NotRunning; });
    return QString::fromLatin1(process.readAllStandardOutput());
}
QWidget* WindowOf(const runtime::Control& control) {
    return qt::WidgetPeer::widgetOf(control);
}
bool Exposed(const runtime::Form& form) {
    return WindowOf(form) && WindowOf(form)->windowHandle() &&
           WindowOf(form)->windowHandle()->isExposed();
}
QPoint MiddleOf(const runtime::Control& control) {
    return WindowOf(control)->mapToGlobal(WindowOf(control)->rect().center());
}
QStringList At(QPoint point) {
    return {"mousemove", QString::number(point.x()), QString::number(point.y()), "sleep", "0.2"};
}
void ClickAt(QPoint point, int clicks = 1) {
    Output("xdotool", At(point) + QStringList{"click", "--repeat", QString::number(clicks), "1"});
}
// A press, a drag in small steps as a hand moves, and a release once the window followed; or
// at once, when nothing is to follow (a drag out of a page holds the program until it ends).
void Drag(QPoint from, QPoint to, const std::function<bool()>& followed = {}) {
    QStringList steps = At(from) + QStringList{"mousedown", "1"};
    for (int step = 1; step <= 10; ++step)
        steps += At(from + (to - from) * step / 10);
    const QStringList release{"mouseup", "1", "sleep", "0.2"};
    if (!followed) return void(Output("xdotool", steps + release));
    Output("xdotool", steps);
    EXPECT_TRUE(waitFor(followed));
    Output("xdotool", release);
}
// The window on top of the window manager's stacking order.
WId TopWindow() {
    const QString stacking = Output("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"});
    return stacking.trimmed().split(' ').last().toULong(nullptr, 16);
}

// A second copy of the program, started with an address as a pop-up starts one, with a home
// and a temporary folder of its own; it ends with the test.
class OtherCopy {
  public:
    OtherCopy(const std::string& folder, const std::string& address) {
        for (const char* place : {"home", "run", "tmp"})
            std::filesystem::create_directories(folder + "/other/" + place);
        const QString root = QString::fromStdString(folder + "/other/");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("XDG_DATA_HOME");
        environment.insert("HOME", root + "home");
        environment.insert("XDG_RUNTIME_DIR", root + "run");
        environment.insert("TMPDIR", root + "tmp");
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox");
        process_.setProcessEnvironment(environment);
        process_.start(QUILLO_PROGRAM, {QString::fromStdString("<" + address + ">")});
    }
    ~OtherCopy() {
        process_.terminate();
        if (!process_.waitForFinished(5000)) process_.kill();
        process_.waitForFinished(5000);
    }

  private:
    QProcess process_;
};

// A point in the middle of what the screen shows in about this colour, once a good part shows
// in it.
std::optional<QPoint> Showing(QColor colour) {
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    auto near = [&](QColor shown) {
        return std::abs(shown.red() - colour.red()) + std::abs(shown.green() - colour.green()) +
                   std::abs(shown.blue() - colour.blue()) <
               24;
    };
    std::vector<QPoint> found;
    for (int y = 0; y < screen.height(); y += 4)
        for (int x = 0; x < screen.width(); x += 4)
            if (near(screen.pixelColor(x, y))) found.emplace_back(x, y);
    if (found.size() < 1000) return std::nullopt;
    return found[found.size() / 2];
}

// Counts the drags that enter a widget.
class DragsEntering : public QObject {
  public:
    explicit DragsEntering(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::DragEnter;
        return false;
    }
};

class UnderAWindowManager : public ProgramOnQt {
  protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != "xcb" ||
            !Output("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains('#'))
            GTEST_SKIP() << "needs an X display with a window manager, as scripts/test gives";
        main = &start();
        ASSERT_TRUE(waitFor([&] { return Exposed(*main); }));
    }
    form1* main = nullptr;
    QObject context;
};

}  // namespace

TEST_F(UnderAWindowManager, TheCornerDragStopsAtTheLeastSizeAndAnEdgeGrowsItBack) {
    QWidget* window = WindowOf(*main);
    const QRect before = window->geometry();
    Drag(before.bottomRight() - QPoint(1, 1), before.topLeft() + QPoint(20, 20),
         [&] { return window->size() == QSize(432, 156) && main->Height() == 156 * 15; });
    const QPoint bottom(window->geometry().center().x(), window->geometry().bottom() - 1);
    Drag(bottom, bottom + QPoint(0, 150), [&] { return window->height() == 156 + 150; });
}

TEST_F(UnderAWindowManager, TheTitlesDoubleClickMaximizesAndRestores) {
    const QRect before = WindowOf(*main)->geometry();
    for (const QRect& wanted : {QGuiApplication::primaryScreen()->availableGeometry(), before}) {
        ClickAt(MiddleOf(main->PictureTitle), 2);
        EXPECT_TRUE(waitFor([&] { return WindowOf(*main)->geometry() == wanted; }));
    }
}

TEST_F(UnderAWindowManager, AQuestionFromTheSkinEditorIsOnTopOfEveryWindowTenTimesOfTen) {
    FormDesignEdit& editor = runtime::form<FormDesignEdit>();
    editor.Move(0, 0);
    editor.Show();
    ASSERT_TRUE(waitFor([&] { return Exposed(editor); }));
    ClickAt(MiddleOf(editor.Picture1(6)));  // the skin manager beside it, topmost too
    int onTop = 0;
    for (int attempt = 0; attempt < 10; ++attempt) {
        whenShown<QWidget>(&context, [&](QWidget& box) {
            FormMessageBox& shown = runtime::form<FormMessageBox>();
            // Laid out a moment after it shows.
            onTop += waitFor(
                [&] { return !shown.Timer1.getEnabled() && TopWindow() == box.winId(); }, 5000);
            ClickAt(MiddleOf(shown.LabelOK));
        });
        ClickAt(MiddleOf(editor.Picture1(8)));  // saving over the default skin is refused
    }
    EXPECT_EQ(onTop, 10);
}

TEST_F(UnderAWindowManager, AFavoritesDialogOpensCentredOverTheMainWindow) {
    main->Move(60 * 15, 40 * 15);
    ASSERT_TRUE(waitFor([&] { return WindowOf(*main)->pos() == QPoint(60, 40); }));
    backend_.menuAnswers.push_back("Organize Favorites\tAlt+O");
    QPoint centre;
    whenShown<QWidget>(&context, [&](QWidget& dialog) {
        waitFor([&] { return dialog.windowHandle()->isExposed(); });
        centre = dialog.geometry().center();
        runtime::form<frmOrganizeFavorite>().Unload();
    });
    ClickAt(MiddleOf(main->PictureBookmark));
    EXPECT_LE((centre - WindowOf(*main)->geometry().center()).manhattanLength(), 2);
}

TEST_F(UnderAWindowManager, AClickOnAShapedWindowLeavesItInPlaceAndADoubleClickMinimizesIt) {
    ::e2e::PageServer site;
    site.add("/design.htm", QByteArray::fromStdString("<html><body>Shapes<!--\n" +
                                                      testing::ShapedDesign() + "--></body>"));
    const std::string page = site.url("/design.htm").toStdString();
    ASSERT_TRUE(browse(*main, page, page));
    frmMBrowser* shaped = nullptr;
    ASSERT_TRUE(waitFor([&] {
        for (runtime::Form* form : runtime::app().Forms())
            if ((shaped = dynamic_cast<frmMBrowser*>(form)) && Exposed(*shaped)) return true;
        return false;
    }));
    const QPoint place = WindowOf(*shaped)->pos();
    const QPoint surface = WindowOf(*shaped)->mapToGlobal(QPoint(350, 20));
    ClickAt(surface);
    Output("xdotool", At(surface + QPoint(80, 60)));
    EXPECT_FALSE(waitFor([&] { return WindowOf(*shaped)->pos() != place; }, 1000));
    ClickAt(surface, 2);
    EXPECT_TRUE(
        waitFor([&] { return shaped->getWindowState() == runtime::WindowState::Minimized; }));
}

TEST_F(UnderAWindowManager, APictureDraggedOutOfAPageOntoAButtonLeavesTheButtonAsItWas) {
    // The engine offers a picture dragged out of its page as a file of its own.
    QImage green(800, 800, QImage::Format_RGB32);
    green.fill(Qt::green);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    green.save(&buffer, "JPG");
    ::e2e::PageServer site;
    site.add("/green.jpg", jpeg, "image/jpeg");
    site.add("/picture.htm",
             "<body style='margin:0'><img src='green.jpg' "
             "ondragend='document.title = event.dataTransfer.dropEffect'></body>");
    const std::string page = site.url("/picture.htm").toStdString();
    ASSERT_TRUE(browse(*main, page, page));
    const std::string home = main->PictureHome.Tag();
    QWidget* view = dynamic_cast<qt::QtWebEngine*>(main->WebBrowser2.engine())->widget();
    Drag(view->mapToGlobal(view->rect().center()), MiddleOf(main->PictureHome));
    // The page saw its picture dropped nowhere.
    EXPECT_TRUE(waitFor([&] { return main->WebBrowser2.LocationName() == "none"; }));
    EXPECT_EQ(main->PictureHome.Tag(), home);
}

TEST_F(UnderAWindowManager,
       APictureDraggedFromAPageOfAnotherCopyOntoAButtonLeavesTheButtonAsItWas) {
    // The other copy's engine offers the picture as a file of its own, in its temporary folder.
    const QColor magenta(255, 0, 255);
    QImage picture(800, 800, QImage::Format_RGB32);
    picture.fill(magenta);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    picture.save(&buffer, "JPG");
    ::e2e::PageServer site;
    site.add("/magenta.jpg", jpeg, "image/jpeg");
    site.add("/picture.htm", "<body style='margin:0'><img src='magenta.jpg'></body>");
    site.add("/plain.htm", "<body>Plain</body>");
    const std::string plain = site.url("/plain.htm").toStdString();
    ASSERT_TRUE(browse(*main, plain, plain));
    // Below the other copy, which shows itself in the middle of the screen.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint below(0, screen.y() + screen.height() - WindowOf(*main)->height());
    main->Move(below.x() * 15, below.y() * 15);
    ASSERT_TRUE(waitFor([&] { return WindowOf(*main)->pos() == below; }));
    const std::string home = main->PictureHome.Tag();
    DragsEntering entering(WindowOf(main->PictureHome));

    OtherCopy other(folder_, site.url("/picture.htm").toStdString());
    std::optional<QPoint> shown;
    ASSERT_TRUE(waitFor([&] { return (shown = Showing(magenta)).has_value(); }, 60000));
    Drag(*shown, MiddleOf(main->PictureHome));
    EXPECT_TRUE(waitFor([&] { return entering.count > 0; }));
    waitFor([] { return false; }, 500);
    EXPECT_EQ(main->PictureHome.Tag(), home);
}

}  // namespace quillo::e2e
