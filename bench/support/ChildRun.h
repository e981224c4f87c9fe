#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>
#include <string>

namespace bench {

// What one run of a child program wrote: the first number of each stamped or noted line
// (BenchClock.h), and the memory of the child and all its descendants (the web engine's
// processes).
struct ChildResult {
    bool finished = false;  // it wrote "done" before the time was up
    std::int64_t started = 0;
    std::map<std::string, std::int64_t> stamps;
    // Proportional set size in kB, summed over the process tree: the most seen, and the last
    // sample before the line named by ChildRun::memoryFrom (or the first sample without it).
    long peakKb = 0;
    long baseKb = 0;

    bool has(const std::string& what) const { return stamps.count(what) > 0; }
    // Milliseconds from one stamp (or the start, for "start") to another; -1 when missing.
    double ms(const std::string& from, const std::string& to) const;
};

// Runs a child program to its "done" line, sampling its memory every few milliseconds while
// the Qt event loop goes on (so a server of this process answers it).
struct ChildRun {
    ChildRun(QString program, QStringList arguments)
        : program(std::move(program)), arguments(std::move(arguments)) {}

    QString program;
    QStringList arguments;
    int timeoutMs = 60000;
    int sampleMs = 20;
    // Memory samples count from this line on; the last one before it is the base.
    std::string memoryFrom;

    ChildResult run() const;
};

// The proportional set size of a process and its descendants, in kB.
long TreeMemoryKb(long pid);

// The load average of the last minute, as the machine reports it.
double LoadAverage();

}  // namespace bench
