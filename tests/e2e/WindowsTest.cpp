#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <memory>

#include "QtFixture.h"
#include "runtime/Image.h"
#include "runtime/Label.h"
#include "runtime/PictureBox.h"

using namespace quillo::runtime;
using quillo::e2e::QtFixture;

namespace {

class Sample : public Form {
  public:
    Sample() : Form("Sample") {
        Resize = [this] { ++resizes; };
    }
    Label& Label1 = add<Label>("Label1");
    Image& Image1 = add<Image>("Image1");
    PictureBox& Picture1 = add<PictureBox>("Picture1");
    Label& Inner = add<Label>("Inner", &Picture1);
    Frame& Frame1 = add<Frame>("Frame1");
    Image& Framed = add<Image>("Framed", &Frame1);
    Label& Late = add<Label>("Late");
    int resizes = 0;
};

class Windows : public QtFixture {
  protected:
    void SetUp() override {
        // Every pixel value below is for the 96-dpi screen of the offscreen platform.
        ASSERT_EQ(application().screen().TwipsPerPixelX, 15.0);
        ASSERT_EQ(application().screen().TwipsPerPixelY, 15.0);
    }
    Sample& sample() {
        auto& form = application().newForm<Sample>();
        form.Move(1500, 750, 6000, 4500);
        return form;
    }
};

QRgb pixelAt(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

}  // namespace

TEST_F(Windows, AFormOfControlsBecomesWidgetsAtTheirPixelGeometry) {
    Sample& form = sample();
    form.Label1.Move(150, 300, 1500, 450);
    form.Picture1.Move(3000, 1500, 2400, 1800);
    form.Inner.Move(150, 75, 600, 300);
    form.Frame1.Move(300, 2400, 1500, 1500);
    form.Framed.Move(150, 150, 300, 300);
    form.Show();

    QWidget* window = widgetOf(form);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->pos(), QPoint(100, 50));
    EXPECT_EQ(window->size(), QSize(400, 300));
    EXPECT_EQ(widgetOf(form.Label1)->parentWidget(), window);
    EXPECT_EQ(widgetOf(form.Label1)->geometry(), QRect(10, 20, 100, 30));
    EXPECT_EQ(widgetOf(form.Picture1)->geometry(), QRect(200, 100, 160, 120));
    EXPECT_EQ(widgetOf(form.Frame1)->geometry(), QRect(20, 160, 100, 100));
    EXPECT_EQ(widgetOf(form.Framed)->parentWidget(), widgetOf(form.Frame1));
    EXPECT_EQ(widgetOf(form.Framed)->geometry(), QRect(10, 10, 20, 20));
}

TEST_F(Windows, ControlsInAPictureBoxStartInsideItsBorder) {
    Sample& form = sample();
    form.Picture1.Move(3000, 1500, 2400, 1800);
    form.Inner.Move(150, 75, 600, 300);
    form.Show();
    EXPECT_EQ(widgetOf(form.Inner)->parentWidget(), widgetOf(form.Picture1));
    EXPECT_EQ(widgetOf(form.Inner)->geometry(), QRect(12, 7, 40, 20));
    form.Picture1.setBorderStyle(0);
    EXPECT_EQ(widgetOf(form.Inner)->geometry(), QRect(10, 5, 40, 20));
}

TEST_F(Windows, AFarEdgeIsRoundedOnItsOwnSoNeighboursMeet) {
    Sample& form = sample();
    // 22 twips are 1.47 pixels: rounding the width on its own would leave a pixel between them.
    form.Label1.Move(22, 0, 22, 300);
    form.Late.Move(44, 0, 300, 300);
    form.Show();
    QRect first = widgetOf(form.Label1)->geometry();
    EXPECT_EQ(first.left() + first.width(), widgetOf(form.Late)->geometry().left());
}

