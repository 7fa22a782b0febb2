#include "db/Connection.h"
#include "db/DbError.h"
#include "db/Query.h"
#include "db/ServerClock.h"

#include "GTestSupport.h"
#include "TestDatabase.h"

#include <QDir>
#include <QFile>

using namespace pelora;
using namespace pelora::db;
using pelora::test::DatabaseTest;
using pelora::test::TestDatabase;

namespace {

long loginFailureCode(const ConnectParams& params) {
    Connection c;
    try {
        c.connect(params);
    } catch (const DbError& e) {
        EXPECT_FALSE(c.isConnected());
        return e.code();
    }
    return 0;
}

TEST(Connection, WrongPasswordRefusedForServerAndBarePaths) {
    TestDatabase database;
    ConnectParams wrong = database.admin1();
    wrong.password = QStringLiteral("not-the-password");
    EXPECT_EQ(loginFailureCode(wrong), DbError::kLogin);

    // A bare path would open the file in-process without a password; it must go to the server.
    wrong.path = database.file();
    EXPECT_EQ(loginFailureCode(wrong), DbError::kLogin);
    wrong.user = QStringLiteral("SYSDBA");
    EXPECT_EQ(loginFailureCode(wrong), DbError::kLogin);

    ConnectParams right = database.admin1();
    right.path = database.file();
    EXPECT_EQ(loginFailureCode(right), 0);
}

TEST(Connection, RelativeBarePathIsTakenFromTheCurrentFolder) {
    TestDatabase database;
    const QString before = QDir::currentPath();
    QFileInfo file(database.file());
    ASSERT_TRUE(QDir::setCurrent(file.absolutePath()));
    ConnectParams p = database.admin1();
    p.path = file.fileName();
    Connection c;
    EXPECT_NO_THROW(c.connect(p));
    QDir::setCurrent(before);
}

TEST(Connection, LocalDatabaseFiles) {
    EXPECT_EQ(localDatabaseFile(QStringLiteral("localhost:/srv/data/pelora.gdb")),
              QStringLiteral("/srv/data/pelora.gdb"));
    EXPECT_EQ(localDatabaseFile(QStringLiteral("/srv/data/pelora.gdb")),
              QStringLiteral("/srv/data/pelora.gdb"));
    EXPECT_EQ(localDatabaseFile(QStringLiteral("pelora.gdb")),
              QDir::current().absoluteFilePath(QStringLiteral("pelora.gdb")));
    EXPECT_EQ(localDatabaseFile(QStringLiteral("tillserver:/srv/data/pelora.gdb")), QString());
    EXPECT_EQ(localDatabaseFile(QStringLiteral("inet://tillserver/srv/pelora.gdb")), QString());
}

TEST(Connection, TheRoleGivesTheRights) {
    TestDatabase database;
    Connection c;
    c.connect(database.admin1());
    Query q(c);
    q.setSql(QStringLiteral("SELECT CURRENT_ROLE AS r, CURRENT_USER AS u FROM rdb$database"));
    q.open();
    EXPECT_EQ(q.value(u"r").asText(), QStringLiteral("APP"));
    EXPECT_EQ(q.value(u"u").asText(), QStringLiteral("ADMIN1_PELORA"));

    ConnectParams noRole = database.admin2();
    noRole.role.clear();
    Connection plain;
    plain.connect(noRole);
    Query t(plain);
    t.setSql(QStringLiteral("SELECT ref FROM tab"));
    EXPECT_THROW(t.open(), DbError);
}

TEST(Connection, NoStatementWithoutAConnection) {
    Connection c;
    EXPECT_FALSE(c.isConnected());
    EXPECT_THROW(c.run(QStringLiteral("SELECT 1 FROM rdb$database")), DbError);
    EXPECT_THROW(c.startTransaction(), DbError);
    c.disconnect(); // harmless
}

class ConnectionTest : public DatabaseTest {};

TEST_F(ConnectionTest, TextWithQuotesAndAccentsIsStoredUnchanged) {
    const QString ref = QStringLiteral("Joe's \"Bar\" Café ñ");
    const QString notes = QStringLiteral("Señora O'Brien's \"usual\": ") + QString(20000, u'ü');
    exec(QStringLiteral("INSERT INTO tab (id, ref, notes) VALUES (?, ?, ?)"), {10, ref, notes});
    Query q(db);
    q.setSql(QStringLiteral("SELECT ref, notes FROM tab WHERE ref = ?"));
    q.open({ref});
    ASSERT_EQ(q.rowCount(), 1);
    EXPECT_EQ(q.value(u"ref").asText(), ref);
    EXPECT_EQ(q.value(u"notes").asText(), notes);
}

TEST_F(ConnectionTest, TooLongTextIsRefusedNotCut) {
    EXPECT_THROW(exec(QStringLiteral("INSERT INTO tab (id, ref) VALUES (10, ?)"), {QString(21, u'x')}),
                 DbError);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tab WHERE id = 10")), QStringLiteral("0"));
}

TEST_F(ConnectionTest, PreparedStatementsAreReused) {
    const int before = db.preparedCount();
    for (int i = 0; i < 10; ++i)
        scalar(QStringLiteral("SELECT ref FROM tab WHERE id = ?"), {i % 2 + 1});
    EXPECT_EQ(db.preparedCount(), before + 1);
}

TEST_F(ConnectionTest, ExplicitTransactionCommitsOrRollsBackAsOne) {
    Connection other;
    other.connect(database.sysdba());
    auto count = [&](Connection& c) {
        Query q(c);
        q.setSql(QStringLiteral("SELECT COUNT(*) FROM mop"));
        q.open();
        return q.value(0).asInt();
    };
    const auto start = count(other);

    db.startTransaction();
    exec(QStringLiteral("INSERT INTO mop (id, name) VALUES (20, 'Cash')"));
    exec(QStringLiteral("INSERT INTO mop (id, name) VALUES (21, 'Card')"));
    EXPECT_EQ(count(db), start + 2);    // seen inside the transaction
    EXPECT_EQ(count(other), start);     // not yet by another till
    db.commit();
    EXPECT_EQ(count(other), start + 2);

    {
        Transaction tx(db);
        exec(QStringLiteral("INSERT INTO mop (id, name) VALUES (22, 'Voucher')"));
        // leaving the scope without commit rolls back
    }
    EXPECT_FALSE(db.inTransaction());
    EXPECT_EQ(count(other), start + 2);

    EXPECT_THROW(db.commit(), DbError);
    db.startTransaction();
    EXPECT_THROW(db.startTransaction(), DbError);
    db.rollback();
}

TEST_F(ConnectionTest, ConnectionDroppedMidTransactionLeavesNothing) {
    int statements = 0;
    db.setStatementHook([&](const QString&) {
        if (++statements == 3)
            throw DbError({335544721}, QStringLiteral("Unable to complete network request"));
    });
    try {
        Transaction tx(db);
        exec(QStringLiteral("INSERT INTO mop (id, name) VALUES (30, 'A')"));
        exec(QStringLiteral("INSERT INTO mop (id, name) VALUES (31, 'B')"));
        exec(QStringLiteral("INSERT INTO mop (id, name) VALUES (32, 'C')"));
        tx.commit();
        FAIL() << "the third statement should have failed";
    } catch (const DbError& e) {
        EXPECT_EQ(e.code(), 335544721);
    }
    db.setStatementHook({});
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM mop WHERE id >= 30")), QStringLiteral("0"));
}

// The server ends the till's attachment (a restart of the server, a dropped network): the
// connection attaches again at its next use, runs again what changes nothing, and never lets
// the rest of a transaction that died with the attachment commit by itself.
TEST_F(ConnectionTest, ADroppedConnectionIsMadeAgainAtItsNextUse) {
    const QString mops = QStringLiteral("SELECT COUNT(*) FROM mop WHERE id >= 30");
    test::dropOnServer(db);
    EXPECT_EQ(scalar(mops), QStringLiteral("0")); // a read: run again at once
    EXPECT_FALSE(db.isLost());
    test::dropOnServer(db);
    exec(QStringLiteral("INSERT INTO mop (id, name) VALUES (30, 'A')")); // never reached the server: run again
    EXPECT_EQ(scalar(mops), QStringLiteral("1"));

    const long long attachment = test::attachmentId(db);
    try {
        Transaction tx(db);
        exec(QStringLiteral("INSERT INTO mop (id, name) VALUES (31, 'B')"));
        test::endAttachment(database.path(), attachment);
        const auto lost = [&](const char* sql) {
            try {
                exec(QString::fromLatin1(sql));
            } catch (const DbError& failure) {
                return failure.isConnectionLost();
            }
            return false;
        };
        EXPECT_TRUE(lost("INSERT INTO mop (id, name) VALUES (32, 'C')"));
        EXPECT_TRUE(db.isLost());
        EXPECT_TRUE(lost("INSERT INTO mop (id, name) VALUES (33, 'D')")); // not on its own
        tx.commit();
        ADD_FAILURE() << "a transaction lost with the connection committed";
    } catch (const DbError& failure) {
        EXPECT_TRUE(failure.isConnectionLost());
    }
    EXPECT_EQ(scalar(mops), QStringLiteral("1"));
    {
        Transaction tx(db); // the next one works
        exec(QStringLiteral("INSERT INTO mop (id, name) VALUES (34, 'E')"));
        tx.commit();
    }
    EXPECT_EQ(scalar(mops), QStringLiteral("2"));

    // Out of reach for a while: each use says the connection is lost, until it is back.
    test::dropOnServer(db);
    const QString away = database.file() + QStringLiteral(".away");
    ASSERT_TRUE(QFile::rename(database.file(), away));
    try {
        scalar(mops);
        ADD_FAILURE() << "read without a database";
    } catch (const DbError& failure) {
        EXPECT_TRUE(failure.isConnectionLost()) << failure.text().toStdString();
    }
    EXPECT_TRUE(db.isLost());
    EXPECT_FALSE(db.ping());
    ASSERT_TRUE(QFile::rename(away, database.file()));
    db.reattach();
    EXPECT_TRUE(db.ping());
    EXPECT_EQ(scalar(mops), QStringLiteral("2"));
}

TEST_F(ConnectionTest, ChangesOutsideATransactionCommitAtOnce) {
    Connection other;
    other.connect(database.sysdba());
    exec(QStringLiteral("INSERT INTO mop (id, name) VALUES (40, 'Cash')"));
    Query q(other);
    q.setSql(QStringLiteral("SELECT name FROM mop WHERE id = 40"));
    q.open();
    EXPECT_EQ(q.value(u"name").asText(), QStringLiteral("Cash"));

    // ...and a read sees another till's commit at once.
    Query change(other);
    change.setSql(QStringLiteral("UPDATE mop SET name = 'Cheque' WHERE id = 40"));
    change.exec();
    EXPECT_EQ(scalar(QStringLiteral("SELECT name FROM mop WHERE id = 40")), QStringLiteral("Cheque"));
}

TEST_F(ConnectionTest, ServerErrorsCarryCodeAndText) {
    try {
        exec(QStringLiteral("INSERT INTO mop (id, name) VALUES (1, 'Again')"));
        FAIL();
    } catch (const DbError& e) {
        EXPECT_EQ(e.code(), DbError::kUniqueKey);
        EXPECT_TRUE(e.text().contains(QStringLiteral("MOP"))) << e.text().toStdString();
    }
    try {
        exec(QStringLiteral("SELEC nothing"));
        FAIL();
    } catch (const DbError& e) {
        EXPECT_NE(e.code(), 0);
        EXPECT_FALSE(e.text().isEmpty());
    }
    // The connection goes on working after a failure.
    EXPECT_EQ(scalar(QStringLiteral("SELECT name FROM mop WHERE id = 1")), QStringLiteral("Account"));
}

TEST_F(ConnectionTest, ServerClockIsTheServersTime) {
    DatabaseClock clock(db);
    const QDateTime server = clock.now();
    ASSERT_TRUE(server.isValid());
    EXPECT_LT(std::abs(server.secsTo(QDateTime::currentDateTime())), 120);
}

} // namespace
