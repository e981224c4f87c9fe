#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "mainwindow/form1.h"
#include "runtime/Application.h"
#include "runtime/headless/HeadlessBackend.h"
#include "runtime/qt/QtBackend.h"

namespace quillo::e2e {

// The Qt backend, but a copy of the program that it is asked to start is only written down, and
// a pop-up menu is answered by the next caption given (dismissed when none is left) instead of
// waiting for a user.
class RecordingQtBackend : public qt::QtBackend {
  public:
    runtime::ProcessServices& processes() override { return recorder; }
    long showPopupMenu(const runtime::MenuRequest& request) override;

    headless::RecordingProcessServices recorder;
    std::deque<std::string> menuAnswers;
    std::vector<runtime::MenuRequest> menusShown;
};

// The whole program on the Qt backend and the Qt web engine, in a temporary program folder
// laid with the shipped content.
class ProgramOnQt : public ::testing::Test {
  protected:
    ProgramOnQt();
    ~ProgramOnQt() override;

    // Starts the program with this command line and waits until its first page is in.
    form1& start(const std::string& command = "");
    // Types an address into the address bar, presses Enter and waits until it is shown.
    static bool browse(form1& main, const std::string& address, const std::string& shown);
    std::string readFile(const std::string& name) const;

    std::string folder_;
    RecordingQtBackend backend_;
    std::unique_ptr<runtime::Application> application_;
};

}  // namespace quillo::e2e
