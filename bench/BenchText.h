#pragma once
// Ordinary text for the benchmarks: generated words, a line break now and then, exactly `size`
// bytes. Words like "adult" and "age" come often, so the filter meets many near misses.
#include <cstddef>
#include <random>
#include <string>

namespace bench {

inline std::string makeText(std::size_t size, unsigned seed, const char* lineBreak) {
    static const char* words[] = {"the",   "little", "fox",   "jumps", "over",  "a",
                                  "happy", "garden", "Paint", "with",  "Lots",  "of",
                                  "green", "age",    "adult", "sun",   "story", "Read"};
    std::mt19937 random(seed);
    std::string text;
    while (text.size() < size) {
        text += words[random() % (sizeof words / sizeof *words)];
        text += random() % 9 == 0 ? lineBreak : " ";
    }
    text.resize(size);
    return text;
}

}  // namespace bench
