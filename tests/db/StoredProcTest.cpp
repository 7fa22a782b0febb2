#include "db/DbError.h"
#include "db/StoredProc.h"

#include "GTestSupport.h"
#include "TestDatabase.h"

using namespace pelora;
using namespace pelora::db;
using pelora::test::DatabaseTest;

namespace {

class StoredProcTest : public DatabaseTest {};

TEST_F(StoredProcTest, InputsByPositionOutputsByName) {
    exec(QStringLiteral("INSERT INTO tab (id, ref, balance, crlimit, crstop) VALUES (5, 'Smith', 12.5, 100, 'T')"));
    StoredProc sp(db);
    sp.setName(QStringLiteral("tab_balcr_lookup"));
    sp.setParam(0, 5);
    sp.execute();
    EXPECT_EQ(sp.value(u"balance").asMoney(), Money::fromDouble(12.5));
    EXPECT_EQ(sp.value(u"crlimit").asDouble(), 100.0);
    EXPECT_EQ(sp.value(u"crstop").asText(), QStringLiteral("T"));
    EXPECT_THROW(sp.value(u"nothing"), DbError);

    // A new name forgets the old inputs and outputs.
    sp.setName(QStringLiteral("tab_ref_lookup"));
    EXPECT_THROW(sp.value(u"balance"), DbError);
    sp.setParam(0, 5);
    sp.execute();
    EXPECT_EQ(sp.value(u"tabref").asText(), QStringLiteral("Smith"));
}

TEST_F(StoredProcTest, ProceduresWithoutOutputsAndIds) {
    StoredProc sp(db);
    const int first = sp.nextId(QStringLiteral("receipt"));
    const int second = sp.nextId(QStringLiteral("receipt"));
    EXPECT_GT(second, first);

    exec(QStringLiteral("INSERT INTO item (id, name, qty) VALUES (2, 'Lager', 10)"));
    sp.setName(QStringLiteral("itemqty_update"));
    sp.setParam(0, 2);
    sp.setParam(1, 2.5);
    sp.execute();
    EXPECT_EQ(scalar(QStringLiteral("SELECT qty FROM item WHERE id = 2")), QStringLiteral("7.5"));
}

TEST_F(StoredProcTest, InsideATransaction) {
    StoredProc sp(db);
    exec(QStringLiteral("INSERT INTO tabline1 (id, tabid, pcref, itemname) VALUES (1, 5, 'Bar', 'Lager')"));
    {
        Transaction tx(db);
        sp.setName(QStringLiteral("tabline1_processed_update"));
        sp.setParam(0, 1);
        sp.execute();
        EXPECT_EQ(scalar(QStringLiteral("SELECT processed FROM tabline1 WHERE id = 1")),
                  QStringLiteral("T"));
    } // rolled back
    EXPECT_EQ(scalar(QStringLiteral("SELECT processed FROM tabline1 WHERE id = 1")),
              QStringLiteral("F"));
}

TEST(StoredProc, RefusesANameThatIsNone) {
    Connection c;
    StoredProc sp(c);
    EXPECT_THROW(sp.setName(QStringLiteral("tab_ref_lookup; DELETE FROM tab")), DbError);
    EXPECT_THROW(sp.setName(QString()), DbError);
    EXPECT_THROW(sp.execute(), DbError);
}

} // namespace
