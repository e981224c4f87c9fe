// The whole program, as a user drives it: started on a small page (first argument), it waits
// for that page, types the address of the measured page (second argument) into the address bar
// and presses Enter. Writes its browser's size in pixels ("browser-width", "browser-height") and,
// each with its moment (BenchClock.h): "typed"; "loaded" when the web
// engine has loaded the page; "frame" at the first DocumentComplete of a frame and "complete" at
// that of the page; "blocked" when the program sends its browser to the blocked page (with
// "by-complete" or "by-capture" for the handler that did it), "leaving" when the engine starts
// loading it (the condemned page has been emptied by then) and "shown" when it is in;
// for a page that passes, "done" a second after its DocumentComplete.
#include <QTimer>
#include <QWebEnginePage>
#include <cmath>
#include <string>

#include "BenchClock.h"
#include "ProgramRun.h"
#include "mainwindow/form1.h"
#include "runtime/qt/QtWebEngine.h"

namespace {

using quillo::runtime::BrowserObject;

struct Road {
    std::string start, measured;
    bool typed = false, blocked = false, inComplete = false, inCapture = false;
    bool loaded = false, frame = false, complete = false, leaving = false;
};

void hook(quillo::form1& main, Road& road) {
    auto before = main.WebBrowser2.BeforeNavigate2;
    main.WebBrowser2.BeforeNavigate2 = [before, &road](const BrowserObject& pDisp,
                                                       const std::string& url, bool& cancel) {
        if (road.typed && !road.blocked && url.find("/blocked.htm") != std::string::npos) {
            road.blocked = true;
            bench::stamp("blocked");
            bench::stamp(road.inComplete  ? "by-complete"
                         : road.inCapture ? "by-capture"
                                          : "by-other");
        }
        before(pDisp, url, cancel);
    };
    auto capture = main.tmrHTMLCapture.Tick;
    main.tmrHTMLCapture.Tick = [capture, &road] {
        road.inCapture = true;
        capture();
        road.inCapture = false;
    };
    auto complete = main.WebBrowser2.DocumentComplete;
    main.WebBrowser2.DocumentComplete = [complete, &main, &road](const BrowserObject& pDisp,
                                                                 const std::string& url) {
        bool top = pDisp.isTopLevel();
        if (!road.typed && top && url == road.start) {
            // The start page is in: let the program settle, then type the address.
            QTimer::singleShot(500, [&main, &road] {
                road.typed = true;
                // The bare view compared with it loads the page in a view of the same size.
                bench::note("browser-width", std::lround(main.WebBrowser2.Width() / 15));
                bench::note("browser-height", std::lround(main.WebBrowser2.Height() / 15));
                main.ComboURL.setText(road.measured);
                bench::stamp("typed");
                int enter = 13;
                main.ComboURL.KeyPress(enter);
            });
        } else if (road.typed && !road.blocked && !top && !road.frame) {
            road.frame = true;
            bench::stamp("frame");
        } else if (road.typed && !road.blocked && top && url == road.measured && !road.complete) {
            road.complete = true;
            bench::stamp("complete");
        }
        road.inComplete = true;
        complete(pDisp, url);
        road.inComplete = false;
        if (road.blocked && top && url.find("/blocked.htm") != std::string::npos) {
            bench::stamp("shown");
            bench::stamp("done");
        } else if (road.complete && !road.blocked && top && url == road.measured) {
            QTimer::singleShot(1000, [&road] {
                if (!road.blocked) bench::stamp("done");
            });
        }
    };
    auto* engine = dynamic_cast<quillo::qt::QtWebEngine*>(main.WebBrowser2.engine());
    QObject::connect(engine->page(), &QWebEnginePage::loadFinished, [&road](bool) {
        if (!road.typed || road.loaded) return;
        road.loaded = true;
        bench::stamp("loaded");
    });
    QObject::connect(engine->page(), &QWebEnginePage::loadStarted, [&road] {
        if (!road.blocked || road.leaving) return;
        road.leaving = true;
        bench::stamp("leaving");
    });
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    Road road;
    road.start = argv[1];
    road.measured = argv[2];
    bench::ProgramRun program(argc, argv, "<" + road.start + ">");
    program.mainWindowLoaded = [&road](quillo::form1& main) { hook(main, road); };
    return program.exec();
}
