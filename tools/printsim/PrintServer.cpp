#include "PrintServer.h"

#include "JobFolder.h"
#include "JobFormat.h"

#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

#include <memory>

namespace pelora::printsim {

PrintServer::PrintServer(QString dir, QObject* parent)
    : QObject(parent), dir_(std::move(dir)), nextNumber_(nextJobNumber(dir_)) {}

bool PrintServer::listen(const QString& printer, quint16 port) {
    auto* server = new QTcpServer(this);
    if (!server->listen(QHostAddress::LocalHost, port)) {
        error_ = QStringLiteral("cannot listen on 127.0.0.1:%1 for %2: %3")
                     .arg(port)
                     .arg(printer, server->errorString());
        delete server;
        return false;
    }
    connect(server, &QTcpServer::newConnection, this,
            [this, printer, server] { accept(printer, server); });
    servers_.insert(printer, server);
    return true;
}

quint16 PrintServer::port(const QString& printer) const {
    const auto* server = servers_.value(printer);
    return server ? server->serverPort() : 0;
}

void PrintServer::accept(const QString& printer, QTcpServer* server) {
    while (QTcpSocket* socket = server->nextPendingConnection()) {
        auto job = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::readyRead, this,
                [socket, job] { job->append(socket->readAll()); });
        connect(socket, &QTcpSocket::disconnected, this, [this, printer, socket, job] {
            job->append(socket->readAll());
            socket->deleteLater();
            keep(printer, *job);
        });
    }
}

void PrintServer::keep(const QString& printer, const QByteArray& job) {
    if (job.isEmpty())
        return;
    // The folder may have been removed while the server ran.
    if (!QDir().mkpath(dir_)) {
        emit jobLost(printer, QStringLiteral("cannot create the folder ") + dir_);
        return;
    }
    const QDateTime received = QDateTime::currentDateTime();
    // A name taken meanwhile (another server on the same folder) moves on to the next number.
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const int number = nextNumber_++;
        const QString path = QDir(dir_).filePath(jobFileName({printer, received, number}));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (file.exists())
                continue;
            emit jobLost(printer, path + QStringLiteral(": ") + file.errorString());
            return;
        }
        if (file.write(job) != job.size() || !file.flush()) {
            emit jobLost(printer, path + QStringLiteral(": ") + file.errorString());
            file.remove();
            return;
        }
        file.close();
        emit jobKept(printer, number, job.size(), path);
        return;
    }
    emit jobLost(printer, QStringLiteral("no free job file name in ") + dir_);
}

} // namespace pelora::printsim
