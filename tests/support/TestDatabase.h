#pragma once

#include "db/Connection.h"

#include <QString>

#include <gtest/gtest.h>

namespace pelora::test {

// A fresh database of its own for one test: a copy of the template that the test run made
// once with pelora-dbinit, deleted again when the test ends.
class TestDatabase {
public:
    TestDatabase();
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

// The SYSDBA password of the local server: ISC_PASSWORD, else the Debian package's file.
QString sysdbaPassword();
// Folder for the test run's databases (next to the template).
QString testDatabaseFolder();

// A test with its own database and a connection to it as the till makes it: admin1_pelora
// with the role app, so that every statement also proves the role's rights.
class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override;
    // Runs SQL and returns the first column of the first row as text (empty without rows).
    QString scalar(const QString& sql, std::vector<db::Value> params = {});
    // Runs SQL that returns nothing.
    void exec(const QString& sql, std::vector<db::Value> params = {});

    TestDatabase database;
    db::Connection db;
};

} // namespace pelora::test
