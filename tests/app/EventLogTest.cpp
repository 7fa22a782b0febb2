#include "app/EventLog.h"
#include "db/Connection.h"
#include "db/DbError.h"

#include "GTestSupport.h"
#include "TestDatabase.h"

using namespace pelora;

namespace {

class EventLogTest : public test::DemoDatabaseTest {
protected:
    void SetUp() override {
        DemoDatabaseTest::SetUp();
        exec(QStringLiteral("INSERT INTO tabline1 (id, tabid, pcref, itemname, qty, price) "
                            "VALUES (900, 3, 'Bar', 'Steak', 1, 32.5)"));
    }
    // A sent line deleted through the console, with its entry.
    void deleteTheSteak() {
        db.run(QStringLiteral("EXECUTE PROCEDURE tabline1_del_one 900"));
        eventlog::write(db, {.kind = eventlog::Kind::Delete,
                             .pcRef = QStringLiteral("Bar"),
                             .staffRef = QStringLiteral("Sam"),
                             .approver = AdminLevel::Admin2,
                             .tabRef = QStringLiteral("Table 1"),
                             .itemName = QStringLiteral("Steak"),
                             .qty = 1,
                             .amount = Money::parse(u"-32.5"),
                             .detail = QStringLiteral("sent to the kitchen ") + QString(100, u'x')});
    }
    QString lines() { return scalar(QStringLiteral("SELECT COUNT(*) FROM tabline1 WHERE id = 900")); }
};

TEST_F(EventLogTest, TheEntryIsCommittedWithItsAction) {
    {
        db::Transaction tx(db);
        deleteTheSteak();
        tx.commit();
    }
    EXPECT_EQ(lines(), QStringLiteral("0"));
    EXPECT_EQ(rows(QStringLiteral("SELECT pcref, staffref, approver, kind, tabref, itemname, qty, "
                                  "amount, CHAR_LENGTH(detail) FROM eventlog")),
              QStringLiteral("Bar|Sam|Admin2|Delete|Table 1|Steak|1|-32.5|100"));
    // The database dates it, now.
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM eventlog WHERE id > 0 AND "
                                    "stamp > DATEADD(-1 MINUTE TO CURRENT_TIMESTAMP)")),
              QStringLiteral("1"));
}

TEST_F(EventLogTest, ARolledBackActionLeavesNoEntry) {
    {
        db::Transaction tx(db);
        deleteTheSteak();
    } // rolled back
    EXPECT_EQ(lines(), QStringLiteral("1"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM eventlog")), QStringLiteral("0"));
}

TEST_F(EventLogTest, TheTillsCannotChangeOrRemoveAnEntry) {
    eventlog::write(db, {.kind = eventlog::Kind::NoSale, .pcRef = QStringLiteral("Bar")});
    EXPECT_THROW(exec(QStringLiteral("UPDATE eventlog SET pcref = 'Elsewhere'")), db::DbError);
    EXPECT_THROW(exec(QStringLiteral("DELETE FROM eventlog")), db::DbError);
    // Nor date one otherwise than now.
    exec(QStringLiteral("INSERT INTO eventlog (kind, stamp) VALUES ('No sale', '1/1/2020 10:0:0')"));
    EXPECT_EQ(rows(QStringLiteral("SELECT kind, pcref, approver FROM eventlog ORDER BY id")),
              QStringLiteral("No sale|Bar| ; No sale||"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM eventlog WHERE stamp < '1/1/2021'")),
              QStringLiteral("0"));
}

} // namespace
