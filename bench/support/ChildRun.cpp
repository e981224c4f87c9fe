#include "ChildRun.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTimer>
#include <fstream>
#include <sstream>
#include <vector>

#include "BenchClock.h"

namespace bench {

namespace {

std::map<long, std::vector<long>> childrenOfAll() {
    std::map<long, std::vector<long>> children;
    for (const QString& entry : QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool number = false;
        long pid = entry.toLong(&number);
        if (!number) continue;
        std::ifstream stat("/proc/" + entry.toStdString() + "/stat");
        std::string line;
        if (!std::getline(stat, line)) continue;
        // The command may hold blanks and parentheses: the fields go on after the last ")".
        std::size_t close = line.rfind(')');
        if (close == std::string::npos) continue;
        std::istringstream fields(line.substr(close + 1));
        std::string state;
        long parent = 0;
        fields >> state >> parent;
        children[parent].push_back(pid);
    }
    return children;
}

long pssKb(long pid) {
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    std::string key;
    long value = 0;
    while (rollup >> key) {
        if (key == "Pss:") {
            rollup >> value;
            return value;
        }
        rollup.ignore(1 << 12, '\n');
    }
    return 0;
}

}  // namespace

long TreeMemoryKb(long pid) {
    std::map<long, std::vector<long>> children = childrenOfAll();
    long total = 0;
    std::vector<long> open{pid};
    while (!open.empty()) {
        long next = open.back();
        open.pop_back();
        total += pssKb(next);
        for (long child : children[next])
            open.push_back(child);
    }
    return total;
}

double LoadAverage() {
    std::ifstream load("/proc/loadavg");
    double minute = -1;
    load >> minute;
    return minute;
}

double ChildResult::ms(const std::string& from, const std::string& to) const {
    auto end = stamps.find(to);
    if (end == stamps.end()) return -1;
    std::int64_t begin = started;
    if (from != "start") {
        auto found = stamps.find(from);
        if (found == stamps.end()) return -1;
        begin = found->second;
    }
    return static_cast<double>(end->second - begin) / 1e6;
}

ChildResult ChildRun::run() const {
    ChildResult result;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QByteArray pending;
    bool counting = memoryFrom.empty();
    QEventLoop loop;
    auto readLines = [&] {
        pending += process.readAllStandardOutput();
        int end;
        while ((end = pending.indexOf('\n')) >= 0) {
            QList<QByteArray> parts = pending.left(end).trimmed().split(' ');
            pending.remove(0, end + 1);
            if (parts.size() != 2) continue;
            std::string what = parts[0].toStdString();
            result.stamps.emplace(what, parts[1].toLongLong());
            if (what == memoryFrom) counting = true;
            if (what == "done") {
                result.finished = true;
                loop.quit();
            }
        }
    };
    QObject::connect(&process, &QProcess::readyReadStandardOutput, &loop, readLines);
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, &loop, [&] {
        long kb = TreeMemoryKb(static_cast<long>(process.processId()));
        if (!counting) {
            result.baseKb = kb;
            return;
        }
        if (result.baseKb == 0) result.baseKb = kb;
        result.peakKb = std::max(result.peakKb, kb);
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    result.started = nowNs();
    process.start(program, arguments);
    sampler.start(sampleMs);
    loop.exec();
    readLines();
    process.kill();
    process.waitForFinished();
    return result;
}

}  // namespace bench
