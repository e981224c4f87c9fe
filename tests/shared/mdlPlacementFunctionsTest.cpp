#include "shared/mdlPlacementFunctions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "runtime/Label.h"
#include "runtime/headless/Harness.h"

using quillo::headless::Harness;

namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

void setDpi(Harness& harness, double x, double y) {
    harness.backend().screenInfo.dpiX = x;
    harness.backend().screenInfo.dpiY = y;
    harness.application().refreshScreen();
}

}  // namespace

TEST(TwipsPerPixel, IsTheMeanOfBothAxesRoundedHalfToEven) {
    struct Case {
        double dpiX;
        double dpiY;  // 1440 / dpi twips per pixel on each axis; their mean follows each case
        std::int32_t factor;
    };
    const Case cases[] = {
        {96, 96, 15},    // 15
        {120, 120, 12},  // 12
        {96, 120, 14},   // 13.5
        {90, 160, 12},   // 12.5
        {72, 160, 14},   // 14.5
        {90, 96, 16},    // 15.5
        {144, 160, 10},  // 9.5
        {180, 160, 8},   // 8.5
        {3000, 3000, 1}  // 0.48 would round to 0 and leave nothing to divide by
    };
    for (const Case& c : cases) {
        Harness harness;
        setDpi(harness, c.dpiX, c.dpiY);
        EXPECT_EQ(quillo::TwipsPerPixel(), c.factor) << c.dpiX << " x " << c.dpiY;
        EXPECT_EQ(quillo::PixelsToTwips(3), 3 * c.factor) << c.dpiX << " x " << c.dpiY;
    }
}

TEST(PixelsToTwips, MultipliesByTheFactorAndSaturatesBeyondThirtyTwoBits) {
    Harness harness;
    struct Case {
        std::int32_t pixels;
        std::int32_t twips;
        bool fits;
    };
    const Case cases[] = {
        {1, 15, true},
        {600, 9000, true},
        {0, 0, true},
        {-2, -30, true},
        {143165576, 2147483640, true},
        {143165577, kMax, false},
        {-143165576, -2147483640, true},
        {-143165577, kMin, false},
        {kMax, kMax, false},
        {kMin, kMin, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(quillo::PixelsToTwips(c.pixels), c.twips) << c.pixels;
        EXPECT_EQ(quillo::CheckedPixelsToTwips(c.pixels).has_value(), c.fits) << c.pixels;
        if (c.fits) {
            EXPECT_EQ(quillo::CheckedPixelsToTwips(c.pixels), c.twips) << c.pixels;
        }
    }
}

TEST(TwipsToPixels, DividesAndRoundsHalvesToEven) {
    struct Case {
        double dpiX;
        double dpiY;
        std::int32_t twips;
        std::int32_t pixels;
    };
    const Case cases[] = {
        {96, 96, 9000, 600},
        {96, 96, 22, 1},
        {96, 96, 23, 2},
        {96, 96, 7, 0},
        {96, 96, 8, 1},
        {96, 96, -22, -1},
        {96, 96, -23, -2},
        {96, 96, 0, 0},
        {96, 96, kMax, 143165576},
        {96, 96, kMin, -143165577},
        {96, 120, 7, 0},
        {96, 120, 21, 2},
        {96, 120, 35, 2},
        {96, 120, 49, 4},
        {96, 120, -7, 0},
        {96, 120, -21, -2},
        {3000, 3000, 10, 10},
    };
    for (const Case& c : cases) {
        Harness harness;
        setDpi(harness, c.dpiX, c.dpiY);
        EXPECT_EQ(quillo::TwipsToPixels(c.twips), c.pixels) << c.twips << " at " << c.dpiX;
    }
}

TEST(MoveInPixels, PlacesAtTheScreensTwipsAndKeepsASizeLeftOut) {
    // A label placed in a form of its own, so the form's layout plays no part.
    class Holder : public quillo::runtime::Form {
      public:
        Holder() : Form("Holder") {}
        quillo::runtime::Label& Label1 = add<quillo::runtime::Label>("Label1");
    };
    struct Case {
        double dpi;
        std::int32_t left, top, width, height;
        double expectLeft, expectTop, expectWidth, expectHeight;
    };
    const Case cases[] = {
        {96, 10, 20, 30, 40, 150, 300, 450, 600},
        {120, 10, 20, 30, 40, 120, 240, 360, 480},
        {96, 1, 2, -1, -1, 15, 30, 1000, 2000},
        {96, -3, -4, 0, 0, -45, -60, 0, 0},
    };
    for (const Case& c : cases) {
        Harness harness;
        setDpi(harness, c.dpi, c.dpi);
        auto& label = quillo::runtime::app().form<Holder>().Label1;
        label.Move(0, 0, 1000, 2000);
        quillo::MoveInPixels(label, c.left, c.top, c.width, c.height);
        EXPECT_EQ(label.Left(), c.expectLeft) << c.dpi;
        EXPECT_EQ(label.Top(), c.expectTop) << c.dpi;
        EXPECT_EQ(label.Width(), c.expectWidth) << c.dpi;
        EXPECT_EQ(label.Height(), c.expectHeight) << c.dpi;
    }
}
