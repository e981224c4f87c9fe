#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/Application.h"
#include "runtime/Timer.h"
#include "runtime/headless/Harness.h"

using namespace quillo::runtime;
using quillo::headless::Harness;

namespace {

// Two timers that write their ticks, with the virtual time, into one log.
class Clocks : public Form {
  public:
    Clocks() : Form("Clocks") {
        TimerA.Tick = [this] { log.push_back("A@" + std::to_string(app().now())); };
        TimerB.Tick = [this] { log.push_back("B@" + std::to_string(app().now())); };
    }
    Timer& TimerA = add<Timer>("TimerA");
    Timer& TimerB = add<Timer>("TimerB");
    std::vector<std::string> log;
};

}  // namespace

TEST(Timers, RestartTheirCountdownWhenTheIntervalChanges) {
    Harness harness;
    auto& form = app().form<Clocks>();
    form.TimerA.setInterval(100);
    harness.advance(80);
    form.TimerA.setInterval(100);
    harness.advance(80);
    EXPECT_TRUE(form.log.empty());
    harness.advance(20);
    EXPECT_EQ(form.log, (std::vector<std::string>{"A@180"}));
}

TEST(Timers, RestartWhenEnabledAfterBeingDisabled) {
    Harness harness;
    auto& form = app().form<Clocks>();
    form.TimerA.setInterval(100);
    harness.advance(90);
    form.TimerA.setEnabled(false);
    harness.advance(50);
    form.TimerA.setEnabled(true);
    harness.advance(99);
    EXPECT_TRUE(form.log.empty());
    harness.advance(1);
    EXPECT_EQ(form.log, (std::vector<std::string>{"A@240"}));
}

TEST(Timers, KeepTheirCountdownWhenEnabledAgainWhileRunning) {
    Harness harness;
    auto& form = app().form<Clocks>();
    form.TimerA.setInterval(100);
    harness.advance(60);
    form.TimerA.setEnabled(true);
    harness.advance(40);
    EXPECT_EQ(form.log, (std::vector<std::string>{"A@100"}));
}

TEST(Timers, NeverFireWithAnIntervalOfZero) {
    Harness harness;
    auto& form = app().form<Clocks>();
    form.TimerA.setInterval(100);
    form.TimerA.setInterval(0);
    harness.advance(10000);
    EXPECT_TRUE(form.log.empty());
    EXPECT_FALSE(app().nextDue().has_value());
}

TEST(Timers, StopForGoodWhenTheirHandlerDisablesThem) {
    Harness harness;
    auto& form = app().form<Clocks>();
    form.TimerA.Tick = [&] {
        form.log.push_back("A");
        form.TimerA.setEnabled(false);
    };
    form.TimerA.setInterval(10);
    harness.advance(1000);
    EXPECT_EQ(form.log, (std::vector<std::string>{"A"}));
}

TEST(Timers, DueAtTheSameMomentFireInTheOrderTheyWereStarted) {
    Harness harness;
    auto& form = app().form<Clocks>();
    form.TimerB.setInterval(50);
    form.TimerA.setInterval(50);
    harness.advance(100);
    EXPECT_EQ(form.log, (std::vector<std::string>{"B@50", "A@50", "B@100", "A@100"}));
}

TEST(Timers, EachFireAtTheirOwnTimeWhenTheClockJumps) {
    Harness harness;
    auto& form = app().form<Clocks>();
    form.TimerA.setInterval(30);
    form.TimerB.setInterval(70);
    harness.advance(100);
    EXPECT_EQ(form.log, (std::vector<std::string>{"A@30", "A@60", "B@70", "A@90"}));
}

TEST(Timers, StopWithTheirFormAndDoNotRunAfterItsUnload) {
    Harness harness;
    auto& form = app().form<Clocks>();
    form.TimerA.setInterval(10);
    harness.advance(10);
    form.Unload();
    harness.advance(100);
    EXPECT_FALSE(app().nextDue().has_value());
}

TEST(Timers, MayUnloadTheirOwnFormFromTheirHandler) {
    Harness harness;
    auto& form = app().form<Clocks>();
    int ticks = 0;
    form.TimerA.Tick = [&] {
        ++ticks;
        form.Unload();
    };
    form.TimerA.setInterval(10);
    form.TimerB.setInterval(10);
    harness.advance(100);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(app().loadedForm<Clocks>(), nullptr);
}
