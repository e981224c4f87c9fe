// Starts each first-page program ten times, alternating, and reports the median and the spread
// of the time from process start to its "complete" line, and the ratio of the medians.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 10;

double timeOne(const QString& program, const QString& page) {
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer clock;
    clock.start();
    process.start(program, {page});
    while (process.state() != QProcess::NotRunning || process.bytesAvailable()) {
        process.waitForReadyRead(50);
        if (process.readAllStandardOutput().contains("complete")) {
            double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            process.kill();
            process.waitForFinished();
            return ms;
        }
        if (clock.elapsed() > 60000) break;
    }
    process.kill();
    process.waitForFinished();
    return -1;
}

struct Figures {
    double median, low, high;
};

Figures figures(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    double median = (times[kRuns / 2 - 1] + times[kRuns / 2]) / 2;
    return {median, times.front(), times.back()};
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox");
    QString folder = QCoreApplication::applicationDirPath();
    QTemporaryDir pages;
    QString page = pages.filePath("page.htm");
    QFile file(page);
    file.open(QIODevice::WriteOnly);
    file.write(
        "<html><head><title>Local</title></head><body><h1>A local page</h1>"
        "<p>Text to read.</p><!-- a comment --></body></html>");
    file.close();
    QString url = "file://" + page;

    std::vector<double> quillo, bare;
    for (int i = 0; i < kRuns; ++i) {
        double q = timeOne(folder + "/quillo_first_page", url);
        double b = timeOne(folder + "/bare_first_page", url);
        if (q < 0 || b < 0) {
            std::fprintf(stderr, "a run did not complete\n");
            return 1;
        }
        quillo.push_back(q);
        bare.push_back(b);
    }
    Figures fq = figures(quillo), fb = figures(bare);
    std::printf("%-28s %10s %10s %10s\n", "program", "median ms", "min ms", "max ms");
    std::printf("%-28s %10.0f %10.0f %10.0f\n", "WebBrowser on the Qt engine", fq.median, fq.low,
                fq.high);
    std::printf("%-28s %10.0f %10.0f %10.0f\n", "bare QWebEngineView", fb.median, fb.low, fb.high);
    std::printf("ratio of the medians: %.2f\n", fq.median / fb.median);
    return 0;
}