TEST_F(Windows, ABorderlessFormIsAFramelessWindow) {
    Sample& form = sample();
    form.setBorderStyle(0);
    form.Show();
    EXPECT_TRUE(widgetOf(form)->windowFlags() & Qt::FramelessWindowHint);
    form.setBorderStyle(2);
    EXPECT_FALSE(widgetOf(form)->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(widgetOf(form)->isVisible());
    EXPECT_EQ(widgetOf(form)->pos(), QPoint(100, 50));
}

TEST_F(Windows, ALoadedFormIsHiddenUntilShown) {
    Sample& form = sample();
    QWidget* window = widgetOf(form);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->isVisible());
    form.Show();
    EXPECT_TRUE(window->isVisible());
    form.Hide();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Windows, LeftAndVisibleOfAControlReachItsWidget) {
    Sample& form = sample();
    form.Label1.Move(150, 300, 1500, 450);
    form.Show();
    form.Label1.setLeft(600);
    EXPECT_EQ(widgetOf(form.Label1)->x(), 40);
    form.Label1.setVisible(false);
    EXPECT_TRUE(widgetOf(form.Label1)->isHidden());
    form.Label1.setVisible(true);
    EXPECT_TRUE(widgetOf(form.Label1)->isVisible());
    form.setLeft(3000);
    EXPECT_EQ(widgetOf(form)->x(), 200);
}

TEST_F(Windows, ACaptionReachesTheWindowTitleAndTheLabel) {
    Sample& form = sample();
    form.Label1.Move(0, 0, 1500, 450);
    form.Label1.setBackColor(RGB(255, 255, 255));
    form.Label1.setForeColor(RGB(0, 0, 0));
    form.Show();
    form.setCaption("Quillo");
    EXPECT_EQ(widgetOf(form)->windowTitle(), "Quillo");

    auto inked = [&] {
        QImage image = grab(widgetOf(form.Label1));
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                dark += qGray(image.pixel(x, y)) < 128;
        return dark;
    };
    EXPECT_EQ(inked(), 0);
    form.Label1.setCaption("WWW");
    EXPECT_GT(inked(), 20);
}

TEST_F(Windows, APictureChangeReachesTheWindow) {
    Sample& form = sample();
    form.setBackColor(RGB(0, 255, 0));
    form.setPicture(*LoadPicture(writePicture("red", Qt::red, 20, 10)));
    form.Show();
    QImage shown = grab(widgetOf(form));
    EXPECT_EQ(pixelAt(shown, 5, 5), 0xFF0000u);
    EXPECT_EQ(pixelAt(shown, 30, 5), 0x00FF00u);  // the picture keeps its own size
    form.setPicture(*LoadPicture(writePicture("blue", Qt::blue, 20, 10)));
    EXPECT_EQ(pixelAt(grab(widgetOf(form)), 5, 5), 0x0000FFu);
}

TEST_F(Windows, AnImageStretchesItsPictureOrTakesItsSize) {
    Sample& form = sample();
    form.setBackColor(RGB(255, 255, 255));
    Picture green = *LoadPicture(writePicture("green", Qt::green, 10, 10));
    form.Image1.setStretch(true);
    form.Image1.setPicture(green);
    form.Image1.Move(0, 0, 600, 600);
    form.Show();
    EXPECT_EQ(widgetOf(form.Image1)->size(), QSize(40, 40));
    EXPECT_EQ(pixelAt(grab(widgetOf(form)), 35, 35), 0x00FF00u);

    form.Image1.setStretch(false);
    form.Image1.setPicture(green);
    EXPECT_EQ(widgetOf(form.Image1)->size(), QSize(10, 10));
    EXPECT_EQ(pixelAt(grab(widgetOf(form)), 35, 35), 0xFFFFFFu);
}

TEST_F(Windows, ATransparentLabelShowsWhatLiesBelow) {
    Sample& form = sample();
    form.setPicture(*LoadPicture(writePicture("red", Qt::red, 100, 100)));
    form.Label1.Move(0, 0, 900, 900);
    form.Label1.setBackColor(RGB(0, 0, 255));
    form.Show();
    EXPECT_EQ(pixelAt(grab(widgetOf(form)), 50, 50), 0x0000FFu);
    form.Label1.setBackStyle(0);
    EXPECT_EQ(pixelAt(grab(widgetOf(form)), 50, 50), 0xFF0000u);
}

