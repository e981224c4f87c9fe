// Starts three programs ten times each, alternating, against a small page served here on
// 127.0.0.1, and reports the median and spread of the time from process start to the page's
// request and to its completion:
// - the whole program (rn418's start-up: splash, main window, start-up timer), started with the
//   page's address on its command line; also to the end of its main window's load, to its
//   start-up timer's tick, and from that tick to the request;
// - a WebBrowser control on the Qt engine alone, in a window;
// - a bare QWebEngineView.
#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "../BenchStats.h"
#include "BenchServer.h"
#include "ChildRun.h"

namespace {

constexpr int kRuns = 10;

struct Series {
    Series(const char* name, QString program) : name(name), program(std::move(program)) {}
    const char* name;
    QString program;
    std::vector<double> loaded, tick, request, complete, tickToRequest;
};

void print(const char* what, const std::vector<double>& times) {
    if (times.empty()) return;
    bench::Spread f = bench::spreadOf(times);
    std::printf("  %-22s %9.0f %9.0f %9.0f\n", what, f.median, f.low, f.high);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox");
    QString folder = QCoreApplication::applicationDirPath();
    bench::BenchServer server;
    server.add("/page.htm",
               "<html><head><title>Local</title></head><body><h1>A local page</h1>"
               "<p>Text to read.</p><!-- a comment --></body></html>");
    QString url = server.url("/page.htm");

    std::vector<Series> series{{"whole program", folder + "/quillo_program"},
                               {"WebBrowser control", folder + "/quillo_first_page"},
                               {"bare QWebEngineView", folder + "/bare_first_page"}};
    double loadBefore = bench::LoadAverage();
    for (int i = 0; i < kRuns; ++i) {
        for (Series& s : series) {
            bench::ChildRun child{s.program, {url}};
            child.sampleMs = 1000000;  // no memory samples: they would cost the child time
            bench::ChildResult result = child.run();
            std::int64_t request = server.firstRequest("/page.htm", result.started);
            if (!result.finished || request < 0) {
                std::fprintf(stderr, "%s: a run did not complete\n", s.name);
                return 1;
            }
            result.stamps["request"] = request;
            s.request.push_back(result.ms("start", "request"));
            s.complete.push_back(result.ms("start", "complete"));
            if (result.has("tick")) {
                s.loaded.push_back(result.ms("start", "loaded"));
                s.tick.push_back(result.ms("start", "tick"));
                s.tickToRequest.push_back(result.ms("tick", "request"));
            }
        }
    }
    std::printf("load average %.1f before, %.1f after\n", loadBefore, bench::LoadAverage());
    std::printf("%-24s %9s %9s %9s\n", "program, ms", "median", "min", "max");
    for (const Series& s : series) {
        std::printf("%s\n", s.name);
        print("start -> main loaded", s.loaded);
        print("start -> tick", s.tick);
        print("start -> request", s.request);
        print("start -> complete", s.complete);
        print("tick -> request", s.tickToRequest);
    }
    double control = bench::spreadOf(series[1].complete).median;
    double bare = bench::spreadOf(series[2].complete).median;
    std::printf("WebBrowser control / bare view, start -> complete: %.2f\n", control / bare);
    return 0;
}
