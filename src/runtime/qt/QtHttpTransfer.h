#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include "runtime/HttpTransfer.h"

class QNetworkReply;

namespace quillo::runtime {
class Inet;
}

namespace quillo::qt {

// A transfer of an Inet control on QNetworkAccessManager: a GET that follows redirects, reads
// the whole body, and fails when no connection is made, when the time-out passes or when the
// announced or received size passes the cap. Any HTTP answer, a 404 too, completes.
class QtHttpTransfer : public QObject, public runtime::HttpTransfer {
    Q_OBJECT
  public:
    explicit QtHttpTransfer(runtime::Inet& inet);
    ~QtHttpTransfer() override;
    void start(const std::string& url, const runtime::HttpLimits& limits) override;
    void cancel() override;

  private:
    void headersArrived();
    void dataArrived();
    void finished();
    void fail(runtime::HttpFailure failure);

    runtime::Inet& inet_;
    QPointer<QNetworkReply> reply_;
    QTimer timeout_;
    QByteArray body_;
    qint64 maxBytes_ = 0;
    bool headersReported_ = false;
};

}  // namespace quillo::qt
