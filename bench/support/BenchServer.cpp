#include "BenchServer.h"

#include <QHostAddress>
#include <QHttpServerRequest>
#include <QHttpServerResponder>

#include "BenchClock.h"

namespace bench {

BenchServer::BenchServer() {
    port_ = listen(QHostAddress::LocalHost, 0);
}

QString BenchServer::url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port_).arg(path);
}

void BenchServer::add(const QString& path, QByteArray body) {
    pages_[path] = std::move(body);
}

std::int64_t BenchServer::firstRequest(const QString& path, std::int64_t since) const {
    for (const Request& request : requests_)
        if (request.path == path && request.ns >= since) return request.ns;
    return -1;
}

bool BenchServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    QString path = request.url().path();
    requests_.push_back({path, nowNs()});
    auto found = pages_.find(path);
    if (found == pages_.end()) {
        makeResponder(request, socket)
            .write(QByteArray("missing"), "text/plain", QHttpServerResponder::StatusCode::NotFound);
        return true;
    }
    makeResponder(request, socket).write(*found, "text/html; charset=utf-8");
    return true;
}

void BenchServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
    makeResponder(request, socket).write(QHttpServerResponder::StatusCode::NotFound);
}

}  // namespace bench
