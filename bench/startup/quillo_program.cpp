// The whole program, started with the address given as argument on its command line. Writes
// "tick" when the main window's start-up timer fires and "complete" at the first
// DocumentComplete of that address in the main browser, each with its moment (BenchClock.h);
// "loaded" once the main window has loaded, a moment after its load ends.
// Further arguments "history N" and "skins N" start it with N addresses in its address bar's
// history (combourl.ini) and N skins more in its skin list (skinlib.txt).
#include <cstdlib>
#include <fstream>
#include <string>

#include "BenchClock.h"
#include "ProgramRun.h"
#include "mainwindow/form1.h"

namespace {

void lay(const std::string& file, const std::string& text) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << text << "\r\n";
}

// The lists that the extra arguments ask for, in the program folder.
void layLists(const std::string& folder, int argc, char** argv) {
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::string what = argv[i];
        const int count = std::atoi(argv[i + 1]);
        std::string text;
        if (what == "history") {
            for (int n = 0; n < count; ++n)
                text += "<www.site" + std::to_string(n) + ".test/page.htm>";
            lay(folder + "/combourl.ini", text);
        } else if (what == "skins") {
            text = "Quillo\x02";
            for (int n = 0; n < count; ++n)
                text += "Skin" + std::to_string(n) + '\x02';
            lay(folder + "/skinlib.txt", text);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    std::string address = argv[1];
    bench::ProgramRun program(argc, argv, "<" + address + ">");
    layLists(program.folder(), argc, argv);
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
