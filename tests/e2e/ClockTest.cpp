#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <filesystem>

#include "QtFixture.h"
#include "runtime/Timer.h"

using namespace quillo::runtime;
using quillo::e2e::QtFixture;

namespace {

class Ticker : public Form {
  public:
    Ticker() : Form("Ticker") {
        Timer1.Tick = [this] {
            ++ticks;
            if (onTick) onTick();
        };
        Timer1.setInterval(0);
    }
    Timer& Timer1 = add<Timer>("Timer1");
    int ticks = 0;
    std::function<void()> onTick;
};

using Clock = QtFixture;

}  // namespace

TEST_F(Clock, TimersFireAtTheirIntervalOnTheRealClock) {
    auto& form = application().newForm<Ticker>();
    QElapsedTimer elapsed;
    elapsed.start();
    form.Timer1.setInterval(40);
    ASSERT_TRUE(waitFor([&] { return form.ticks >= 3; }));
    EXPECT_GE(elapsed.elapsed(), 3 * 40 - 2);
}

TEST_F(Clock, ATimerStoppedByItsHandlerTicksOnce) {
    auto& form = application().newForm<Ticker>();
    form.onTick = [&] { form.Timer1.setEnabled(false); };
    form.Timer1.setInterval(10);
    ASSERT_TRUE(waitFor([&] { return form.ticks >= 1; }));
    waitFor([] { return false; }, 150);
    EXPECT_EQ(form.ticks, 1);
}

TEST_F(Clock, ATimerWithoutIntervalNeverTicks) {
    auto& form = application().newForm<Ticker>();
    form.Timer1.setEnabled(true);
    waitFor([] { return false; }, 150);
    EXPECT_EQ(form.ticks, 0);
}

TEST_F(Clock, PostedWorkRunsAfterTheCurrentEvent) {
    bool ran = false;
    application().post([&] { ran = true; });
    EXPECT_FALSE(ran);
    EXPECT_TRUE(waitFor([&] { return ran; }));
}

TEST_F(Clock, AModalWindowRunsNestedWhileAnotherWindowsTimerKeepsTicking) {
    auto& other = application().newForm<Ticker>();
    other.Show();
    other.Timer1.setInterval(20);
    auto& dialog = application().newForm<Ticker>();
    bool wasModal = false;
    int ticksBefore = -1;
    dialog.onTick = [&] {
        QWidget* window = widgetOf(dialog);
        wasModal = wasModal || QApplication::activeModalWidget() == window;
        if (other.ticks >= ticksBefore + 3) dialog.Hide();
    };
    dialog.Timer1.setInterval(10);
    QObject watchdog;
    bool timedOut = false;
    QTimer::singleShot(5000, &watchdog, [&] {
        timedOut = true;
        dialog.Hide();
    });
    ticksBefore = other.ticks;
    dialog.Show(ShowMode::Modal);  // returns once hidden
    EXPECT_FALSE(timedOut);
    EXPECT_GE(other.ticks, ticksBefore + 3);
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(widgetOf(dialog)->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(Clock, AModalWindowUnloadedByItsOwnTimerEndsItsLoop) {
    auto& dialog = application().newForm<Ticker>();
    bool unloaded = false;
    dialog.Unloading = [&] { unloaded = true; };
    dialog.onTick = [&] { dialog.Unload(); };
    dialog.Timer1.setInterval(10);
    QObject watchdog;
    QTimer::singleShot(5000, &watchdog, [&] { dialog.Unload(); });
    QElapsedTimer elapsed;
    elapsed.start();
    dialog.Show(ShowMode::Modal);
    EXPECT_TRUE(unloaded);
    EXPECT_LT(elapsed.elapsed(), 4000);
}

TEST_F(Clock, AModalWindowOpenedFromAModalWindowReturnsFirst) {
    auto& outer = application().newForm<Ticker>();
    auto& inner = application().newForm<Ticker>();
    std::vector<std::string> order;
    outer.onTick = [&] {
        outer.Timer1.setEnabled(false);
        inner.Timer1.setInterval(30);
        inner.Show(ShowMode::Modal);
        order.push_back("inner returned");
        outer.Hide();
    };
    inner.onTick = [&] {
        inner.Timer1.setEnabled(false);
        order.push_back("inner hides");
        inner.Hide();
    };
    outer.Timer1.setInterval(10);
    QObject watchdog;
    QTimer::singleShot(5000, &watchdog, [&] {
        inner.Hide();
        outer.Hide();
    });
    outer.Show(ShowMode::Modal);
    order.push_back("outer returned");
    EXPECT_EQ(order, (std::vector<std::string>{"inner hides", "inner returned", "outer returned"}));
}

TEST(ClockAtTheEnd, TimersStillArmedWhenTheProgramEndsNeverReachIt) {
    quillo::qt::QtBackend backend;
    {
        AppInfo info;
        info.Path = std::filesystem::temp_directory_path().string();
        Application program(backend, info);
        auto& form = program.newForm<Ticker>();
        form.Timer1.setInterval(20);
        program.post([] {});
    }
    // The backend outlives the program here, as it does in the program's own main(); its clock
    // must not call into the program that ended.
    QEventLoop loop;
    QTimer::singleShot(150, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_FALSE(backend.quitRequested());
}
