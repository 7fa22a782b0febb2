#include "JobFolder.h"
#include "PrintServer.h"

#include <QFile>
#include <QHostAddress>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using namespace pelora::printsim;

namespace {

// Sends one job the way the spooler's socket backend does: connect, write, close.
void sendJob(quint16 port, const QByteArray& job) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    ASSERT_TRUE(socket.waitForConnected(5000)) << socket.errorString().toStdString();
    if (!job.isEmpty()) {
        socket.write(job);
        while (socket.bytesToWrite() > 0)
            ASSERT_TRUE(socket.waitForBytesWritten(5000));
    }
    socket.disconnectFromHost();
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(PrintServer, KeepsEachJobByteForByteUnderANewNumber) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A job left by an earlier run: its number is not used again.
    QFile earlier(dir.filePath(QStringLiteral("Kitchen-20260101-000000-7.prn")));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("old");
    earlier.close();

    PrintServer server(dir.path());
    ASSERT_TRUE(server.listen(QStringLiteral("Kitchen"), 0)) << server.errorString().toStdString();
    const quint16 port = server.port(QStringLiteral("Kitchen"));
    ASSERT_NE(port, 0);
    QSignalSpy kept(&server, &PrintServer::jobKept);

    QByteArray big; // every byte value, large enough to arrive in several reads
    for (int i = 0; i < 200 * 1024; ++i)
        big.append(static_cast<char>(i % 256));
    const char smallBytes[] = "\x1b@Hello\r\n\x1dV\x42\x00";
    const QByteArray small(smallBytes, sizeof smallBytes - 1);
    sendJob(port, {});
    sendJob(port, big);
    sendJob(port, small);
    while (kept.size() < 2 && kept.wait(5000)) {
    }
    ASSERT_EQ(kept.size(), 2);

    // Connections run side by side, so the jobs may be kept in either order.
    const auto jobs = listJobs(dir.path());
    ASSERT_EQ(jobs.size(), 3) << "the empty connection is not kept";
    QList<QByteArray> contents;
    QList<int> numbers;
    for (const auto& job : jobs.mid(1)) {
        EXPECT_EQ(job.name.printer, QStringLiteral("Kitchen"));
        contents << fileBytes(job.path);
        numbers << job.name.number;
    }
    std::sort(numbers.begin(), numbers.end());
    EXPECT_EQ(numbers, QList<int>({8, 9}));
    EXPECT_TRUE(contents.contains(big));
    EXPECT_TRUE(contents.contains(small));
    for (const auto& signal : kept)
        EXPECT_EQ(fileBytes(signal[3].toString()).size(), signal[2].toLongLong());
}

TEST(PrintServer, APortInUseIsRefused) {
    QTemporaryDir dir;
    PrintServer first(dir.path());
    ASSERT_TRUE(first.listen(QStringLiteral("Docket"), 0));
    PrintServer second(dir.path());
    const quint16 port = first.port(QStringLiteral("Docket"));
    EXPECT_FALSE(second.listen(QStringLiteral("Docket"), port));
    EXPECT_TRUE(second.errorString().contains(QString::number(port)));
}

} // namespace
