#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

class QTcpServer;

namespace pelora::printsim {

// Stands in for network receipt printers: one listening port on 127.0.0.1 per printer. Each
// connection is one job, read until the peer closes and kept byte for byte as a file in the
// job folder. A connection that sends nothing is not kept.
class PrintServer : public QObject {
    Q_OBJECT

public:
    explicit PrintServer(QString dir, QObject* parent = nullptr);

    // Listens on 127.0.0.1:port for the printer (port 0 takes any free one). False, with
    // errorString(), when the port cannot be had.
    bool listen(const QString& printer, quint16 port);
    quint16 port(const QString& printer) const;
    QString errorString() const { return error_; }

signals:
    void jobKept(const QString& printer, int number, qint64 size, const QString& path);
    void jobLost(const QString& printer, const QString& reason);

private:
    void accept(const QString& printer, QTcpServer* server);
    void keep(const QString& printer, const QByteArray& job);

    QString dir_;
    int nextNumber_ = 1;
    QHash<QString, QTcpServer*> servers_;
    QString error_;
};

} // namespace pelora::printsim
