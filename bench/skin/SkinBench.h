#pragma once

#include <functional>
#include <string>
#include <vector>

namespace skinbench {

// Lays the program folder: the shipped content, and beside the skin Quillo the skins Meadow0 to
// Meadow<skins - 1>, made of the same 18 pictures, every other one with its pixels inverted: each
// run loads a skin never shown before, so no picture comes from a cache.
void LayProgramFolder(const std::string& programFolder, int skins);

struct Timings {
    std::vector<double> applyMs;    // the load and apply call alone
    std::vector<double> paintedMs;  // with the paint of every shown window; may be empty
};

// Starts the program, letting runFor drive its clock until the main window shows, then loads
// and applies Meadow0 ... Meadow<runs> through the skin manager's "Change To Selected Theme",
// the first untimed; with a `paint`, also until it has painted the windows. An empty Timings
// tells that the program did not come up or a skin did not apply.
Timings Run(const std::function<void(int milliseconds)>& runFor, int runs,
            const std::function<void()>& paint = {});

// Prints the median, minimum and maximum of each column taken.
void Report(const std::string& backend, const Timings& timings);

}  // namespace skinbench
