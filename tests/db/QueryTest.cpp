#include "db/DbError.h"
#include "db/Query.h"

#include "GTestSupport.h"
#include "TestDatabase.h"

using namespace pelora;
using namespace pelora::db;
using pelora::test::DatabaseTest;

namespace {

class QueryTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        for (int id = 3; id <= 6; ++id)
            exec(QStringLiteral("INSERT INTO tab (id, ref, cat, balance) VALUES (?, ?, ?, ?)"),
                 {id, QStringLiteral("Table %1").arg(id), id % 2 ? Value(QStringLiteral("Bar")) : Value(),
                  id * 10.5});
    }
};

TEST_F(QueryTest, ColumnsByNameInAnyCaseNullsAsEmptyOrZero) {
    Query q(db);
    q.setSql(QStringLiteral("SELECT id, ref, cat, balance, discid, notes, NULL AS nothing "
                            "FROM tab WHERE id = ?"));
    q.open({4});
    ASSERT_EQ(q.rowCount(), 1);
    EXPECT_EQ(q.value(u"REF").asText(), QStringLiteral("Table 4"));
    EXPECT_EQ(q.value(u"Balance").asDouble(), 42.0);
    EXPECT_EQ(q.value(u"balance").asText(), QStringLiteral("42"));
    EXPECT_EQ(q.value(u"balance").asMoney(), Money::fromWhole(42));
    EXPECT_EQ(q.value(u"id").asInt(), 4);
    EXPECT_TRUE(q.value(u"cat").isNull());
    EXPECT_EQ(q.value(u"cat").asText(), QString());
    EXPECT_EQ(q.value(u"discid").asInt(), 0);
    EXPECT_EQ(q.value(u"notes").asText(), QString());
    EXPECT_TRUE(q.value(u"nothing").isNull());
    EXPECT_THROW(q.value(u"no_such_column"), DbError);
}

TEST_F(QueryTest, NavigatesTheRows) {
    Query q(db);
    q.setSql(QStringLiteral("SELECT id, ref FROM tab WHERE id > 2 ORDER BY id"));
    q.open();
    ASSERT_EQ(q.rowCount(), 4);
    QStringList refs;
    for (q.first(); !q.eof(); q.next())
        refs << q.value(u"ref").asText();
    EXPECT_EQ(refs, QStringList({QStringLiteral("Table 3"), QStringLiteral("Table 4"),
                                 QStringLiteral("Table 5"), QStringLiteral("Table 6")}));
    q.last();
    EXPECT_EQ(q.value(u"id").asInt(), 6);
    q.prior();
    EXPECT_EQ(q.value(u"id").asInt(), 5);
    EXPECT_TRUE(q.locate(u"ref", QStringLiteral("Table 3")));
    EXPECT_EQ(q.row(), 0);
    EXPECT_FALSE(q.locate(u"ref", QStringLiteral("Table 9")));
    EXPECT_EQ(q.row(), 0);
    EXPECT_FALSE(q.moveTo(7));

    // Reopening keeps the row with the same id, wherever it now stands.
    q.moveTo(2); // id 5
    exec(QStringLiteral("DELETE FROM tab WHERE id = 3"));
    q.reopen();
    EXPECT_EQ(q.rowCount(), 3);
    EXPECT_EQ(q.value(u"id").asInt(), 5);
}

TEST_F(QueryTest, AnEmptyResultReadsAsNulls) {
    Query q(db);
    q.setSql(QStringLiteral("SELECT id, ref FROM tab WHERE id = -1"));
    q.open();
    EXPECT_TRUE(q.isEmpty());
    EXPECT_TRUE(q.eof());
    EXPECT_TRUE(q.value(u"ref").isNull());
    EXPECT_THROW(q.value(u"other"), DbError);
}

TEST_F(QueryTest, ParametersOfEveryKind) {
    const QDateTime stamp(QDate(2024, 2, 29), QTime(23, 59, 30, 250));
    exec(QStringLiteral("INSERT INTO receipt (id, tabid, total, mop, istamp) VALUES (?, ?, ?, ?, ?)"),
         {7, 3, Money::fromDouble(12.3456), QStringLiteral("Cash"), stamp});
    Query q(db);
    q.setSql(QStringLiteral("SELECT id, total, istamp, idate, mop FROM receipt "
                            "WHERE id = ? AND total = ? AND istamp >= ? AND idate = ? AND mop = ?"));
    q.open({QStringLiteral("7"), 12.3456, stamp.addSecs(-1), QDate(2024, 2, 29), QStringLiteral("Cash")});
    ASSERT_EQ(q.rowCount(), 1);
    EXPECT_EQ(q.value(u"istamp").asDateTime(), stamp);
    EXPECT_EQ(q.value(u"idate").asDate(), QDate(2024, 2, 29));
    EXPECT_EQ(q.value(u"total").asMoney().units(), 123456);

    // A null parameter matches nothing in a comparison and is stored as null.
    exec(QStringLiteral("UPDATE receipt SET mop = ? WHERE id = ?"), {Value(), 7});
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM receipt WHERE mop IS NULL")),
              QStringLiteral("1"));

    EXPECT_THROW(q.open({7}), DbError); // too few parameters
}

TEST_F(QueryTest, ExpressionsReadAsNumbers) {
    Query q(db);
    q.setSql(QStringLiteral("SELECT COUNT(*) AS n, SUM(balance) AS total, "
                            "CAST(12.345 AS NUMERIC(9,3)) AS fixed, CAST(2 AS SMALLINT) AS small "
                            "FROM tab WHERE id > 2"));
    q.open();
    EXPECT_EQ(q.value(u"n").asInt(), 4);
    EXPECT_EQ(q.value(u"total").asDouble(), 10.5 * (3 + 4 + 5 + 6));
    EXPECT_EQ(q.value(u"fixed").asDouble(), 12.345);
    EXPECT_EQ(q.value(u"small").asText(), QStringLiteral("2"));
}

TEST_F(QueryTest, ExecReportsRowsAffectedAndReturning) {
    Query q(db);
    q.setSql(QStringLiteral("UPDATE tab SET cat = ? WHERE id > 2"));
    q.exec({QStringLiteral("Dining")});
    EXPECT_EQ(q.rowsAffected(), 4);
    q.setSql(QStringLiteral("UPDATE tab SET balance = balance + ? WHERE id = ? RETURNING balance"));
    q.exec({1.5, 3});
    EXPECT_EQ(q.value(u"balance").asDouble(), 33.0);
}

} // namespace
