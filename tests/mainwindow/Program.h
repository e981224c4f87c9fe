#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "mainwindow/FormSplashScreen.h"
#include "mainwindow/form1.h"
#include "runtime/Application.h"
#include "runtime/headless/Harness.h"
#include "runtime/headless/HeadlessWebEngine.h"
#include "runtime/headless/User.h"

namespace quillo::testing {

using headless::Harness;
using headless::HeadlessBackend;
using headless::HeadlessWeb;
using headless::HeadlessWebEngine;
using headless::ProcessStart;
using headless::User;

inline const std::string kHomeAddress = "http://www.quillo.example";
inline const std::string kHitCounterAddress = "http://www.quillo.example/hit/left2jp.html";
inline const std::string kBlockedAddress = "http://www.quillo.example/blocked.htm";

// A page of the shipped maker's site (assets/site).
inline std::string SitePage(const std::string& relative) {
    std::ifstream in(std::string(QUILLO_ASSETS_DIR) + "/site/" + relative, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// The program on the headless backend, started as its executable starts it, with the maker's site
// served from the shipped pages.
class Program {
  public:
    explicit Program(std::string commandLine = "", bool previousInstance = false)
        : harness(std::move(commandLine), previousInstance) {
        web().addHtml(kHomeAddress, SitePage("index.htm"));
        web().addHtml(kHitCounterAddress, SitePage("hit/left2jp.html"));
        web().addHtml(kBlockedAddress, SitePage("blocked.htm"));
    }

    Harness harness;

    HeadlessBackend& backend() { return harness.backend(); }
    HeadlessWeb& web() { return harness.backend().web; }
    void advance(std::int64_t milliseconds) { harness.advance(milliseconds); }

    // Starts the program and lets the clock run until its main window shows and the first pages
    // are in.
    form1& start() {
        StartProgram();
        advance(1500);
        advance(0);
        return main();
    }
    // The main window; the program must have loaded it.
    form1& main() { return *runtime::app().loadedForm<form1>(); }

    // Types into the address bar as the user does ("\r" is Enter) and lets the pages load.
    void typeAddress(const std::string& keys) {
        User::type(main().ComboURL, keys);
        advance(0);
    }
    std::vector<std::string> history() {
        std::vector<std::string> entries;
        for (int i = 0; i < main().ComboURL.ListCount(); ++i)
            entries.push_back(main().ComboURL.List(i));
        return entries;
    }
    const std::vector<ProcessStart>& starts() { return backend().processServices.starts; }
    std::string programFile() const { return harness.programFolder() + "/rn418"; }
};

// The name a file written whole bears until it takes its own.
inline std::string NewFileName(pid_t process, int count) {
    return ".quillo-" + std::to_string(process) + "-" + std::to_string(count);
}

// The number of a process that has ended (the test's parent runs all through the test).
inline pid_t EndedProcess() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

inline HeadlessWebEngine& EngineOf(runtime::WebBrowser& browser) {
    return dynamic_cast<HeadlessWebEngine&>(*browser.engine());
}

}  // namespace quillo::testing
