#pragma once

#include <QAbstractHttpServer>
#include <QByteArray>
#include <QMap>
#include <QString>
#include <cstdint>
#include <vector>

namespace bench {

// A web server on 127.0.0.1 that answers from a table of paths and writes down when each
// request arrived, on the monotonic clock of BenchClock.h.
class BenchServer : public QAbstractHttpServer {
  public:
    struct Request {
        QString path;
        std::int64_t ns;
    };
    BenchServer();
    QString url(const QString& path) const;
    void add(const QString& path, QByteArray body);
    // The first request for path at or after the moment given, or -1.
    std::int64_t firstRequest(const QString& path, std::int64_t since) const;
    void forget() { requests_.clear(); }

  protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

  private:
    QMap<QString, QByteArray> pages_;
    std::vector<Request> requests_;
    quint16 port_ = 0;
};

}  // namespace bench
