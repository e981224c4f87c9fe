// Measures the content filter's speed in MB/s of tested text, beside a plain loop that lower-cases
// the text and searches it once per phrase: first on bare text of 10 KB, 1 MB and 10 MB, then on
// generated pages of that much text read from the headless document model, flat and with every
// paragraph nested 20 deep. For pages: "read" is GetPageText alone, "test" IsForbiddenText alone
// on the text it gave, "filter" both as the page road runs them, "plain" GetPageText and the
// plain loop.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchText.h"
#include "mainwindow/pornBuster.h"
#include "runtime/Application.h"
#include "runtime/WebBrowser.h"
#include "runtime/headless/Harness.h"

namespace {

using Clock = std::chrono::steady_clock;

bool plainSearch(const std::string& text) {
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; });
    for (const std::string& pattern : quillo::ForbiddenPatterns())
        if (lower.find(pattern.substr(1, pattern.size() - 2)) != std::string::npos) return true;
    return false;
}

// Runs test often enough to cover about 200 MB of tested text, at least twice; seconds per run.
template <class F>
double secondsPerRun(std::size_t testedBytes, F&& test) {
    int repeats = static_cast<int>(std::max<std::size_t>(2, 200'000'000 / testedBytes));
    volatile bool sink = false;
    auto start = Clock::now();
    for (int i = 0; i < repeats; ++i)
        sink = sink ^ test();
    return std::chrono::duration<double>(Clock::now() - start).count() / repeats;
}

double megabytesPerSecond(std::size_t bytes, double seconds) {
    return static_cast<double>(bytes) / seconds / 1e6;
}

// A page of about textBytes of paragraph text; with depth, each paragraph sits inside that many
// nested blocks, so its text is part of every one of them.
std::string makePage(std::size_t textBytes, int depth) {
    const std::string open = std::string("<div>");
    const std::string close = std::string("</div>");
    std::string html = "<html><head><title>Generated</title></head><body>";
    html.reserve(textBytes + textBytes / 4);
    unsigned seed = 1;
    for (std::size_t written = 0; written < textBytes; written += 1000) {
        for (int level = 0; level < depth; ++level)
            html += open;
        html += "<p>" +
                bench::makeText(std::min<std::size_t>(1000, textBytes - written), seed++, "\r\n") +
                "</p>";
        for (int level = 0; level < depth; ++level)
            html += close;
    }
    return html + "</body></html>";
}

class Viewer : public quillo::runtime::Form {
  public:
    Viewer() : Form("Viewer") {}
    quillo::runtime::WebBrowser& Browser = add<quillo::runtime::WebBrowser>("Browser");
};

void benchText() {
    std::printf("Bare text\n%-8s %14s %14s\n", "text", "filter MB/s", "plain MB/s");
    for (std::size_t size : {10'000u, 1'000'000u, 10'000'000u}) {
        std::string text = bench::makeText(size, 42, "\r\n");
        double filter = secondsPerRun(size, [&] { return quillo::IsForbiddenText(text); });
        double plain = secondsPerRun(size, [&] { return plainSearch(text); });
        std::printf("%-8zu %14.0f %14.0f\n", size, megabytesPerSecond(size, filter),
                    megabytesPerSecond(size, plain));
    }
}

void benchPages() {
    std::printf("\nPages on the headless document model (GetPageText, then the test)\n");
    std::printf("%-8s %-7s %10s %10s %10s %12s %11s %13s\n", "text", "nesting", "tested MB",
                "read MB/s", "test MB/s", "filter MB/s", "plain MB/s", "filter ms/MB");
    for (int depth : {0, 20}) {
        for (std::size_t size : {10'000u, 1'000'000u, 10'000'000u}) {
            quillo::headless::Harness harness;
            harness.backend().web.addHtml("http://bench.test/", makePage(size, depth));
            auto& viewer = quillo::runtime::app().form<Viewer>();
            viewer.Browser.Navigate("http://bench.test/");
            harness.advance(0);
            auto page = viewer.Browser.Object();
            const std::string text = quillo::GetPageText(page);
            std::size_t tested = text.size();
            double read = secondsPerRun(tested, [&] { return quillo::GetPageText(page).empty(); });
            double test = secondsPerRun(tested, [&] { return quillo::IsForbiddenText(text); });
            double filter = secondsPerRun(
                tested, [&] { return quillo::IsForbiddenText(quillo::GetPageText(page)); });
            double plain =
                secondsPerRun(tested, [&] { return plainSearch(quillo::GetPageText(page)); });
            std::printf("%-8zu %-7s %10.1f %10.0f %10.0f %12.0f %11.0f %13.2f\n", size,
                        depth ? "20 deep" : "flat", static_cast<double>(tested) / 1e6,
                        megabytesPerSecond(tested, read), megabytesPerSecond(tested, test),
                        megabytesPerSecond(tested, filter), megabytesPerSecond(tested, plain),
                        filter * 1e3 / (static_cast<double>(tested) / 1e6));
        }
    }
}

}  // namespace

int main() {
    benchText();
    benchPages();
}
