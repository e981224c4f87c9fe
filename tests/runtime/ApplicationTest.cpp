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

namespace {
// Notes what the application has due each time it tells that its schedule changed.
class ScheduleWatch : public quillo::headless::HeadlessBackend {
  public:
    void scheduleChanged() override {
        due.push_back(app().hasPosted() || app().nextDue().has_value());
    }
    std::vector<bool> due;
};
}  // namespace

TEST(Timers, AnApplicationThatEndsLeavesItsBackendNothingDue) {
    ScheduleWatch backend;
    {
        Application application(backend, AppInfo{});
        auto& form = app().form<Ticking>();
        form.Timer1.setInterval(1000);
        application.post([] {});
        ASSERT_FALSE(backend.due.empty());
        EXPECT_TRUE(backend.due.back());
    }
    EXPECT_FALSE(backend.due.back());
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
