#include "DatabaseInit.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/Query.h"
#include "db/StoredProc.h"

#include "GTestSupport.h"
#include "TestDatabase.h"

#include <QDir>
#include <QFile>

#include <string>

#include <unistd.h>

using namespace pelora;
using namespace pelora::dbinit;
using pelora::test::sysdbaPassword;
using pelora::test::testDatabaseFolder;

namespace {

// A database file of this test's own in the test run's folder, removed afterwards.
class DbInitTest : public ::testing::Test {
protected:
    void SetUp() override {
        file = QDir(testDatabaseFolder())
                   .absoluteFilePath(QStringLiteral("init-%1-%2.gdb")
                                         .arg(getpid())
                                         .arg(::testing::UnitTest::GetInstance()->random_seed()));
        QFile::remove(file);
        options.database = QStringLiteral("localhost:") + file;
        options.sysdbaPassword = sysdbaPassword();
        options.forcedWrites = false;
        // The test run's users already exist with the demo passwords.
        options.admin1Password = QString::fromLatin1(kDemoAdmin1Password);
        options.admin2Password = QString::fromLatin1(kDemoAdmin2Password);
    }
    void TearDown() override { QFile::remove(file); }

    bool init() {
        output.clear();
        errors.clear();
        QTextStream out(&output), err(&errors);
        return initDatabase(options, out, err);
    }
    db::ConnectParams admin1() const {
        return {QStringLiteral("admin1_pelora"), QString::fromLatin1(kDemoAdmin1Password),
                QStringLiteral("app"), options.database};
    }

    QString file;
    InitOptions options;
    QString output, errors;
};

TEST_F(DbInitTest, NeverOverwritesADatabase) {
    ASSERT_TRUE(init()) << errors.toStdString();
    db::Connection c;
    c.connect(admin1());
    c.run(QStringLiteral("INSERT INTO mop (id, name) VALUES (50, 'Kept')"));
    c.disconnect();

    EXPECT_FALSE(init());
    EXPECT_TRUE(errors.contains(QStringLiteral("already exists"))) << errors.toStdString();
    c.connect(admin1());
    EXPECT_EQ(c.run(QStringLiteral("SELECT name FROM mop WHERE id = 50")).rows.at(0).at(0).asText(),
              QStringLiteral("Kept"));
}

TEST_F(DbInitTest, ExistingUsersKeepTheirPasswords) {
    options.admin1Password.reset();
    options.admin2Password.reset();
    ASSERT_TRUE(init()) << errors.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("admin1_pelora already exists on this server: its "
                                               "password is left as it is.")));
    EXPECT_FALSE(output.contains(QStringLiteral("Password of"))); // nothing made up
    db::Connection c;
    EXPECT_NO_THROW(c.connect(admin1()));
}

TEST_F(DbInitTest, AWrongPasswordForAnExistingUserCreatesNothing) {
    options.admin1Password = QStringLiteral("not-its-password");
    EXPECT_FALSE(init());
    EXPECT_TRUE(errors.contains(QStringLiteral("admin1_pelora already exists on this server with "
                                               "another password")));
    EXPECT_FALSE(QFile::exists(file));
    db::Connection c;
    EXPECT_NO_THROW(c.connect({QStringLiteral("admin1_pelora"),
                               QString::fromLatin1(kDemoAdmin1Password), QStringLiteral("app"),
                               QStringLiteral("localhost:") + QDir(testDatabaseFolder())
                                   .absoluteFilePath(QStringLiteral("template.gdb"))}));
}

TEST_F(DbInitTest, NeedsTheSysdbaPassword) {
    options.sysdbaPassword.clear();
    EXPECT_FALSE(init());
    EXPECT_TRUE(errors.contains(QStringLiteral("ISC_PASSWORD")));
    EXPECT_FALSE(QFile::exists(file));
}

TEST_F(DbInitTest, MadeUpPasswordsAreStrong) {
    const QString a = makePassword(), b = makePassword();
    EXPECT_EQ(a.size(), 20);
    EXPECT_NE(a, b);
    for (QChar c : a)
        EXPECT_TRUE(c.isLetterOrNumber());
}

TEST_F(DbInitTest, TheDemoVenue) {
    options.demo = true;
    options.admin1Password.reset(); // --demo gives the demo passwords
    options.admin2Password.reset();
    options.imagePath = QStringLiteral("/srv/pelora/images/");
    ASSERT_TRUE(init()) << errors.toStdString();
    db::Connection c;
    c.connect(admin1());
    auto count = [&](const char* sql) {
        return c.run(QString::fromLatin1(sql)).rows.at(0).at(0).asInt();
    };
    EXPECT_GE(count("SELECT COUNT(*) FROM item WHERE id > 1"), 12);
    EXPECT_GE(count("SELECT COUNT(*) FROM link"), 3);
    EXPECT_GE(count("SELECT COUNT(*) FROM li WHERE boxcolour > ''"), 10);
    EXPECT_GE(count("SELECT COUNT(*) FROM li WHERE linkidlink > 0"), 2);
    EXPECT_GE(count("SELECT COUNT(*) FROM item WHERE opt1prompt > ''"), 2);
    EXPECT_GE(count("SELECT COUNT(*) FROM opt WHERE price > 0"), 1);
    EXPECT_GE(count("SELECT COUNT(*) FROM icat WHERE topcat = 'T'"), 12);
    EXPECT_GE(count("SELECT COUNT(*) FROM tab WHERE id > 2"), 4);
    EXPECT_GE(count("SELECT COUNT(*) FROM tm t JOIN map m ON m.id = t.mapid WHERE m.filename > ''"), 4);
    EXPECT_GE(count("SELECT COUNT(*) FROM split"), 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM disc WHERE restricted = 'T'"), 1);
    EXPECT_GE(count("SELECT COUNT(*) FROM disc WHERE stopoveride = 'T'"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM mop WHERE name IN ('Account', 'Cash', 'EFTPOS')"), 3);
    EXPECT_GE(count("SELECT COUNT(*) FROM staff WHERE pword > ''"), 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM output WHERE id > 100 AND name IN ('Kitchen', 'Bar')"), 2);
    EXPECT_GE(count("SELECT COUNT(*) FROM od"), 4);
    // The till of the demo's pelora.ini has a terminal of its own.
    EXPECT_EQ(count("SELECT COUNT(*) FROM pc WHERE ref = 'Bar' AND layoutid > 1"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM pc WHERE imagepath <> '/srv/pelora/images/'"), 0);

    // New rows take the ids right after the demo's, on every server version: neither an id
    // given twice nor one left out.
    db::StoredProc sp(c);
    for (const char* table : {"item", "tab", "li", "output", "receipt", "recline", "split", "staff", "pc", "od"})
        EXPECT_EQ(sp.nextId(QString::fromLatin1(table)),
                  count(("SELECT MAX(id) FROM " + std::string(table)).c_str()) + 1)
            << table;
}

} // namespace
