// Opens the page given as argument in a bare QWebEngineView and writes "complete" when it has
// loaded (BenchClock.h).
#include <QApplication>
#include <QUrl>
#include <QWebEngineView>
#include <cstdlib>

#include "BenchClock.h"

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    QApplication qt(argc, argv);
    QWebEngineView view;
    view.resize(800, 600);
    QObject::connect(&view, &QWebEngineView::loadFinished, [](bool) {
        bench::stamp("complete");
        bench::stamp("done");
        std::_Exit(0);
    });
    view.show();
    view.load(QUrl::fromUserInput(QString::fromLocal8Bit(argv[1])));
    return qt.exec();
}