TEST_F(Windows, APictureBoxPaintsItsPictureAndDrawListInsideItsBorder) {
    Sample& form = sample();
    form.Picture1.Move(0, 0, 1500, 1500);
    form.Picture1.setBackColor(RGB(255, 255, 255));
    form.Picture1.setPicture(*LoadPicture(writePicture("blue", Qt::blue, 4, 4)));
    form.Picture1.PaintPicture(*LoadPicture(writePicture("red", Qt::red, 2, 2)), 150, 150, 300,
                               300);
    form.Show();
    QImage shown = grab(widgetOf(form.Picture1));
    EXPECT_EQ(pixelAt(shown, 3, 3), 0x0000FFu);    // the picture, inside the 2-pixel border
    EXPECT_EQ(pixelAt(shown, 17, 17), 0xFF0000u);  // drawn at 10,10 of the drawing area, 20 wide
    EXPECT_EQ(pixelAt(shown, 31, 31), 0xFF0000u);
    EXPECT_EQ(pixelAt(shown, 32, 32), 0xFFFFFFu);
    form.Picture1.Cls();
    EXPECT_EQ(pixelAt(grab(widgetOf(form.Picture1)), 17, 17), 0xFFFFFFu);
}

TEST_F(Windows, LabelsAndImagesStayBelowPictureBoxesWhateverTheirOrder) {
    Sample& form = sample();
    form.Picture1.Move(0, 0, 1500, 1500);
    form.Frame1.Move(750, 0, 1500, 1500);
    form.Late.Move(0, 0, 3000, 1500);  // made after the picture box, over it
    form.Show();
    QWidget* window = widgetOf(form);
    EXPECT_EQ(window->childAt(5, 5), widgetOf(form.Picture1));
    form.Late.ZOrder(0);
    EXPECT_EQ(window->childAt(5, 5), widgetOf(form.Picture1));
    EXPECT_EQ(window->childAt(80, 5), widgetOf(form.Frame1));
    form.Picture1.ZOrder(0);
    EXPECT_EQ(window->childAt(80, 5), widgetOf(form.Picture1));
    form.Picture1.ZOrder(1);
    EXPECT_EQ(window->childAt(80, 5), widgetOf(form.Frame1));
    EXPECT_EQ(window->childAt(5, 5), widgetOf(form.Picture1));
    EXPECT_EQ(window->childAt(170, 5), widgetOf(form.Late));
}

TEST_F(Windows, UnloadingAFormLetsGoOfItsWindow) {
    Sample& form = sample();
    form.Show();
    QPointer<QWidget> window = widgetOf(form);
    form.Unload();
    EXPECT_FALSE(window->isVisible());
    settle();
    EXPECT_TRUE(window.isNull());
}

TEST_F(Windows, MovingOrSizingTheWindowReachesTheForm) {
    Sample& form = sample();
    form.Show();
    QWidget* window = widgetOf(form);
    window->move(200, 120);
    EXPECT_EQ(form.Left(), 3000);
    EXPECT_EQ(form.Top(), 1800);
    int before = form.resizes;
    window->resize(500, 400);
    EXPECT_EQ(form.Width(), 7500);
    EXPECT_EQ(form.Height(), 6000);
    EXPECT_GT(form.resizes, before);
}

TEST_F(Windows, AResizeHandlersOwnSizeWinsOverTheUsers) {
    Sample& form = sample();
    form.Show();
    form.Resize = [&form] {
        if (form.Width() < 3000) form.setWidth(3000);
    };
    widgetOf(form)->resize(100, 250);
    EXPECT_EQ(form.Width(), 3000);
    EXPECT_EQ(form.Height(), 3750);
    EXPECT_EQ(widgetOf(form)->size(), QSize(200, 250));
}

TEST_F(Windows, TheFormsOwnMovesDoNotComeBackRounded) {
    Sample& form = sample();
    form.Show();
    form.Move(1507, 752, 6004, 4493);
    settle();
    EXPECT_EQ(form.Left(), 1507);
    EXPECT_EQ(form.Top(), 752);
    EXPECT_EQ(form.Width(), 6004);
    EXPECT_EQ(form.Height(), 4493);
}

