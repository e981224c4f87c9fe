#include "E2E.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QHostAddress>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>

#include "runtime/qt/MakersSite.h"
#include "runtime/qt/QtHttpTransfer.h"
#include "runtime/qt/QtMediaPlayer.h"
#include "runtime/qt/QtWebEngine.h"

namespace e2e {

namespace {
QTemporaryDir* folder = nullptr;
}

void ensureQt() {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qgetenv("QTWEBENGINE_CHROMIUM_FLAGS").isEmpty())
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox");
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "quillo_qt_tests";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
    if (folder) return;
    folder = new QTemporaryDir();
    QDir(folder->path()).mkpath("site");
    writeFile(folder->path() + "/site/blocked.htm",
              "<html><head><title>Blocked</title></head><body><p>Let us go somewhere else."
              "</p></body></html>");
    writeFile(folder->path() + "/site/index.htm",
              "<html><head><title>Quillo</title></head><body>Hello</body></html>");
    quillo::qt::ServeMakersSite(folder->path());
}

const QString& programFolder() {
    ensureQt();
    static const QString path = folder->path();
    return path;
}

bool waitFor(const std::function<bool()>& condition, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > milliseconds) return false;
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

std::unique_ptr<WebEngine> QtEnginesBackend::createWebEngine(WebBrowser& browser) {
    return std::make_unique<quillo::qt::QtWebEngine>(browser);
}

std::unique_ptr<HttpTransfer> QtEnginesBackend::createHttpTransfer(Inet& inet) {
    return std::make_unique<quillo::qt::QtHttpTransfer>(inet);
}

std::unique_ptr<MediaPlayer> QtEnginesBackend::createMediaPlayer(const MediaOpenRequest& request) {
    auto found = request.parent ? widgets.find(request.parent) : widgets.end();
    auto player = std::make_unique<quillo::qt::QtMediaPlayer>(
        request, found == widgets.end() ? nullptr : found->second);
    lastPlayer = player.get();
    return player;
}

QtApp::QtApp() {
    ensureQt();
    AppInfo info;
    info.Path = programFolder().toStdString();
    application = std::make_unique<Application>(backend, info);
}

QtApp::~QtApp() {
    application.reset();
    // Let the engines' pages and views go before the next test.
    waitFor([] { return false; }, 200);
}

PageServer::PageServer() {
    port_ = listen(QHostAddress::LocalHost, 0);
}

QString PageServer::url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port_).arg(path);
}

void PageServer::add(const QString& path, QByteArray body, QByteArray contentType, int status) {
    pages_[path] = Page{status, std::move(contentType), std::move(body), false, {}};
}

void PageServer::addSilent(const QString& path) {
    pages_[path].silent = true;
}

void PageServer::addRedirect(const QString& path, const QString& target) {
    pages_[path] = Page{302, "text/html", "moved", false, target.toUtf8()};
}

bool PageServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    ++requests_[request.url().path()];
    auto found = pages_.find(request.url().path());
    if (found == pages_.end()) {
        makeResponder(request, socket)
            .write(QByteArray("missing"), "text/plain", QHttpServerResponder::StatusCode::NotFound);
        return true;
    }
    if (found->silent) return true;
    if (!found->location.isEmpty()) {
        makeResponder(request, socket)
            .write(found->body,
                   {{"Content-Type", found->contentType}, {"Location", found->location}},
                   QHttpServerResponder::StatusCode::Found);
        return true;
    }
    makeResponder(request, socket)
        .write(found->body, found->contentType,
               static_cast<QHttpServerResponder::StatusCode>(found->status));
    return true;
}

void PageServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
    makeResponder(request, socket).write(QHttpServerResponder::StatusCode::NotFound);
}

quint16 closedPort() {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    quint16 port = server.serverPort();
    server.close();
    return port;
}

namespace {
void put32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}
void put16(QByteArray& out, quint16 value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}
QByteArray chunk(const char* id, const QByteArray& data) {
    QByteArray out(id, 4);
    put32(out, static_cast<quint32>(data.size()));
    out += data;
    if (data.size() % 2) out += '\0';
    return out;
}
QByteArray list(const char* type, const QByteArray& data) {
    return chunk("LIST", QByteArray(type, 4) + data);
}
}  // namespace

