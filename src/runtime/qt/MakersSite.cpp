#include "runtime/qt/MakersSite.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QUrl>

#include "runtime/PathResolver.h"

namespace quillo::qt {

namespace {

QByteArray contentType(const QString& file) {
    const QString suffix = QFileInfo(file).suffix().toLower();
    if (suffix == "htm" || suffix == "html") return "text/html";
    if (suffix == "css") return "text/css";
    if (suffix == "js") return "text/javascript";
    if (suffix == "gif") return "image/gif";
    if (suffix == "png") return "image/png";
    if (suffix == "jpg" || suffix == "jpeg") return "image/jpeg";
    if (suffix == "bmp") return "image/bmp";
    if (suffix == "ico") return "image/x-icon";
    if (suffix == "txt") return "text/plain";
    return "application/octet-stream";
}

}  // namespace

MakersSite::MakersSite(QString siteFolder, QObject* parent)
    : QAbstractHttpServer(parent), folder_(std::move(siteFolder)) {}

quint16 MakersSite::start() {
    return listen(QHostAddress::LocalHost, 0);
}

bool MakersSite::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    QHttpServerResponder responder = makeResponder(request, socket);
    QString path = request.url().path(QUrl::FullyDecoded);
    if (path.isEmpty() || path == "/") path = "/index.htm";
    // No way out of the site folder.
    const QStringList parts = path.split('/', Qt::SkipEmptyParts);
    if (parts.contains("..") || path.contains('\\')) {
        responder.write(QHttpServerResponder::StatusCode::NotFound);
        return true;
    }
    QString file = QString::fromStdString(
        runtime::ResolvePath((folder_ + "/" + parts.join('/')).toStdString()));
    QFile content(file);
    if (!QFileInfo(file).isFile() || !content.open(QIODevice::ReadOnly)) {
        responder.write(QByteArray("<html><body>Not found</body></html>"), "text/html",
                        QHttpServerResponder::StatusCode::NotFound);
        return true;
    }
    responder.write(content.readAll(), contentType(file));
    return true;
}

void MakersSite::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
    makeResponder(request, socket).write(QHttpServerResponder::StatusCode::NotFound);
}

quint16 ServeMakersSite(const QString& programFolder) {
    auto* site = new MakersSite(programFolder + "/site", QCoreApplication::instance());
    quint16 port = site->start();
    if (port == 0) return 0;
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    flags +=
        " --host-resolver-rules=\"MAP www.quillo.example 127.0.0.1:" + QByteArray::number(port) +
        "\"";
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.trimmed());
    return port;
}

}  // namespace quillo::qt
