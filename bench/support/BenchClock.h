#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>

namespace bench {

// Nanoseconds on the system's monotonic clock: the same clock in every process of the machine,
// so a benchmark can compare the moments its children write with its own.
inline std::int64_t nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Writes "<what> <nanoseconds>" as one line on standard output, at once.
inline void stamp(const char* what) {
    std::printf("%s %lld\n", what, static_cast<long long>(nowNs()));
    std::fflush(stdout);
}

// Writes "<what> <number>" as one line on standard output, at once: a figure beside the moments.
inline void note(const char* what, long long number) {
    std::printf("%s %lld\n", what, number);
    std::fflush(stdout);
}

}  // namespace bench
