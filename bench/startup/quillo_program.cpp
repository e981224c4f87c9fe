// The whole program, started with the address given as argument on its command line. Writes
// "tick" when the main window's start-up timer fires and "complete" at the first
// DocumentComplete of that address in the main browser, each with its moment (BenchClock.h);
// "loaded" once the main window has loaded, a moment after its load ends.
#include <string>

#include "BenchClock.h"
#include "ProgramRun.h"
#include "mainwindow/form1.h"

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    std::string address = argv[1];
    bench::ProgramRun program(argc, argv, "<" + address + ">");
    program.mainWindowLoaded = [address](quillo::form1& main) {
        bench::stamp("loaded");
        auto tick = main.Timer1.Tick;
        main.Timer1.Tick = [tick] {
            bench::stamp("tick");
            tick();
        };
        auto complete = main.WebBrowser2.DocumentComplete;
        main.WebBrowser2.DocumentComplete = [complete, address](
                                                const quillo::runtime::BrowserObject& pDisp,
                                                const std::string& url) {
            bool first = pDisp.isTopLevel() && url == address;
            if (first) bench::stamp("complete");
            complete(pDisp, url);
            if (first) bench::stamp("done");
        };
    };
    return program.exec();
}
