#include "TestDatabase.h"

#include "DatabaseInit.h"
#include "app/IniFile.h"
#include "db/Query.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include <atomic>

#include <unistd.h>

namespace pelora::test {

namespace {

// The demo venue's template lies beside the plain one.
QString templateFile(Template which) {
    QString path = qEnvironmentVariable("PELORA_TEST_TEMPLATE");
    if (which == Template::Demo && !path.isEmpty())
        path = QFileInfo(path).absoluteDir().filePath(QStringLiteral("demo-template.gdb"));
    if (path.isEmpty() || !QFileInfo::exists(path))
        throw std::runtime_error("No template database: run the tests through ctest, which makes it "
                                 "first (PELORA_TEST_TEMPLATE).");
    return path;
}

int nextNumber() {
    static std::atomic<int> counter{0};
    return ++counter;
}

// The server may run as a user of its own.
void openToTheServer(const QString& path) {
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                    QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                                    QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther);
}

void copyTemplate(Template which, const QString& target) {
    QFile::remove(target);
    if (!QFile::copy(templateFile(which), target))
        throw std::runtime_error("Cannot copy the template database.");
    openToTheServer(target);
}

} // namespace

QString admin1Password() { return QString::fromLatin1(dbinit::kDemoAdmin1Password); }

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

QString testDatabaseFolder() { return QFileInfo(templateFile(Template::Plain)).absolutePath(); }

long long attachmentId(db::Connection& connection) {
    return connection.run(QStringLiteral("SELECT CURRENT_CONNECTION FROM RDB$DATABASE")).rows.at(0).at(0).asInt();
}

void endAttachment(const QString& path, long long id) {
    db::Connection server;
    server.connect({QStringLiteral("SYSDBA"), sysdbaPassword(), QString(), path});
    server.run(QStringLiteral("DELETE FROM MON$ATTACHMENTS WHERE MON$ATTACHMENT_ID = ?"), {id});
}

void dropOnServer(db::Connection& connection) { endAttachment(connection.params().path, attachmentId(connection)); }

TestDatabase::TestDatabase(Template which) {
    file_ = QDir(testDatabaseFolder())
                .absoluteFilePath(QStringLiteral("test-%1-%2.gdb").arg(getpid()).arg(nextNumber()));
    copyTemplate(which, file_);
}

TestDatabase::~TestDatabase() { QFile::remove(file_); }

db::ConnectParams TestDatabase::sysdba() const {
    return {QStringLiteral("SYSDBA"), sysdbaPassword(), QStringLiteral("app"), path()};
}

db::ConnectParams TestDatabase::admin1() const {
    return {QStringLiteral("admin1_pelora"), admin1Password(), QStringLiteral("app"), path()};
}

db::ConnectParams TestDatabase::admin2() const {
    return {QStringLiteral("admin2_pelora"), QString::fromLatin1(dbinit::kDemoAdmin2Password),
            QStringLiteral("app"), path()};
}

TestSite::TestSite(Template which) {
    folder_ = QDir(testDatabaseFolder())
                  .absoluteFilePath(QStringLiteral("site-%1-%2").arg(getpid()).arg(nextNumber()));
    QDir(folder_).removeRecursively();
    if (!QDir().mkpath(folder_))
        throw std::runtime_error("Cannot make the site folder.");
    openToTheServer(folder_);
    copyTemplate(which, folder_ + QStringLiteral("/pelora.gdb"));
}

TestSite::~TestSite() { QDir(folder_).removeRecursively(); }

void TestSite::writeIni(const QString& pcRef, const QString& dbPath, const QString& password) const {
    if (!IniFile::write({password.isEmpty() ? sysdbaPassword() : password, pcRef, dbPath}, iniFile()))
        throw std::runtime_error("Cannot write pelora.ini.");
}

db::ConnectParams TestSite::admin1() const {
    return {QStringLiteral("admin1_pelora"), admin1Password(), QStringLiteral("app"), databasePath()};
}

CurrentDirectory::CurrentDirectory(const QString& folder) : previous_(QDir::currentPath()) {
    if (!QDir::setCurrent(folder))
        throw std::runtime_error("Cannot change to the folder.");
}

CurrentDirectory::~CurrentDirectory() { QDir::setCurrent(previous_); }

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

QString DatabaseTest::rows(const QString& sql, std::vector<db::Value> params) {
    QStringList out;
    for (const db::Row& row : db.run(sql, params).rows) {
        QStringList columns;
        for (const db::Value& v : row)
            columns << v.asText();
        out << columns.join(u'|');
    }
    return out.join(QStringLiteral(" ; "));
}

} // namespace pelora::test
