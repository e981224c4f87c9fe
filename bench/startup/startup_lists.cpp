// Starts the whole program (quillo_program) with long lists to fill at start-up, alternating with
// a start without them, and reports the median and spread of the time from process start to the
// end of the main window's load and to the start-up timer's tick, which shows the main window:
// - no lists: the shipped skin list, no address history;
// - history N: N addresses in combourl.ini, which fill the address bar's list;
// - skins N: N skins more in skinlib.txt, which fill the lists of the skin manager and of the
//   save-as window.
// Runs: the first argument (default 5). A start that does not end within 60 s counts as missing.
#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "../BenchStats.h"
#include "BenchServer.h"
#include "ChildRun.h"

namespace {

struct Series {
    const char* name;
    QStringList lists;
    std::vector<double> loaded, tick;
};

void print(const char* what, const std::vector<double>& times, double none) {
    bench::Spread f = bench::spreadOf(times);
    if (f.median < 0) {
        std::printf("  %-22s %9s\n", what, "none");
        return;
    }
    std::printf("  %-22s %9.0f %9.0f %9.0f %9.0f %5zu/%zu\n", what, f.median, f.low, f.high,
                f.median - none,
                static_cast<std::size_t>(
                    std::count_if(times.begin(), times.end(), [](double t) { return t >= 0; })),
                times.size());
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 5;
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox");
    const QString program = QCoreApplication::applicationDirPath() + "/quillo_program";
    bench::BenchServer server;
    server.add("/page.htm", "<html><body><h1>A local page</h1></body></html>");
    const QString url = server.url("/page.htm");

    std::vector<Series> series{{"no lists", {}, {}, {}},
                               {"history 2000", {"history", "2000"}, {}, {}},
                               {"history 8000", {"history", "8000"}, {}, {}},
                               {"skins 1000", {"skins", "1000"}, {}, {}},
                               {"skins 16000", {"skins", "16000"}, {}, {}}};
    const double loadBefore = bench::LoadAverage();
    for (int i = 0; i < runs; ++i) {
        for (Series& s : series) {
            bench::ChildRun child{program, QStringList{url} + s.lists};
            child.sampleMs = 1000000;  // no memory samples: they would cost the child time
            bench::ChildResult result = child.run();
            s.loaded.push_back(result.ms("start", "loaded"));
            s.tick.push_back(result.ms("start", "tick"));
        }
    }
    std::printf("load average %.1f before, %.1f after; %d runs\n", loadBefore, bench::LoadAverage(),
                runs);
    std::printf("%-24s %9s %9s %9s %9s %7s\n", "start, ms", "median", "min", "max", "-none",
                "runs");
    const double noneLoaded = bench::spreadOf(series[0].loaded).median;
    const double noneTick = bench::spreadOf(series[0].tick).median;
    for (const Series& s : series) {
        std::printf("%s\n", s.name);
        print("start -> main loaded", s.loaded, noneLoaded);
        print("start -> tick (shown)", s.tick, noneTick);
    }
    return 0;
}