QByteArray makeAvi(int width, int height, int frames, bool withSound) {
    const quint32 frameSize = static_cast<quint32>(((width * 3 + 3) & ~3) * height);
    // The sound track: 8000 samples a second, 16-bit mono, a tenth of a second beside each
    // frame.
    const quint32 soundRate = 8000;
    const quint32 soundBytes = soundRate / 10 * 2;
    QByteArray avih;
    for (quint32 v :
         {100000u, frameSize * 10, 0u, 0x10u, static_cast<quint32>(frames), 0u, withSound ? 2u : 1u,
          frameSize, static_cast<quint32>(width), static_cast<quint32>(height), 0u, 0u, 0u, 0u})
        put32(avih, v);
    QByteArray strh("vidsDIB ", 8);
    put32(strh, 0);
    put16(strh, 0);
    put16(strh, 0);
    for (quint32 v : {0u, 1u, 10u, 0u, static_cast<quint32>(frames), frameSize, 0xFFFFFFFFu, 0u})
        put32(strh, v);
    for (quint16 v : {quint16(0), quint16(0), quint16(width), quint16(height)})
        put16(strh, v);
    QByteArray strf;
    put32(strf, 40);
    put32(strf, static_cast<quint32>(width));
    put32(strf, static_cast<quint32>(height));
    put16(strf, 1);
    put16(strf, 24);
    for (quint32 v : {0u, frameSize, 0u, 0u, 0u, 0u})
        put32(strf, v);
    QByteArray hdrl = chunk("avih", avih) + list("strl", chunk("strh", strh) + chunk("strf", strf));
    if (withSound) {
        QByteArray sndh("auds\0\0\0\0", 8);
        put32(sndh, 0);
        put16(sndh, 0);
        put16(sndh, 0);
        const quint32 samples = soundRate / 10 * static_cast<quint32>(frames);
        for (quint32 v : {0u, 2u, soundRate * 2, 0u, samples, soundBytes, 0xFFFFFFFFu, 2u})
            put32(sndh, v);
        for (int i = 0; i < 4; ++i)
            put16(sndh, 0);
        QByteArray sndf;
        put16(sndf, 1);
        put16(sndf, 1);
        put32(sndf, soundRate);
        put32(sndf, soundRate * 2);
        put16(sndf, 2);
        put16(sndf, 16);
        put16(sndf, 0);
        hdrl += list("strl", chunk("strh", sndh) + chunk("strf", sndf));
    }

    QByteArray movi;
    QByteArray index;
    auto add = [&movi, &index](const char* id, const QByteArray& data) {
        put32(index, qFromLittleEndian<quint32>(id));
        put32(index, 0x10);
        put32(index, static_cast<quint32>(movi.size() + 4));
        put32(index, static_cast<quint32>(data.size()));
        movi += chunk(id, data);
    };
    for (int f = 0; f < frames; ++f) {
        add("00db", QByteArray(static_cast<int>(frameSize), static_cast<char>(f * 20)));
        if (!withSound) continue;
        QByteArray tone;
        for (quint32 i = 0; i < soundBytes / 2; ++i)
            put16(tone, static_cast<quint16>((i % 20) * 1000));
        add("01wb", tone);
    }
    QByteArray body =
        QByteArray("AVI ", 4) + list("hdrl", hdrl) + list("movi", movi) + chunk("idx1", index);
    return chunk("RIFF", body);
}

QByteArray makeWav(int milliseconds) {
    const quint32 rate = 8000;
    const quint32 samples = rate * static_cast<quint32>(milliseconds) / 1000;
    QByteArray format;
    put16(format, 1);
    put16(format, 1);
    put32(format, rate);
    put32(format, rate * 2);
    put16(format, 2);
    put16(format, 16);
    QByteArray data;
    for (quint32 i = 0; i < samples; ++i)
        put16(data, static_cast<quint16>((i % 20) * 1000));
    return chunk("RIFF", QByteArray("WAVE", 4) + chunk("fmt ", format) + chunk("data", data));
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
}

}  // namespace e2e
