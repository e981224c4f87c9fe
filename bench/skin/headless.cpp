// Loads and applies a skin of 18 pictures on the headless backend, whose clock is virtual: the
// times are the program's own work, without painting.
#include "SkinBench.h"
#include "runtime/headless/Harness.h"

constexpr int kRuns = 20;

int main() {
    quillo::headless::Harness harness;
    skinbench::LayProgramFolder(harness.programFolder(), kRuns + 1);
    skinbench::Report(
        "headless",
        skinbench::Run([&](int milliseconds) { harness.advance(milliseconds); }, kRuns));
    return 0;
}
