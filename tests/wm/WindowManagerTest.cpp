// The program on an X display with a window manager, worked with real pointer input (xdotool)
// that goes through the window manager's own move and size loops, placement and stacking.

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QWebEnginePage>
#include <QWindow>
#include <map>
#include <vector>

#include "../designs/ShapedDesign.h"
#include "../e2e/E2E.h"
#include "../e2e/ProgramOnQt.h"
#include "../e2e/QtFixture.h"
#include "designs/frmMBrowser.h"
#include "favorites/frmOrganizeFavorite.h"
#include "mainwindow/FormBabyBrowser.h"
#include "runtime/qt/QtWebEngine.h"
#include "runtime/qt/WidgetPeer.h"
#include "shared/FormMessageBox.h"
#include "skins/FormDesignEdit.h"
#include "skins/FormLoading.h"

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
// Some window managers size a window only at the release, showing an outline until then.
void Drag(QPoint from, QPoint to, const std::function<bool()>& followed = {}, int button = 1) {
    QStringList steps = At(from) + QStringList{"mousedown", QString::number(button)};
    for (int step = 1; step <= 10; ++step)
        steps += At(from + (to - from) * step / 10);
    const QStringList release{"mouseup", QString::number(button), "sleep", "0.2"};
    if (!followed) return void(Output("xdotool", steps + release));
    Output("xdotool", steps);
    waitFor(followed, 2000);
    Output("xdotool", release);
    EXPECT_TRUE(waitFor(followed));
}
// The window on top of the window manager's stacking order.
WId TopWindow() {
    const QString stacking = Output("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"});
    return stacking.trimmed().split(' ').last().toULong(nullptr, 16);
}
// By the X server's own stacking, which xwininfo lists top first, each window in its frame:
// some window managers keep the stacking property in an order of their own.
bool Above(const QWidget& upper, const QWidget& lower) {
    const QString tree = Output("xwininfo", {"-root", "-tree"});
    const auto place = [&](const QWidget& window) {
        return tree.indexOf(QString(" 0x%1 ").arg(window.winId(), 0, 16));
    };
    return place(upper) >= 0 && place(upper) < place(lower);
}
FormDesignEdit& SkinEditorInTheCorner() {
    FormDesignEdit& editor = runtime::form<FormDesignEdit>();
    editor.Move(0, 0);
    editor.Show();
    EXPECT_TRUE(waitFor([&] { return Exposed(editor); }));
    return editor;
}
// The middle of the magenta the screen shows once a good part of it does, or a null point.
QPoint MagentaShown() {
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    std::vector<QPoint> found;
    for (int y = 0; y < screen.height(); y += 4)
        for (int x = 0; x < screen.width(); x += 4)
            if (const QRgb shown = screen.pixel(x, y);
                qRed(shown) > 240 && qGreen(shown) < 16 && qBlue(shown) > 240)
                found.emplace_back(x, y);
    return found.size() < 1000 ? QPoint() : found[found.size() / 2];
}

// Hands every event the object sees (every object, on the application) to a function.
struct Watching : QObject {
    Watching(QObject* on, std::function<void(QObject*, QEvent*)> seen) : seen(std::move(seen)) {
        on->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        return seen(watched, event), false;
    }
    std::function<void(QObject*, QEvent*)> seen;
};

// A JPEG picture of 800 by 800 pixels all in one colour, large enough to drag from a page.
QByteArray FilledJpeg(Qt::GlobalColor colour) {
    QImage picture(800, 800, QImage::Format_RGB32);
    picture.fill(colour);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    picture.save(&buffer, "JPG");
    return jpeg;
}

