#include <gtest/gtest.h>

#include "runtime/Application.h"
#include "runtime/Label.h"
#include "runtime/Timer.h"
#include "runtime/headless/Harness.h"

using namespace quillo::runtime;
using quillo::headless::Harness;

namespace {

class Ticking : public Form {
  public:
    Ticking() : Form("Ticking") {
        Timer1.Tick = [this] { ++ticks; };
        Load = [this] { ++loads; };
    }
    Timer& Timer1 = add<Timer>("Timer1");
    int ticks = 0;
    int loads = 0;
};

}  // namespace

TEST(Timers, FireAtTheirIntervalOnTheVirtualClock) {
    Harness harness;
    auto& form = app().form<Ticking>();
    form.Timer1.setInterval(100);
    harness.advance(99);
    EXPECT_EQ(form.ticks, 0);
    harness.advance(1);
    EXPECT_EQ(form.ticks, 1);
    harness.advance(250);
    EXPECT_EQ(form.ticks, 3);
}

TEST(DefaultInstances, AreLoadedOnFirstReferenceAndFreshAfterUnload) {
    Harness harness;
    auto& first = app().form<Ticking>();
    EXPECT_EQ(first.loads, 1);
    EXPECT_EQ(&app().form<Ticking>(), &first);
    first.Unload();
    EXPECT_EQ(app().loadedForm<Ticking>(), nullptr);
    EXPECT_EQ(app().form<Ticking>().loads, 1);
}
