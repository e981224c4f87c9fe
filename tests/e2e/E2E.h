#pragma once

#include <QAbstractHttpServer>
#include <QByteArray>
#include <QMap>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "runtime/Application.h"
#include "runtime/headless/HeadlessBackend.h"

class QWidget;

namespace e2e {

using namespace quillo::runtime;

// The Qt application of the test process, made on first use with the maker's site served from
// a temporary program folder (its site/ holds blocked.htm and index.htm).
void ensureQt();
const QString& programFolder();

// Runs the Qt event loop until the condition holds or the time is up; true when it held.
bool waitFor(const std::function<bool()>& condition, int milliseconds = 20000);

// A backend whose web, transfers and media are the Qt engines; the rest stays headless. Media
// clips draw into the widget registered for their picture box.
class QtEnginesBackend : public quillo::headless::HeadlessBackend {
  public:
    std::unique_ptr<WebEngine> createWebEngine(WebBrowser& browser) override;
    std::unique_ptr<HttpTransfer> createHttpTransfer(Inet& inet) override;
    std::unique_ptr<MediaPlayer> createMediaPlayer(const MediaOpenRequest& request) override;

    std::map<const Control*, QWidget*> widgets;
    MediaPlayer* lastPlayer = nullptr;
};

// An application on the Qt engines for one test.
struct QtApp {
    QtApp();
    ~QtApp();
    QtEnginesBackend backend;
    std::unique_ptr<Application> application;
};

// A web server on 127.0.0.1 answering from a table of paths; a path marked silent takes the
// request and never answers.
class PageServer : public QAbstractHttpServer {
  public:
    struct Page {
        int status = 200;
        QByteArray contentType = "text/html";
        QByteArray body;
        bool silent = false;
        QByteArray location;  // a redirect's target
    };
    PageServer();
    quint16 port() const { return port_; }
    QString url(const QString& path) const;
    void add(const QString& path, QByteArray body, QByteArray contentType = "text/html",
             int status = 200);
    void addSilent(const QString& path);
    // The path answers with a redirect (302 Found) to the target path.
    void addRedirect(const QString& path, const QString& target);
    // How many requests for the path came in.
    int requests(const QString& path) const { return requests_.value(path); }

  protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

  private:
    QMap<QString, Page> pages_;
    QMap<QString, int> requests_;
    quint16 port_ = 0;
};

// A port on 127.0.0.1 where nothing listens.
quint16 closedPort();

// Small media files: an uncompressed AVI clip of the given frames at 10 per second, with a PCM
// sound track when asked, and a PCM WAV sound of the given length.
QByteArray makeAvi(int width, int height, int frames, bool withSound = false);
QByteArray makeWav(int milliseconds);
void writeFile(const QString& path, const QByteArray& bytes);

}  // namespace e2e
