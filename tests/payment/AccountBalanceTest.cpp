#include "db/StoredProc.h"
#include "payment/AccountBalance.h"

#include "GTestSupport.h"
#include "TestDatabase.h"

using namespace pelora;

namespace {

class AccountBalanceTest : public test::DemoDatabaseTest {
protected:
    void receipt(int id, int tabId, double cr) {
        exec(QStringLiteral("INSERT INTO receipt (id, tabid, cr, total) VALUES (?, ?, ?, 0)"), {id, tabId, cr});
    }
    QString counted(int tabId) {
        return scalar(QStringLiteral("SELECT CAST(COALESCE(crrecbal, 0) AS NUMERIC(12, 2)) || '/' || COALESCE(crrecid, 0)"
                                     " FROM tab WHERE id = ?"),
                      {tabId});
    }
};

TEST_F(AccountBalanceTest, TheBalanceShowsWhatIsOwedTheLimitAndTheStop) {
    db::StoredProc proc(db);
    const TabBalance smith = lookupTabBalance(proc, 9);
    EXPECT_EQ(smith.balance, Money::parse(u"42.50"));
    EXPECT_EQ(smith.crLimit, Money::fromWhole(500));
    EXPECT_EQ(smith.available(), Money::parse(u"457.50"));
    EXPECT_FALSE(smith.stopped);
    EXPECT_TRUE(lookupTabBalance(proc, 12).stopped); // Patel R is on hold
}

TEST_F(AccountBalanceTest, TheIncrementalCountAddsOnlyReceiptsAfterTheLastCounted) {
    // Tab 9 had receipts of 30 (id 100) and -30 (id 140) counted; 12.5 (id 150) came since.
    receipt(100, 9, 30);
    receipt(140, 9, -30);
    receipt(150, 9, 12.5);
    receipt(160, 10, 99); // another tab's
    exec(QStringLiteral("UPDATE tab SET crrecbal = 0, crrecid = 140 WHERE id = 9"));
    UpdateReceiptBalance(db, 9);
    EXPECT_EQ(counted(9), QStringLiteral("12.50/150"));
    UpdateReceiptBalance(db, 9); // nothing new: nothing changes
    EXPECT_EQ(counted(9), QStringLiteral("12.50/150"));
    EXPECT_EQ(expectedReceiptBalance(db, 9), Money::parse(u"12.50"));

    RecalcReceiptBalance(db, 9);
    EXPECT_EQ(counted(9), QStringLiteral("12.50/150"));
    RecalcReceiptBalance(db, 11); // no receipts at all
    EXPECT_EQ(counted(11), QStringLiteral("0.00/0"));
    exec(QStringLiteral("UPDATE tab SET crrecbal = NULL, crrecid = NULL WHERE id = 11"));
    UpdateReceiptBalance(db, 11);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COALESCE(crrecid, -1) FROM tab WHERE id = 11")), QStringLiteral("-1"));
}

TEST_F(AccountBalanceTest, TwoTillsCountingAtOnceAddTheNewReceiptsOnce) {
    receipt(150, 9, 12.5);
    exec(QStringLiteral("UPDATE tab SET crrecbal = 0, crrecid = 0 WHERE id = 9"));
    // The other till counts between this till's reading and its writing.
    db::Connection other;
    other.connect(database.admin1());
    bool once = false;
    db.setStatementHook([&](const QString& sql) {
        if (!once && sql.startsWith(QStringLiteral("UPDATE tab"))) {
            once = true;
            UpdateReceiptBalance(other, 9);
        }
    });
    UpdateReceiptBalance(db, 9);
    db.setStatementHook({});
    EXPECT_EQ(counted(9), QStringLiteral("12.50/150"));
}

} // namespace
