#pragma once

#include <QAbstractHttpServer>
#include <QString>

namespace quillo::qt {

// The maker's web site, host www.quillo.example, served from the program folder's site/ on
// 127.0.0.1 so that it works with no network: "/" is site/index.htm, other paths name files of
// site/ (found without regard to letter case), anything else is 404.
class MakersSite : public QAbstractHttpServer {
    Q_OBJECT
  public:
    explicit MakersSite(QString siteFolder, QObject* parent = nullptr);
    // Listens on a free port of 127.0.0.1; 0 when it cannot.
    quint16 start();

  protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

  private:
    QString folder_;
};

// Starts the maker's site for the program folder and points Chromium's resolver for its host
// at it (QTWEBENGINE_CHROMIUM_FLAGS). Call once, after the QApplication exists and before the
// first web page is made; the site lives until the program ends. Returns its port, 0 on failure.
quint16 ServeMakersSite(const QString& programFolder);

}  // namespace quillo::qt