class UnderAWindowManager : public ProgramOnQt {
  protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != "xcb" ||
            !Output("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains('#'))
            GTEST_SKIP() << "needs an X display with a window manager, as scripts/test gives";
        main = &start();
        ASSERT_TRUE(waitFor([&] { return Exposed(*main); }));
    }
    // Chooses the command in the favorites menu and acts on the dialog it opens once that
    // shows; the dialog closes after.
    void withFavoritesDialog(const char* command, const std::function<void(QWidget&)>& act) {
        backend_.menuAnswers.push_back(command);
        whenShown<QWidget>(&context, [act](QWidget& dialog) {
            waitFor([&] { return dialog.windowHandle()->isExposed(); });
            act(dialog);
            for (runtime::Form* form : runtime::app().Forms())
                if (form->modal()) form->Unload();
        });
        ClickAt(MiddleOf(main->PictureBookmark));
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
    FormDesignEdit& editor = SkinEditorInTheCorner();
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
    ::e2e::PageServer site;
    site.add("/green.jpg", FilledJpeg(Qt::green), "image/jpeg");
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
    ::e2e::PageServer site;
    site.add("/magenta.jpg", FilledJpeg(Qt::magenta), "image/jpeg");
    site.add("/picture.htm", "<body style='margin:0'><img src='magenta.jpg'></body>");
    // Below the other copy, which shows itself in the middle of the screen.
    const QPoint below(0, QGuiApplication::primaryScreen()->availableGeometry().bottom() + 1 -
                              WindowOf(*main)->height());
    main->Move(below.x() * 15, below.y() * 15);
    ASSERT_TRUE(waitFor([&] { return WindowOf(*main)->pos() == below; }));
    const std::string home = main->PictureHome.Tag();
    int entering = 0;
    const Watching drags(WindowOf(main->PictureHome), [&](QObject*, QEvent* event) {
        entering += event->type() == QEvent::DragEnter;
    });
    // Started as a pop-up starts one, at home in a folder of its own, where its engine writes
    // the picture it offers.
    const QString other = QString::fromStdString(folder_ + "/other");
    QDir().mkpath(other);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("XDG_DATA_HOME");
    for (const char* place : {"HOME", "XDG_RUNTIME_DIR", "TMPDIR"})
        environment.insert(place, other);
    QProcess copy;
    copy.setProcessEnvironment(environment);
    copy.start(QUILLO_PROGRAM, {"<" + site.url("/picture.htm") + ">"});
    QPoint shown;
    ASSERT_TRUE(waitFor([&] { return !(shown = MagentaShown()).isNull(); }, 60000));
    Drag(shown, MiddleOf(main->PictureHome));
    EXPECT_TRUE(waitFor([&] { return entering > 0; }));
    waitFor([] { return false; }, 500);
    EXPECT_EQ(main->PictureHome.Tag(), home);
    copy.terminate();
    copy.waitForFinished(5000);
}

TEST_F(UnderAWindowManager, TheOrganizeDialogStaysAboveTheSkinManagerAfterAClickOnIt) {
    ClickAt(MiddleOf(SkinEditorInTheCorner().Picture1(6)));  // the skin manager, topmost too
    ASSERT_TRUE(waitFor([&] { return Exposed(runtime::form<FormLoading>()); }));
    QWidget* manager = WindowOf(runtime::form<FormLoading>());
    withFavoritesDialog("Organize Favorites\tAlt+O", [&](QWidget& dialog) {
        EXPECT_TRUE(waitFor([&] { return Above(dialog, *manager); }, 2000));
        ClickAt(manager->mapToGlobal(QPoint(8, 8)));  // far above the dialog's top
        EXPECT_FALSE(waitFor([&] { return !Above(dialog, *manager); }, 1000));
    });
}

TEST_F(UnderAWindowManager, ADialogOverTheSmallestMainWindowInACornerLiesInsideTheScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize least(main->MinimumWidth() / 15, main->MinimumHeight() / 15);
    // Where the program put each window it showed, before a window manager could move it.
    std::map<QObject*, QRect> asked;
    const Watching shown(qApp, [&](QObject* object, QEvent* event) {
        if (event->type() == QEvent::Show && object->isWidgetType())
            asked[object] = static_cast<QWidget*>(object)->geometry();
    });
    for (const auto& [corner, command] :
         {std::pair(screen.topLeft(), "Organize Favorites\tAlt+O"),
          std::pair(screen.bottomRight() - QPoint(least.width(), least.height()) + QPoint(1, 1),
                    "Add To Favorites\tAlt+A")}) {
        main->Move(corner.x() * 15, corner.y() * 15, least.width() * 15, least.height() * 15);
        ASSERT_TRUE(waitFor([&] { return WindowOf(*main)->geometry() == QRect(corner, least); }));
        withFavoritesDialog(command, [&](QWidget& dialog) {
            waitFor([] { return false; }, 300);  // where the window manager leaves it
            // Some window managers pull a window back, others leave it where the program asks.
            EXPECT_TRUE(screen.contains(asked.at(&dialog))) << command;
            EXPECT_TRUE(screen.contains(dialog.frameGeometry())) << command;
        });
    }
}

TEST_F(UnderAWindowManager, ABlankPopUpOpensOverTheMainWindowAfterAClickOnTheSkinEditor) {
    ::e2e::PageServer site;
    site.add("/writer.htm",
             "<script>function pop() { var w = window.open(''); w.document.write('Hello'); "
             "w.document.close(); }</script>Writer");
    const std::string page = site.url("/writer.htm").toStdString();
    ASSERT_TRUE(browse(*main, page, page));
    ClickAt(MiddleOf(SkinEditorInTheCorner().TextBoxSkinName));
    // The page opens it of its own accord, a while after the child went on elsewhere.
    dynamic_cast<qt::QtWebEngine*>(main->WebBrowser2.engine())->page()->runJavaScript("pop()");
    FormBabyBrowser* popUp = nullptr;
    ASSERT_TRUE(waitFor([&] {
        popUp = runtime::app().loadedForm<FormBabyBrowser>();
        return popUp && popUp->Visible() && Exposed(*popUp);
    }));
    waitFor([] { return false; }, 300);
    const QRect placed = WindowOf(*popUp)->frameGeometry();
    EXPECT_TRUE(WindowOf(*main)->geometry().contains(placed.center()));
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(placed));
}

TEST_F(UnderAWindowManager, AWindowDraggedWithAnyButtonStaysWhereThatButtonCameUp) {
    QWidget* window = WindowOf(*main);
    // The title moves the window, its bottom-right corner sizes it; the right and the middle
    // button leave nothing behind that spoils the left button's drag after them.
    QPoint by(-120, -90);
    for (const bool sizing : {false, true}) {
        for (const int button : {3, 2, 1}) {
            SCOPED_TRACE(::testing::Message() << "sizing " << sizing << ", button " << button);
            const QRect before = window->geometry();
            const QRect wanted =
                sizing ? before.adjusted(0, 0, by.x(), by.y()) : before.translated(by);
            const QPoint grip =
                sizing ? before.bottomRight() - QPoint(1, 1) : MiddleOf(main->PictureTitle);
            Drag(grip, grip + by, {}, button);
            EXPECT_TRUE(waitFor([&] { return window->geometry() == wanted; }, 2000));
            Output("xdotool", At(grip + QPoint(50, 40)));
            EXPECT_FALSE(waitFor([&] { return window->geometry() != wanted; }, 1000));
            by = -by;
        }
    }
}

}  // namespace quillo::e2e
