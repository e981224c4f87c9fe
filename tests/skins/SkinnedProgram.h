#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "mainwindow/Program.h"
#include "skins/SkinFiles.h"

namespace skintest {

// What the gauge showed at one step of a skin being applied.
struct GaugeStep {
    std::string caption;
    bool gaugeVisible;
    // The main window's start-up timer at that moment.
    bool startUpTimerEnabled;
    double left, top;
};

// The real program on the headless backend, in a program folder that holds its shipped content;
// the test starts it.
class SkinnedProgram : public ::testing::Test {
  protected:
    SkinnedProgram();
    // The watch goes before the records it writes into.
    ~SkinnedProgram() override { harness().backend().onChange = nullptr; }

    quillo::headless::Harness& harness() { return program.harness; }
    quillo::form1& main() { return program.main(); }
    std::string skinPath(const std::string& name) const;
    // Makes Sea, with these fields, a listed skin.
    void writeSea(const std::vector<std::string>& fields);
    // Answers the next n message boxes with OK, keeping their texts in messages; inside each box,
    // before the click, `meanwhile` runs.
    void answerMessages(int n, std::function<void()> meanwhile = {});
    // From now on, every caption that a gauge window shows goes into gaugeSteps.
    void watchGauges();
    // The Tag of a control of the main window.
    std::string tagOf(const std::string& control);

    quillo::testing::Program program;
    std::vector<std::string> messages;
    std::vector<GaugeStep> gaugeSteps;
};

// "1% Completed." ... "100% Completed.": the 21 steps of applying a skin.
std::vector<std::string> gaugeCaptions();

}  // namespace skintest
