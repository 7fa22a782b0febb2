#include "DatabaseInit.h"
#include "LogArchive.h"
#include "admin/AdminPermissions.h"
#include "app/EventLog.h"
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
    bool upgrade() {
        output.clear();
        errors.clear();
        QTextStream out(&output), err(&errors);
        return upgradeDatabase(options, out, err);
    }
    bool archive(int months, const QString& to) {
        output.clear();
        errors.clear();
        QTextStream out(&output), err(&errors);
        return archiveLog(options, months, to, out, err);
    }
    db::ConnectParams sysdba() const {
        return {options.sysdbaUser, options.sysdbaPassword, {}, options.database};
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

// What a database made before the exception log looks like: no log, and the tab deletion that
// did not yet refuse a tab with open lines.
void makeItOlder(db::Connection& sysdba) {
    for (const char* statement : {
             "DROP TRIGGER eventlog_fill", "DROP TABLE eventlog", "DROP SEQUENCE eventlogid_gen",
             "ALTER PROCEDURE tab_del_one (id INTEGER) AS\nBEGIN\n"
             "    IF (id <= 2) THEN EXCEPTION row_must_remain;\n"
             "    DELETE FROM tm WHERE tabid = :id;\n    DELETE FROM tab WHERE id = :id;\nEND",
             "DROP EXCEPTION tab_still_open", "ALTER TABLE master DROP admin2xnosale",
             "ALTER TABLE master DROP admin2rptlog"})
        sysdba.executeDirect(QString::fromLatin1(statement));
}

TEST_F(DbInitTest, UpgradeAddsWhatIsMissingAndKeepsTheRows) {
    ASSERT_TRUE(init()) << errors.toStdString();
    db::Connection c;
    c.connect(sysdba());
    makeItOlder(c);
    c.run(QStringLiteral("INSERT INTO mop (id, name) VALUES (50, 'Kept')"));
    c.run(QStringLiteral("INSERT INTO tab (id, ref) VALUES (40, 'Table 4')"));
    c.run(QStringLiteral("INSERT INTO tabline2 (id, tabid, itemname, qty) VALUES (900, 40, 'Soup', 2)"));
    c.run(QStringLiteral("UPDATE master SET admin2rptx = 'T'"));
    EXPECT_FALSE(eventlog::present(c)); // the till warns at its start
    c.disconnect();

    ASSERT_TRUE(upgrade()) << errors.toStdString();
    for (const char* added : {"the table eventlog", "the generator eventlogid_gen",
                              "the index eventlog_stamp", "the trigger eventlog_fill",
                              "the exception tab_still_open", "the column master.admin2xnosale",
                              "the column master.admin2rptlog",
                              "Replaced the procedure tab_del_one"})
        EXPECT_TRUE(output.contains(QString::fromLatin1(added))) << added << "\n" << output.toStdString();

    c.connect(admin1()); // the till's role: the new rights are there, and no more
    EXPECT_TRUE(eventlog::present(c));
    c.run(QStringLiteral("INSERT INTO eventlog (kind, qty) VALUES ('No sale', 1)"));
    const auto entry = c.run(QStringLiteral("SELECT id, stamp FROM eventlog")).rows.at(0);
    EXPECT_GT(entry.at(0).asInt(), 0);
    EXPECT_FALSE(entry.at(1).isNull());
    EXPECT_THROW(c.run(QStringLiteral("DELETE FROM eventlog")), db::DbError);
    EXPECT_THROW(c.run(QStringLiteral("EXECUTE PROCEDURE tab_del_one 40")), db::DbError);
    EXPECT_EQ(c.run(QStringLiteral("SELECT name FROM mop WHERE id = 50")).rows.at(0).at(0).asText(),
              QStringLiteral("Kept"));
    EXPECT_EQ(c.run(QStringLiteral("SELECT qty FROM tabline2 WHERE id = 900")).rows.at(0).at(0).asInt(), 2);
    EXPECT_EQ(c.run(QStringLiteral("SELECT admin2rptx FROM master")).rows.at(0).at(0).asText(),
              QStringLiteral("T"));
    // The added grant is withheld until an Admin gives it: as the upgrade left it, and as null.
    const auto granted = [&c](const char* column) -> bool {
        db::Query query(c);
        return AdminPermissions::load(query).at(
            static_cast<std::size_t>(AdminPermissions::indexOf(QString::fromLatin1(column))));
    };
    EXPECT_TRUE(granted("admin2rptx"));
    EXPECT_FALSE(granted("admin2rptlog"));
    c.run(QStringLiteral("UPDATE master SET admin2rptlog = NULL"));
    EXPECT_FALSE(granted("admin2rptlog"));
    c.disconnect();

    ASSERT_TRUE(upgrade()) << errors.toStdString();
    EXPECT_EQ(output, options.database + QStringLiteral(" is up to date: nothing was changed.\n"));
}

TEST_F(DbInitTest, UpgradeRefusesADatabaseThatIsNotATills) {
    db::Connection c;
    c.createDatabase(sysdba(), {.forcedWrites = false});
    c.disconnect();
    EXPECT_FALSE(upgrade());
    EXPECT_TRUE(errors.contains(QStringLiteral("is not a Pelora database"))) << errors.toStdString();
    c.connect(sysdba());
    EXPECT_TRUE(c.run(QStringLiteral("SELECT 1 FROM rdb$relations WHERE rdb$relation_name = 'EVENTLOG'"))
                    .rows.empty());
}

class LogArchiveTest : public DbInitTest {
protected:
    void SetUp() override {
        DbInitTest::SetUp();
        csv = file + QStringLiteral(".csv");
        QFile::remove(csv);
        ASSERT_TRUE(init()) << errors.toStdString();
        db::Connection c;
        c.connect(admin1());
        for (const char* values :
             {"('Delete', 'Bar', 'Sam', 'Soup', -1, -8.5, 'sent, \"hot\"')",
              "('Discount', 'Bar', 'Sam', NULL, NULL, 2.25, '=1+1')",
              "('No sale', 'Bar', 'Sam', NULL, NULL, NULL, NULL)"})
            c.run(QStringLiteral("INSERT INTO eventlog (kind, pcref, staffref, itemname, qty, amount, "
                                 "detail) VALUES ") + QString::fromLatin1(values));
        c.disconnect();
        // Two of them from last year.
        c.connect(sysdba());
        c.run(QStringLiteral("UPDATE eventlog SET stamp = DATEADD(-13 MONTH TO stamp) WHERE kind <> 'No sale'"));
    }
    void TearDown() override {
        QFile::remove(csv);
        DbInitTest::TearDown();
    }
    QStringList kindsLeft() {
        db::Connection c;
        c.connect(admin1());
        QStringList kinds;
        for (const auto& row : c.run(QStringLiteral("SELECT kind FROM eventlog ORDER BY id")).rows)
            kinds << row.at(0).asText();
        return kinds;
    }

    QString csv;
};

TEST_F(LogArchiveTest, OldEntriesGoToTheFileAndLeaveTheLog) {
    ASSERT_TRUE(archive(12, csv)) << errors.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("Archived 2 entries"))) << output.toStdString();
    EXPECT_EQ(kindsLeft(), QStringList{QStringLiteral("No sale")});

    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("id,stamp,pcref,staffref,approver,kind,tabref,itemname,qty,amount,detail"));
    const QString year = QString::number(QDate::currentDate().year() - 1);
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("1,") + year)) << lines[1].toStdString();
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral(",Bar,Sam,,Delete,,Soup,-1,-8.5,\"sent, \"\"hot\"\"\"")))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral(",,,2.25,'=1+1"))) << lines[2].toStdString();

    // Run again: an archive is never overwritten, and nothing more is old enough.
    EXPECT_FALSE(archive(12, csv));
    EXPECT_TRUE(errors.contains(QStringLiteral("never overwrites")));
    QFile::remove(csv);
    ASSERT_TRUE(archive(12, csv));
    EXPECT_TRUE(output.contains(QStringLiteral("nothing was archived")));
    EXPECT_FALSE(QFile::exists(csv));
    EXPECT_EQ(kindsLeft(), QStringList{QStringLiteral("No sale")});
}

TEST_F(LogArchiveTest, AFileThatCannotBeWrittenRemovesNothing) {
    EXPECT_FALSE(archive(12, file + QStringLiteral(".missing/archive.csv")));
    EXPECT_TRUE(errors.contains(QStringLiteral("Nothing was removed"))) << errors.toStdString();
    EXPECT_EQ(kindsLeft().size(), 3);
}

} // namespace
