// The page road on the real engine: how long after a bare view has loaded a condemned page the
// program replaces it with the blocked page, and how much memory the program takes meanwhile.
// Pages of 10 KB, 1 MB and 5 MB of ordinary text end with one forbidden phrase; the text is
// flat, inside 20 or 60 nested blocks, every paragraph inside 60 nested blocks, or spread over a
// frameset of 10 frames. Each page is loaded by a fresh copy of the whole program (typed into
// its address bar) and of a bare QWebEngineView the size of the program's browser, alternating,
// several times; then once more by the program with its memory watched (reading a process's
// memory stalls it, so the timed runs go unwatched).
//
//   pageroad [runs] [part of the page names to run]
#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "../BenchStats.h"
#include "../BenchText.h"
#include "BenchServer.h"
#include "ChildRun.h"

namespace {

const char* const kPhrase = "adult content";

std::string repeat(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

// Paragraphs of 1000 characters; with blockDepth the whole text sits inside that many nested
// blocks, with paragraphDepth every paragraph does.
std::string makePage(std::size_t size, int blockDepth, int paragraphDepth, bool phrase) {
    std::string html = "<html><head><title>Generated</title></head><body>";
    html += repeat("<div>", blockDepth);
    unsigned seed = 1;
    for (std::size_t written = 0; written < size; written += 1000) {
        html += repeat("<div>", paragraphDepth);
        html += "<p>" + bench::makeText(std::min<std::size_t>(1000, size - written), seed++, "\n") +
                "</p>";
        html += repeat("</div>", paragraphDepth);
    }
    if (phrase) html += std::string("<p>") + kPhrase + "</p>";
    html += repeat("</div>", blockDepth);
    return html + "</body></html>";
}

struct Page {
    QString name;
    QString path;
};

std::vector<Page> servePages(bench::BenchServer& server) {
    std::vector<Page> pages;
    struct Size {
        const char* name;
        std::size_t bytes;
    };
    for (Size size : {Size{"10KB", 10'000}, Size{"1MB", 1'000'000}, Size{"5MB", 5'000'000}}) {
        struct Shape {
            const char* name;
            int block, paragraph;
        };
        for (Shape shape : {Shape{"flat", 0, 0}, Shape{"nested20", 20, 0}, Shape{"nested60", 60, 0},
                            Shape{"paragraphs60", 0, 60}}) {
            QString name = QString("%1-%2").arg(size.name, shape.name);
            QString path = "/" + name + ".htm";
            server.add(path, QByteArray::fromStdString(
                                 makePage(size.bytes, shape.block, shape.paragraph, true)));
            pages.push_back({name, path});
        }
        QString name = QString("%1-frames10").arg(size.name);
        std::string frameset = "<html><head><title>Frames</title></head><frameset rows=\"";
        for (int i = 0; i < 10; ++i)
            frameset += i ? ",*" : "*";
        frameset += "\">";
        for (int i = 0; i < 10; ++i) {
            QString frame = QString("/%1-frame%2.htm").arg(name).arg(i);
            server.add(frame, QByteArray::fromStdString(makePage(size.bytes / 10, 0, 0, i == 9)));
            frameset += "<frame src=\"" + frame.toStdString() + "\">";
        }
        server.add("/" + name + ".htm", QByteArray::fromStdString(frameset + "</frameset></html>"));
        pages.push_back({name, "/" + name + ".htm"});
    }
    return pages;
}

QString size(const bench::ChildResult& run, const char* what) {
    return QString::number(run.has(what) ? run.stamps.at(what) : 0);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox");
    int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    QString only = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    QString folder = QCoreApplication::applicationDirPath();
    bench::BenchServer server;
    server.add("/start.htm", "<html><head><title>Start</title></head><body>Ready.</body></html>");
    std::vector<Page> pages = servePages(server);
    QString start = server.url("/start.htm");

    std::printf(
        "milliseconds from the request of the page, medians of %d runs: the bare view's "
        "load (in a view of the program's browser size), and its load with the text laid out; the "
        "program's engine load, its "
        "DocumentComplete, the blocked page asked for (min-max), that less the bare load and "
        "less the bare laid-out time, the blocked page's load begun and complete; memory "
        "of all the program's processes at its peak and before the page, from one more run\n",
        runs);
    std::printf("%-18s %6s %6s | %7s %7s %7s %13s %6s %6s %7s %6s | %6s %6s | %s\n", "page", "load",
                "laid", "loaded", "complete", "blocked", "(min-max)", "-load", "-laid", "leaving",
                "shown", "peakMB", "baseMB", "by, load average");
    for (const Page& page : pages) {
        if (!only.isEmpty() && !page.name.contains(only)) continue;
        QString url = server.url(page.path);
        std::vector<double> bare, laidOut, loaded, complete, blocked, leaving, shown, peak, base;
        std::string by;
        double load = bench::LoadAverage();
        for (int i = 0; i < runs; ++i) {
            // Reading a process's memory stalls it: the timed runs go unwatched.
            bench::ChildRun quillo{folder + "/quillo_page", {start, url}};
            quillo.sampleMs = 1000000;
            bench::ChildResult q = quillo.run();
            bench::ChildRun view{folder + "/bare_page",
                                 {start, url, size(q, "browser-width"), size(q, "browser-height")}};
            view.sampleMs = 1000000;
            bench::ChildResult b = view.run();
            if (!q.finished || !b.finished) {
                std::fprintf(stderr, "%s: a run did not finish\n", qPrintable(page.name));
                continue;
            }
            bare.push_back(b.ms("typed", "loaded"));
            laidOut.push_back(b.ms("typed", "laid-out"));
            loaded.push_back(q.ms("typed", "loaded"));
            complete.push_back(q.ms("typed", "complete"));
            blocked.push_back(q.ms("typed", "blocked"));
            leaving.push_back(q.ms("typed", "leaving"));
            shown.push_back(q.ms("typed", "shown"));
            if (q.has("by-complete")) by += "c";
            if (q.has("by-capture")) by += "t";
            if (q.has("by-other")) by += "o";
        }
        if (blocked.empty()) continue;
        // The memory from one more run, watched.
        bench::ChildRun watched{folder + "/quillo_page", {start, url}};
        watched.memoryFrom = "typed";
        bench::ChildResult m = watched.run();
        peak.push_back(static_cast<double>(m.peakKb) / 1024);
        base.push_back(static_cast<double>(m.baseKb) / 1024);
        double b = bench::spreadOf(bare).median, l = bench::spreadOf(laidOut).median;
        bench::Spread k = bench::spreadOf(blocked);
        std::printf(
            "%-18s %6.0f %6.0f | %7.0f %7.0f %7.0f %6.0f-%-6.0f %6.0f %6.0f %7.0f %6.0f | "
            "%6.0f %6.0f | %s, %.1f-%.1f\n",
            qPrintable(page.name), b, l, bench::spreadOf(loaded).median,
            bench::spreadOf(complete).median, k.median, k.low, k.high, k.median - b, k.median - l,
            bench::spreadOf(leaving).median, bench::spreadOf(shown).median,
            bench::spreadOf(peak).median, bench::spreadOf(base).median, by.c_str(), load,
            bench::LoadAverage());
        std::fflush(stdout);
    }
    return 0;
}
