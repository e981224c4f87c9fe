#include <QGuiApplication>
#include <QMouseEvent>
#include <QRegion>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include "QtFixture.h"
#include "runtime/Label.h"
#include "runtime/qt/QtWindowServices.h"

using namespace quillo::runtime;
using quillo::e2e::QtFixture;
using quillo::qt::QtWindowServices;

namespace {

class Plain : public Form {
  public:
    Plain() : Form("Plain") {
        MouseDown = [this](int, int, double, double) {
            if (edge == 0)
                application().backend().windows().startSystemMove(*this);
            else
                application().backend().windows().startSystemResize(*this, edge);
        };
        MouseMove = [this](int, int, double, double) { ++moves; };
        MouseUp = [this](int, int, double, double) { ++ups; };
        Click = [this] { ++clicks; };
    }
    int edge = 0;
    int moves = 0;
    int ups = 0;
    int clicks = 0;
};

class WindowServicesOnQt : public QtFixture {
  protected:
    void SetUp() override {
        ASSERT_EQ(application().screen().TwipsPerPixelX, 15.0);
        form = &application().newForm<Plain>();
        form->Move(1500, 1500, 6000, 4500);  // 100, 100, 400 x 300 pixels
        form->Show();
        window = widgetOf(*form);
    }
    WindowServices& services() { return application().backend().windows(); }
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), window->mapToGlobal(QPointF(at)), Qt::LeftButton, held,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(window, &event);
    }
    // A press, a move by (dx, dy) and a release, as the user drags.
    void drag(QPoint from, int dx, int dy) {
        QPoint global = window->mapToGlobal(from);
        mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
        QPoint to = window->mapFromGlobal(global + QPoint(dx, dy));
        mouse(QEvent::MouseMove, to, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, window->mapFromGlobal(global + QPoint(dx, dy)),
              Qt::NoButton);
    }
    Plain* form = nullptr;
    QWidget* window = nullptr;
};

}  // namespace

TEST_F(WindowServicesOnQt, TopmostKeepsTheWindowShownAndOnTop) {
    services().setTopmost(*form, true);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->pos(), QPoint(100, 100));
    // A border change keeps it on top.
    form->setBorderStyle(2);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    services().setTopmost(*form, false);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(WindowServicesOnQt, ASystemMoveFollowsTheMouseUntilRelease) {
    drag(QPoint(50, 50), 30, 20);
    EXPECT_EQ(window->pos(), QPoint(130, 120));
    EXPECT_EQ(form->Left(), 130 * 15);
    EXPECT_EQ(form->Top(), 120 * 15);
    // Like the platform's loop, the move took the release: no MouseUp, no Click.
    EXPECT_EQ(form->ups, 0);
    EXPECT_EQ(form->clicks, 0);
    // Once released, moves are the form's again.
    int before = form->moves;
    mouse(QEvent::MouseMove, QPoint(10, 10), Qt::NoButton);
    EXPECT_EQ(window->pos(), QPoint(130, 120));
    EXPECT_EQ(form->moves, before + 1);
}

TEST_F(WindowServicesOnQt, AResizeFromTheBottomRightCornerGrowsTheWindow) {
    form->edge = 17;
    drag(QPoint(398, 298), 40, 30);
    EXPECT_EQ(window->geometry(), QRect(100, 100, 440, 330));
    EXPECT_EQ(form->Width(), 440 * 15);
    EXPECT_EQ(form->Height(), 330 * 15);
}

TEST_F(WindowServicesOnQt, AResizeFromTheLeftEdgeKeepsTheRightEdge) {
    form->edge = 10;
    drag(QPoint(1, 150), -20, 15);
    EXPECT_EQ(window->geometry(), QRect(80, 100, 420, 300));
    EXPECT_EQ(form->Left(), 80 * 15);
    EXPECT_EQ(form->Width(), 420 * 15);
}

TEST_F(WindowServicesOnQt, AResizeFromTheTopCannotTurnTheWindowInsideOut) {
    form->edge = 12;
    drag(QPoint(200, 1), 0, 500);
    EXPECT_EQ(window->geometry().bottom(), 399);
    EXPECT_GE(window->height(), 1);
}

TEST_F(WindowServicesOnQt, TheBorderCodesNameTheirEdges) {
    EXPECT_EQ(QtWindowServices::EdgesOf(10), Qt::LeftEdge);
    EXPECT_EQ(QtWindowServices::EdgesOf(11), Qt::RightEdge);
    EXPECT_EQ(QtWindowServices::EdgesOf(12), Qt::TopEdge);
    EXPECT_EQ(QtWindowServices::EdgesOf(13), Qt::TopEdge | Qt::LeftEdge);
    EXPECT_EQ(QtWindowServices::EdgesOf(14), Qt::TopEdge | Qt::RightEdge);
    EXPECT_EQ(QtWindowServices::EdgesOf(15), Qt::BottomEdge);
    EXPECT_EQ(QtWindowServices::EdgesOf(16), Qt::BottomEdge | Qt::LeftEdge);
    EXPECT_EQ(QtWindowServices::EdgesOf(17), Qt::BottomEdge | Qt::RightEdge);
    EXPECT_EQ(QtWindowServices::EdgesOf(2), Qt::Edges());
    EXPECT_EQ(QtWindowServices::EdgesOf(18), Qt::Edges());
}

TEST_F(WindowServicesOnQt, AnUnknownBorderCodeLeavesThePressAlone) {
    form->edge = 9;
    drag(QPoint(50, 50), 30, 20);
    EXPECT_EQ(window->geometry(), QRect(100, 100, 400, 300));
    EXPECT_EQ(form->ups, 1);
}

TEST_F(WindowServicesOnQt, APolygonRegionShapesTheWindowWithTheAlternateFill) {
    // A five-pointed star drawn in one stroke: its centre is crossed twice and so left out.
    std::vector<PointPx> star{{200, 10}, {260, 290}, {20, 110}, {380, 110}, {140, 290}};
    services().setWindowRegion(*form, star);
    QRegion mask = window->mask();
    EXPECT_TRUE(mask.contains(QPoint(200, 40)));    // a point of the star
    EXPECT_FALSE(mask.contains(QPoint(200, 160)));  // the centre
    EXPECT_FALSE(mask.contains(QPoint(5, 5)));
    services().setWindowRegion(*form, {});
    EXPECT_TRUE(window->mask().isEmpty());
}

TEST_F(WindowServicesOnQt, TheWorkAreaIsTheScreenLessItsPanels) {
    RectPx area = services().workArea();
    QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(QRect(area.left, area.top, area.width, area.height), available);
    EXPECT_GT(area.width, 0);
}

TEST_F(WindowServicesOnQt, TheCursorPositionIsTheMousePointer) {
    QCursor::setPos(321, 123);
    PointPx at = services().cursorPos();
    EXPECT_EQ(at.x, 321);
    EXPECT_EQ(at.y, 123);
}