TEST_F(Windows, TheWindowStateFollowsTheFormAndTheUser) {
    Sample& form = sample();
    form.Show();
    form.setWindowState(WindowState::Minimized);
    EXPECT_TRUE(widgetOf(form)->isMinimized());
    form.setWindowState(WindowState::Normal);
    EXPECT_FALSE(widgetOf(form)->isMinimized());

    int before = form.resizes;
    widgetOf(form)->setWindowState(Qt::WindowMinimized);  // as the task bar does
    EXPECT_EQ(form.getWindowState(), WindowState::Minimized);
    EXPECT_GT(form.resizes, before);
}

TEST_F(Windows, AControlMadeAtRunTimeGetsItsWidget) {
    Sample& form = sample();
    form.Show();
    auto pictures = ControlArray<Image>(form, "Extra", &form.Picture1);
    Image& extra = pictures.Load(1);
    extra.Move(150, 150, 300, 300);
    ASSERT_NE(widgetOf(extra), nullptr);
    EXPECT_EQ(widgetOf(extra)->parentWidget(), widgetOf(form.Picture1));
    EXPECT_TRUE(widgetOf(extra)->isVisible());
    pictures.Unload(1);
}

TEST_F(Windows, AShownFormRaisesPaint) {
    Sample& form = sample();
    int paints = 0;
    form.Paint = [&] { ++paints; };
    form.Show();
    EXPECT_TRUE(waitFor([&] { return paints >= 1; }));
}

TEST_F(Windows, APaintHandlerThatDrawsDoesNotRaisePaintAgainAndAgain) {
    Sample& form = sample();
    Picture red = *LoadPicture(writePicture("red", Qt::red, 2, 2));
    int paints = 0;
    form.Paint = [&] {
        ++paints;
        form.Cls();
        form.PaintPicture(red, 0, 0);
    };
    form.Show();
    ASSERT_TRUE(waitFor([&] { return paints >= 1; }));
    waitFor([] { return false; }, 200);
    EXPECT_LE(paints, 2);
}

TEST_F(Windows, AFormThatKeepsItsDrawingRaisesNoPaint) {
    Sample& form = sample();
    form.setAutoRedraw(true);
    int paints = 0;
    form.Paint = [&] { ++paints; };
    form.Show();
    widgetOf(form)->repaint();
    waitFor([] { return false; }, 100);
    EXPECT_EQ(paints, 0);
}

TEST_F(Windows, TheWindowSystemsCloseUnloadsAFormOrDoesWhatItsHandlerDoes) {
    Sample& plain = sample();
    plain.Show();
    std::weak_ptr<const void> plainAlive = plain.lifetime();
    widgetOf(plain)->close();
    settle();
    EXPECT_TRUE(plainAlive.expired());

    Sample& hiding = sample();
    hiding.CloseRequest = [&hiding] { hiding.Hide(); };
    hiding.Show();
    QPointer<QWidget> window = widgetOf(hiding);
    window->close();
    settle();
    EXPECT_TRUE(hiding.loaded());
    EXPECT_FALSE(hiding.Visible());
    ASSERT_FALSE(window.isNull());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Windows, AMinimizeTheWindowSystemLeftUndoneEndsWhenTheWindowIsSeenAgain) {
    Sample& form = sample();
    form.Label1.Move(150, 150, 600, 300);
    form.Show();
    QWidget* window = widgetOf(form);
    ASSERT_TRUE(waitFor([&] { return window->windowHandle()->isExposed(); }));
    form.setWindowState(WindowState::Minimized);
    settle();
    // Nothing hid the window: it still shows.
    ASSERT_TRUE(window->windowHandle()->isExposed());
    EXPECT_EQ(form.getWindowState(), WindowState::Minimized);

    int before = form.resizes;
    QTest::mouseClick(widgetOf(form.Label1), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(form.getWindowState(), WindowState::Normal);
    EXPECT_FALSE(window->isMinimized());
    EXPECT_GT(form.resizes, before);

    // Sized by the user while the state said minimized, the form learns its new size.
    form.setWindowState(WindowState::Minimized);
    settle();
    window->resize(500, 400);
    settle();
    EXPECT_EQ(form.getWindowState(), WindowState::Normal);
    EXPECT_EQ(form.Width(), 500 * 15);
}
