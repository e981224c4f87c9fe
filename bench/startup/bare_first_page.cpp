// Opens the page given as argument in a bare QWebEngineView and prints "complete" when it has
// loaded.
#include <QApplication>
#include <QUrl>
#include <QWebEngineView>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    QApplication qt(argc, argv);
    QWebEngineView view;
    view.resize(800, 600);
    QObject::connect(&view, &QWebEngineView::loadFinished, [](bool) {
        std::printf("complete\n");
        std::fflush(stdout);
        std::_Exit(0);
    });
    view.show();
    view.load(QUrl::fromUserInput(QString::fromLocal8Bit(argv[1])));
    return qt.exec();
}
