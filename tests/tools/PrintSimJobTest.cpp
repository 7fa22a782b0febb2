#include "JobFolder.h"
#include "JobFormat.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace pelora::printsim;

namespace {

// The bytes of a literal, NULs included.
template <qsizetype N>
QByteArray bytes(const char (&literal)[N]) {
    return QByteArray(literal, N - 1);
}

TEST(PrintSimJob, ReadableTextOfADocket) {
    const QByteArray docket = bytes("\x1b@"
                                    "Table 4\tAlex\r\n"
                                    "2 x Lager <pint>   9.00\r\n"
                                    "\n"
                                    "Caf\xc3\xa9\r"
                                    "\x1bp\x00\x19\xfa"
                                    "\x1dV\x42\x00");
    ASSERT_EQ(docket.size(), 57);
    EXPECT_EQ(readableText(docket).toStdString(),
              "<ESC>@Table 4<HT>Alex\n"
              "2 x Lager <pint>   9.00\n"
              "\n"
              "Caf<195><169><CR><ESC>p<NUL><25><250><GS>VB<NUL>\n");
    EXPECT_EQ(readableText(bytes("\x10\x04\x01\x18\x1c\x0c\x7f")).toStdString(),
              "<DLE><4><1><CAN><FS><FF><127>\n");
    EXPECT_EQ(readableText({}).toStdString(), "");
}

TEST(PrintSimJob, FileNamesReadBackAndOthersAreNotJobs) {
    const JobName job{QStringLiteral("Bar-2"), QDateTime({2026, 12, 9}, {20, 15, 0}), 12};
    const QString name = jobFileName(job);
    EXPECT_EQ(name, QStringLiteral("Bar-2-20261209-201500-12.prn"));
    const auto back = parseJobFileName(name);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->printer, job.printer);
    EXPECT_EQ(back->received, job.received);
    EXPECT_EQ(back->number, 12);

    for (const char* other :
         {"printsim.log", "Kitchen-20261209-1.prn", "Kitchen-20261399-201500-1.prn",
          "-20261209-201500-1.prn", "Kitchen-20261209-201500-1.prn.tmp"})
        EXPECT_FALSE(parseJobFileName(QString::fromLatin1(other))) << other;
    EXPECT_FALSE(isValidPrinterName(QStringLiteral("../Kitchen")));
    EXPECT_FALSE(isValidPrinterName(QString()));
}

TEST(PrintSimJob, FolderListsOldestFirstAndNumbersOnPastTheHighest) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"Kitchen-20261209-201500-10.prn", "Docket-20261209-201500-9.prn",
                             "Kitchen-20261209-201459-11.prn", "printsim.log"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
    }
    const auto jobs = listJobs(dir.path());
    ASSERT_EQ(jobs.size(), 3);
    EXPECT_EQ(jobs[0].name.number, 11);
    EXPECT_EQ(jobs[1].name.number, 9);
    EXPECT_EQ(jobs[2].name.number, 10);
    EXPECT_EQ(jobs[2].path, dir.filePath(QStringLiteral("Kitchen-20261209-201500-10.prn")));
    EXPECT_EQ(nextJobNumber(dir.path()), 12);
}

} // namespace
