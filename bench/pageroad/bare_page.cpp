// A bare QWebEngineView: loads a small page (first argument), then the measured page (second
// argument), in a view of the width and height in pixels that follow (800 x 600 without them).
// Writes "typed" when it asks for the measured page, "loaded" when that has loaded and "laid-out"
// when a script run then has had its text laid out (BenchClock.h), then "done".
#include <QApplication>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <cstdlib>

#include "BenchClock.h"

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    QApplication qt(argc, argv);
    QWebEngineView view;
    view.resize(argc > 4 ? atoi(argv[3]) : 800, argc > 4 ? atoi(argv[4]) : 600);
    QUrl measured(QString::fromLocal8Bit(argv[2]));
    bool typed = false;
    QObject::connect(&view, &QWebEngineView::loadFinished, [&](bool) {
        if (typed) {
            bench::stamp("loaded");
            view.page()->runJavaScript("document.documentElement.getClientRects().length",
                                       [](const QVariant&) {
                                           bench::stamp("laid-out");
                                           bench::stamp("done");
                                       });
            return;
        }
        typed = true;
        QTimer::singleShot(500, [&] {
            bench::stamp("typed");
            view.load(measured);
        });
    });
    view.show();
    view.load(QUrl(QString::fromLocal8Bit(argv[1])));
    return qt.exec();
}
