#pragma once

#include "db/Connection.h"

#include <QString>

#include <gtest/gtest.h>

namespace pelora::test {

// Which template database a test copies: the bare definition with its reserved rows, or the
// demo venue on top of it.
enum class Template { Plain, Demo };

// A fresh database of its own for one test: a copy of a template that the test run made once
// with pelora-dbinit, deleted again when the test ends.
class TestDatabase {
public:
    explicit TestDatabase(Template which = Template::Plain);
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    // "localhost:/.../test-<pid>-<n>.gdb", and the file itself.
    QString path() const { return QStringLiteral("localhost:") + file_; }
    const QString& file() const { return file_; }

    db::ConnectParams sysdba() const;
    db::ConnectParams admin1() const;
    db::ConnectParams admin2() const;

private:
    QString file_;
};

// A till's folder for one test: a copy of a template as `pelora.gdb` in a folder of its own,
// where a pelora.ini can be written and the till started. Removed when the test ends.
class TestSite {
public:
    explicit TestSite(Template which = Template::Demo);
    ~TestSite();
    TestSite(const TestSite&) = delete;
    TestSite& operator=(const TestSite&) = delete;

    const QString& folder() const { return folder_; } // absolute, without a trailing "/"
    // DBPath of the site's database: "localhost:<folder>/".
    QString dbPath() const { return QStringLiteral("localhost:") + folder_ + u'/'; }
    QString databasePath() const { return dbPath() + QStringLiteral("pelora.gdb"); }
    QString iniFile() const { return folder_ + QStringLiteral("/pelora.ini"); }
    // Writes pelora.ini; the password is that of SYSDBA unless another is given. (The server
    // makes every fourth refused login of a user wait 8 seconds, so tests refuse few.)
    void writeIni(const QString& pcRef, const QString& dbPath, const QString& password = {}) const;
    db::ConnectParams admin1() const;

private:
    QString folder_;
};

// The password of admin1_pelora in every test database.
QString admin1Password();
// The SYSDBA password of the local server: ISC_PASSWORD, else the Debian package's file.
QString sysdbaPassword();
// Folder for the test run's databases (next to the template).
QString testDatabaseFolder();

// The id the server gives the connection's attachment, to end it from outside.
long long attachmentId(db::Connection& connection);
// The server ends attachment `id` of the database at `path` (DELETE FROM MON$ATTACHMENTS), as a
// restart of the server or a dropped network does: the connection that had it finds out at its
// next statement. Safe to call from a statement hook of that connection.
void endAttachment(const QString& path, long long id);
// Ends the connection's own attachment on the server.
void dropOnServer(db::Connection& connection);

// Changes the current directory for the life of the guard.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const QString& folder);
    ~CurrentDirectory();

private:
    QString previous_;
};

// A test with its own database and a connection to it as the till makes it: admin1_pelora
// with the role app, so that every statement also proves the role's rights.
class DatabaseTest : public ::testing::Test {
protected:
    explicit DatabaseTest(Template which = Template::Plain) : database(which) {}
    void SetUp() override;
    // Runs SQL and returns the first column of the first row as text (empty without rows).
    QString scalar(const QString& sql, std::vector<db::Value> params = {});
    // Runs SQL that returns nothing.
    void exec(const QString& sql, std::vector<db::Value> params = {});
    // Every row's columns as their shortest text, "|" between columns and " ; " between rows.
    QString rows(const QString& sql, std::vector<db::Value> params = {});
    // The exception log's entries in the order written, as rows() gives them: kind, approver,
    // tab, item, quantity, amount and detail; those after the first `skipped`.
    QString eventLog(int skipped = 0) {
        return rows(QStringLiteral("SELECT kind, approver, tabref, itemname, qty, amount, detail FROM eventlog"
                                   " ORDER BY id OFFSET %1 ROWS").arg(skipped));
    }
    int eventLogSize() { return scalar(QStringLiteral("SELECT COUNT(*) FROM eventlog")).toInt(); }

    TestDatabase database;
    db::Connection db;
};

// The same on a copy of the demo venue.
class DemoDatabaseTest : public DatabaseTest {
protected:
    DemoDatabaseTest() : DatabaseTest(Template::Demo) {}
};

} // namespace pelora::test
