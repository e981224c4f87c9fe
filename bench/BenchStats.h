#pragma once
// The median and the range of a benchmark's figures.
#include <algorithm>
#include <vector>

namespace bench {

struct Spread {
    double median = -1, low = -1, high = -1;
};

// A figure below 0 stands for one a run did not give and is left out; no figure gives -1s.
inline Spread spreadOf(std::vector<double> values) {
    values.erase(std::remove_if(values.begin(), values.end(), [](double v) { return v < 0; }),
                 values.end());
    if (values.empty()) return {};
    std::sort(values.begin(), values.end());
    std::size_t n = values.size();
    return {n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2, values.front(),
            values.back()};
}

}  // namespace bench
