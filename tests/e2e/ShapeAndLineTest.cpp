#include <QImage>
#include <QTest>

#include "QtFixture.h"
#include "runtime/Line.h"
#include "runtime/PictureBox.h"
#include "runtime/Shape.h"

using namespace quillo::runtime;
using quillo::e2e::QtFixture;

namespace {

class Drawn : public Form {
  public:
    Drawn() : Form("Drawn") {}
    PictureBox& Picture1 = add<PictureBox>("Picture1");
    Shape& Shape1 = add<Shape>("Shape1");
    Line& Line1 = add<Line>("Line1");
};

QRgb pixelAt(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

class ShapesAndLines : public QtFixture {
  protected:
    void SetUp() override {
        form = &application().newForm<Drawn>();
        form->Move(0, 0, 6000, 4500);
        form->setBackColor(RGB(255, 255, 255));
        form->Picture1.Move(3000, 3000, 600, 600);
        form->Shape1.Move(150, 150, 1500, 1500);  // 10, 10, 100 by 100 pixels
        form->Shape1.setBorderColor(RGB(0, 0, 0));
        form->Shape1.setFillStyle(0);
        form->Shape1.setFillColor(RGB(255, 0, 0));
        form->Line1.setBorderColor(RGB(0, 0, 255));
        form->Line1.setBorderWidth(3);
        form->Line1.setX1(150);
        form->Line1.setY1(3000);  // a level line at y 200, from x 10 to 110
        form->Line1.setX2(1650);
        form->Line1.setY2(3000);
        form->Show();
    }
    QImage window() { return grab(widgetOf(*form)); }
    Drawn* form = nullptr;
};

}  // namespace

TEST_F(ShapesAndLines, AShapeIsFilledAndOutlinedAsTheModelSays) {
    EXPECT_EQ(pixelAt(window(), 60, 60), 0xFF0000u);
    EXPECT_EQ(pixelAt(window(), 10, 60), 0x000000u);  // the border lies inside
    form->Shape1.setFillColor(RGB(0, 255, 0));
    EXPECT_EQ(pixelAt(window(), 60, 60), 0x00FF00u);
    form->Shape1.setFillStyle(1);  // transparent: the form shows through
    EXPECT_EQ(pixelAt(window(), 60, 60), 0xFFFFFFu);
    form->Shape1.setBackStyle(1);
    form->Shape1.setBackColor(RGB(0, 0, 255));
    EXPECT_EQ(pixelAt(window(), 60, 60), 0x0000FFu);
}

TEST_F(ShapesAndLines, ACircleLeavesTheCornersOfItsPlaceAlone) {
    form->Shape1.Move(150, 150, 3000, 1500);  // 200 by 100: the circle is 100 wide, centred
    form->Shape1.setShape(3);
    EXPECT_EQ(pixelAt(window(), 14, 14), 0xFFFFFFu);
    EXPECT_EQ(pixelAt(window(), 40, 60), 0xFFFFFFu);  // left of the circle
    EXPECT_EQ(pixelAt(window(), 110, 60), 0xFF0000u);
}

TEST_F(ShapesAndLines, ALevelLineShowsAndFollowsItsEnds) {
    EXPECT_EQ(pixelAt(window(), 60, 200), 0x0000FFu);
    EXPECT_EQ(pixelAt(window(), 60, 204), 0xFFFFFFu);
    form->Line1.setY2(4200);  // now slanting down to 110, 280
    EXPECT_EQ(pixelAt(window(), 60, 200), 0xFFFFFFu);
    EXPECT_EQ(pixelAt(window(), 60, 240), 0x0000FFu);
    EXPECT_EQ(pixelAt(window(), 109, 279), 0x0000FFu);
}

TEST_F(ShapesAndLines, ShapesAndLinesLieBelowWindowedControlsAndLetTheMouseThrough) {
    form->Shape1.Move(2700, 2700, 1500, 1500);  // over the picture box
    form->Shape1.ZOrder(0);
    QWidget* shown = widgetOf(*form);
    EXPECT_EQ(shown->childAt(205, 205), widgetOf(form->Picture1));
    EXPECT_EQ(pixelAt(window(), 205, 205), pixelAt(grab(widgetOf(form->Picture1)), 5, 5));
    // Where only the shape is, the mouse reaches the form.
    EXPECT_EQ(shown->childAt(185, 185), nullptr);
    EXPECT_EQ(shown->childAt(60, 200), nullptr);
}
