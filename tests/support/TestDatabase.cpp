#include "TestDatabase.h"

#include "DatabaseInit.h"
#include "db/Query.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <atomic>

#include <unistd.h>

namespace pelora::test {

namespace {

QString templateFile() {
    const QString path = qEnvironmentVariable("PELORA_TEST_TEMPLATE");
    if (path.isEmpty() || !QFileInfo::exists(path))
        throw std::runtime_error("No template database: run the tests through ctest, which makes "
                                 "it first (PELORA_TEST_TEMPLATE).");
    return path;
}

} // namespace

QString sysdbaPassword() {
    QString password = qEnvironmentVariable("ISC_PASSWORD");
    if (!password.isEmpty())
        return password;
    QFile f(QStringLiteral("/etc/firebird/3.0/SYSDBA.password"));
    if (f.open(QIODevice::ReadOnly)) {
        static const QRegularExpression line(QStringLiteral("^ISC_PASSWORD=\"?([^\"\\n]*)\"?$"),
                                             QRegularExpression::MultilineOption);
        const auto m = line.match(QString::fromUtf8(f.readAll()));
        if (m.hasMatch())
            return m.captured(1);
    }
    return {};
}

QString testDatabaseFolder() { return QFileInfo(templateFile()).absolutePath(); }

TestDatabase::TestDatabase() {
    static std::atomic<int> counter{0};
    const QString source = templateFile();
    file_ = QDir(QFileInfo(source).absolutePath())
                .absoluteFilePath(QStringLiteral("test-%1-%2.gdb").arg(getpid()).arg(++counter));
    QFile::remove(file_);
    if (!QFile::copy(source, file_))
        throw std::runtime_error("Cannot copy the template database.");
    // The server may run as a user of its own.
    QFile::setPermissions(file_, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                     QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                     QFileDevice::ReadOther | QFileDevice::WriteOther);
}

TestDatabase::~TestDatabase() { QFile::remove(file_); }

db::ConnectParams TestDatabase::sysdba() const {
    return {QStringLiteral("SYSDBA"), sysdbaPassword(), QStringLiteral("app"), path()};
}

db::ConnectParams TestDatabase::admin1() const {
    return {QStringLiteral("admin1_pelora"), QString::fromLatin1(dbinit::kDemoAdmin1Password),
            QStringLiteral("app"), path()};
}

db::ConnectParams TestDatabase::admin2() const {
    return {QStringLiteral("admin2_pelora"), QString::fromLatin1(dbinit::kDemoAdmin2Password),
            QStringLiteral("app"), path()};
}

void DatabaseTest::SetUp() { db.connect(database.admin1()); }

QString DatabaseTest::scalar(const QString& sql, std::vector<db::Value> params) {
    db::Query q(db);
    q.setSql(sql);
    q.open(std::move(params));
    return q.value(0).asText();
}

void DatabaseTest::exec(const QString& sql, std::vector<db::Value> params) {
    db::Query q(db);
    q.setSql(sql);
    q.exec(std::move(params));
}

} // namespace pelora::test
