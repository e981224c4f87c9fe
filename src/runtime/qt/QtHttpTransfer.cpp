#include "runtime/qt/QtHttpTransfer.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include "runtime/Inet.h"

namespace quillo::qt {

namespace {
QNetworkAccessManager& network() {
    static QNetworkAccessManager* manager = new QNetworkAccessManager();
    return *manager;
}
}  // namespace

QtHttpTransfer::QtHttpTransfer(runtime::Inet& inet) : inet_(inet) {
    timeout_.setSingleShot(true);
    connect(&timeout_, &QTimer::timeout, this, [this] { fail(runtime::HttpFailure::TimedOut); });
}

QtHttpTransfer::~QtHttpTransfer() {
    cancel();
}

void QtHttpTransfer::start(const std::string& url, const runtime::HttpLimits& limits) {
    maxBytes_ = limits.maxBytes;
    QNetworkRequest request(QUrl(QString::fromStdString(url)));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    reply_ = network().get(request);
    connect(reply_, &QNetworkReply::metaDataChanged, this, &QtHttpTransfer::headersArrived);
    connect(reply_, &QNetworkReply::readyRead, this, &QtHttpTransfer::dataArrived);
    connect(reply_, &QNetworkReply::finished, this, &QtHttpTransfer::finished);
    timeout_.start(static_cast<int>(limits.timeoutMs));
    // Never from inside Execute.
    QTimer::singleShot(0, this, [this] { inet_.transferState(runtime::icRequesting); });
}

void QtHttpTransfer::cancel() {
    timeout_.stop();
    if (!reply_) return;
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void QtHttpTransfer::headersArrived() {
    if (!reply_ || headersReported_) return;
    if (!reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid()) return;
    QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > maxBytes_) {
        fail(runtime::HttpFailure::TooLarge);
        return;
    }
    headersReported_ = true;
    inet_.transferState(runtime::icResponseReceived);
}

void QtHttpTransfer::dataArrived() {
    if (!reply_) return;
    body_ += reply_->readAll();
    if (body_.size() > maxBytes_) fail(runtime::HttpFailure::TooLarge);
}

void QtHttpTransfer::finished() {
    if (!reply_) return;
    QNetworkReply* reply = reply_;
    QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid()) {
        fail(reply->error() == QNetworkReply::OperationCanceledError
                 ? runtime::HttpFailure::TimedOut
                 : runtime::HttpFailure::NoConnection);
        return;
    }
    body_ += reply->readAll();
    if (body_.size() > maxBytes_) {
        fail(runtime::HttpFailure::TooLarge);
        return;
    }
    runtime::HttpResponse response;
    response.status = status.toInt();
    for (const auto& [name, value] : reply->rawHeaderPairs())
        response.headers.emplace_back(name.toStdString(), value.toStdString());
    response.body = body_.toStdString();
    cancel();
    // The control may drop this transfer while it reports; nothing may follow.
    inet_.transferCompleted(std::move(response));
}

void QtHttpTransfer::fail(runtime::HttpFailure failure) {
    cancel();
    inet_.transferFailed(failure);
}

}  // namespace quillo::qt
