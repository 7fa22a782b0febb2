#include "db/DbError.h"
#include "db/ServerClock.h"
#include "payment/ReceiptLines.h"
#include "payment/ReceiptList.h"
#include "payment/ReceiptRestart.h"

#include "GTestSupport.h"
#include "TestDatabase.h"

#include <chrono>
#include <thread>

using namespace pelora;
using Result = ReceiptRestart::Result;

namespace {

const QDateTime kNow(QDate(2026, 12, 9), QTime(20, 0, 0));
const QString kLines = QStringLiteral("SELECT tabid, pcref, staffref, itemname, qty, extprice, exttax, opt1choice,"
                                      " processed FROM tabline1 ORDER BY id");

class FixedClock : public db::ServerClock {
public:
    QDateTime now() override { return kNow; }
};

// Tab 7 "Table 5" and two items; receipts recorded by terminal "Bar", restarted from "Door".
class ReceiptRestartTest : public test::DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        exec(QStringLiteral("INSERT INTO tab (id, ref, balance) VALUES (7, 'Table 5', 0)"));
        exec(QStringLiteral("INSERT INTO item (id, name, qty) VALUES (11, 'Steak', 20)"));
        exec(QStringLiteral("INSERT INTO item (id, name, qty) VALUES (12, 'Beer', 50)"));
    }
    // A receipt of `secondsOld`; its generator stands at its id, as for each receipt line.
    void receipt(int id, int tabId, const char* tabRef, double total, double tendered, const char* mop, double cr,
                 int secondsOld = 300) {
        exec(QStringLiteral("INSERT INTO receipt (id, pcref, staffref, tabid, tabref, total, tendered, mop, cr, istamp)"
                            " VALUES (?, 'Bar', 'Anna', ?, ?, ?, ?, ?, ?, ?)"),
             {id, tabId, tabRef, total, tendered, mop, cr, kNow.addSecs(-secondsOld)});
        standAt("receiptid_gen", id);
    }
    void standAt(const char* generator, int id) {
        scalar(QStringLiteral("SELECT GEN_ID(%1, CAST(? AS BIGINT) - GEN_ID(%1, 0)) FROM rdb$database")
                   .arg(QString::fromLatin1(generator)),
               {id});
    }
    void recline(int id, int recId, int itemId, const char* name, double qty, double price) {
        exec(QStringLiteral("INSERT INTO recline (id, pcref, staffref, recid, itemid, itemname, qty, price, disc, extprice,"
                            " exttax, opt1caption, opt1choice) VALUES (?, 'Bar', 'Anna', ?, ?, ?, ?, ?, 0.5, ?, ?,"
                            " 'Sauce', 'Pepper')"),
             {id, recId, itemId, name, qty, price, qty * price, qty * 0.1});
        standAt("reclineid_gen", id);
    }
    // The sale of the worked example: receipt 120 on tab 7, 23.50 paid with 30 in cash.
    void workedSale() {
        receipt(120, 7, "Table 5", 23.5, 30, "Cash", 0);
        recline(1, 120, 11, "Steak", 2, 8);
        recline(2, 120, 12, "Beer", 1, 7.5);
    }
    // The receipt as a till lists it now.
    ReceiptRow listed(int id, db::Connection& on) {
        ReceiptList list(on, clock, prompter);
        list.FindReceipt(QString::number(id));
        return list.current();
    }
    ReceiptRestart::Outcome restart(const ReceiptRow& row, bool admin = false, double restartMins = 30,
                                    db::Connection* on = nullptr) {
        ReceiptRestart restarting(on ? *on : db, clock, prompter, {QStringLiteral("Door"), QStringLiteral("Joe"),
                                                                   restartMins, admin});
        return restarting.restart(row);
    }
    ReceiptRestart::Outcome restart(int id, bool admin = false, double restartMins = 30) {
        return restart(listed(id, db), admin, restartMins);
    }
    QString receiptRow(int id) {
        return rows(QStringLiteral("SELECT pcref, staffref, tabid, tabref, total, tendered, mop, cr, revrecid FROM receipt"
                                   " WHERE id = ?"),
                    {id});
    }
    // What a restart may change: receipts, their lines, open lines, stock and the balance.
    QString everything() {
        return rows(QStringLiteral("SELECT id, revrecid FROM receipt ORDER BY id")) + u'/' +
               rows(QStringLiteral("SELECT COUNT(*) FROM recline")) + u'/' + rows(kLines) + u'/' +
               rows(QStringLiteral("SELECT qty FROM item WHERE id > 10 ORDER BY id")) + u'/' +
               rows(QStringLiteral("SELECT balance FROM tab WHERE id = 7")) + u'/' + eventLog();
    }

    FixedClock clock;
    test::ScriptedPrompter prompter{test::gtestFailures()};
};

TEST_F(ReceiptRestartTest, TheWorkedSaleComesBackOnItsTabAndAMirrorCancelsIt) {
    workedSale();
    prompter.expectConfirm(QStringLiteral("Re-start the receipt?"), true);
    const ReceiptRestart::Outcome done = restart(120);
    EXPECT_EQ(done.result, Result::Restarted);
    EXPECT_TRUE(done.showsTab());
    EXPECT_EQ(done.tabId, 7);
    EXPECT_EQ(done.tabRef, QStringLiteral("Table 5"));
    EXPECT_FALSE(done.stockMoved);

    // This terminal's lines now, already sent, as the receipt held them.
    EXPECT_EQ(rows(kLines), QStringLiteral("7|Door|Joe|Steak|2|16|0.2|Pepper|T ; 7|Door|Joe|Beer|1|7.5|0.1|Pepper|T"));
    EXPECT_EQ(receiptRow(121), QStringLiteral("Door|Joe|7|Table 5|-23.5|-30|Cash|0|120"));
    EXPECT_EQ(receiptRow(120), QStringLiteral("Bar|Anna|7|Table 5|23.5|30|Cash|0|121"));
    EXPECT_EQ(rows(QStringLiteral("SELECT pcref, staffref, itemname, qty, disc, extprice, exttax, price FROM recline"
                                  " WHERE recid = 121 ORDER BY id")),
              QStringLiteral("Bar|Anna|Steak|-2|-0.5|-16|-0.2|8 ; Bar|Anna|Beer|-1|-0.5|-7.5|-0.1|7.5"));
    EXPECT_EQ(rows(QStringLiteral("SELECT qty FROM item WHERE id > 10 ORDER BY id")), QStringLiteral("20 ; 50"));
    EXPECT_EQ(eventLog(), QStringLiteral("Restart||Table 5|||23.5|Receipt 120, cancelled by 121"));

    // Neither the cancelled receipt nor its mirror can be restarted again.
    prompter.expectInformation(QStringLiteral("Receipt ID 120 has already been re-started.\nSee Receipt ID 121."));
    EXPECT_EQ(restart(120).result, Result::Stopped);
    prompter.expectInformation(QStringLiteral("Receipt ID 121 has already been re-started.\nSee Receipt ID 120."));
    EXPECT_FALSE(restart(121).showsTab());
}

TEST_F(ReceiptRestartTest, ARefundIsReversedItsStockLeavesAgainAndNoLineReturns) {
    exec(QStringLiteral("UPDATE tab SET balance = -23.5 WHERE id = 7"));
    receipt(130, 7, "Table 5", -23.5, -23.5, "Account", -23.5);
    recline(1, 130, 11, "Steak", -2, 8);
    recline(2, 130, 12, "Beer", -1, 7.5);
    prompter.expectConfirm(QStringLiteral("Refunds cannot be \"re-started\".\nThey can be reversed. Continue?"), true);
    const ReceiptRestart::Outcome done = restart(130);
    EXPECT_EQ(done.result, Result::Reversed);
    EXPECT_TRUE(done.stockMoved);
    EXPECT_EQ(receiptRow(131), QStringLiteral("Door|Joe|7|Table 5|23.5|23.5|Account|23.5|130"));
    EXPECT_EQ(rows(QStringLiteral("SELECT qty, extprice FROM recline WHERE recid = 131 ORDER BY id")),
              QStringLiteral("2|16 ; 1|7.5"));
    EXPECT_EQ(everything(), QStringLiteral("130|131 ; 131|130/4//18 ; 49/0/"
                                           "Reversal||Table 5|||23.5|Receipt 130, cancelled by 131"));
}

TEST_F(ReceiptRestartTest, AnAccountSaleRestartedTakesItsChargeOffTheBalanceAndJoinsTheTabsLines) {
    exec(QStringLiteral("UPDATE tab SET balance = 10 WHERE id = 7"));
    receipt(140, 7, "Table 5", 13.5, 20, "Cash", 10);
    recline(1, 140, 12, "Beer", 1, 13.5);
    exec(QStringLiteral("INSERT INTO tabline2 (id, pcref, tabid, itemid, itemname, qty) VALUES (1, 'Bar', 7, 12, 'Beer', 1)"));
    prompter.expectConfirm(QStringLiteral("Re-start the receipt?"), true)
        .expectConfirm(QStringLiteral("Tab: Table 5 has items added.\nDo you want to add these lines to it?"), true);
    EXPECT_EQ(restart(140).result, Result::Restarted);
    EXPECT_EQ(receiptRow(141), QStringLiteral("Door|Joe|7|Table 5|-13.5|-20|Cash|-10|140"));
    EXPECT_EQ(rows(QStringLiteral("SELECT balance FROM tab WHERE id = 7")), QStringLiteral("0"));
    EXPECT_EQ(rows(QStringLiteral("SELECT tabid, qty FROM tabline1")), QStringLiteral("7|1"));
}

TEST_F(ReceiptRestartTest, ANonTabSaleOfAnotherTerminalComesBackToThisTerminalsNonTab) {
    receipt(150, 1, "Non Tab", 7.5, 10, "Cash", 0);
    recline(1, 150, 12, "Beer", 1, 7.5);
    // The recording terminal's own walk-in lines are no concern of this one.
    exec(QStringLiteral("INSERT INTO tabline1 (id, pcref, tabid, itemid, itemname, qty) VALUES (500, 'Bar', 1, 12, 'Beer', 1)"));
    prompter.expectConfirm(QStringLiteral("Re-start the receipt?"), true);
    EXPECT_EQ(restart(150).result, Result::Restarted);
    EXPECT_EQ(rows(QStringLiteral("SELECT tabid, pcref FROM tabline1 ORDER BY pcref")), QStringLiteral("1|Bar ; 1|Door"));

    // With a NonTab of its own started, only Yes adds to it.
    receipt(160, 1, "Non Tab", 7.5, 10, "Cash", 0);
    recline(10, 160, 12, "Beer", 1, 7.5);
    prompter.expectConfirm(QStringLiteral("Re-start the receipt?"), true)
        .expectConfirm(QStringLiteral("PC: Door has a started NonTab.\nDo you want to add these lines to it?"), false);
    const QString before = everything();
    EXPECT_EQ(restart(160).result, Result::Stopped);
    EXPECT_EQ(everything(), before);
}

TEST_F(ReceiptRestartTest, EachRefusalAndEveryNoStopsBeforeAnythingIsWritten) {
    receipt(170, 7, "Table 5", 0, 50, "Cash", -50);       // an account credit
    receipt(171, 7, "Table 5", 9, 9, "Cash", 0, 30 * 60); // exactly as old as allowed
    receipt(172, 7, "Table 5", 9, 9, "Cash", 0, 30 * 60 + 1);
    receipt(173, 0, "", 9, 9, "Cash", 0);
    const QString before = everything();

    prompter.expectInformation(QStringLiteral("Account Credits cannot be \"re-started\".\nThey must be debited instead."));
    EXPECT_EQ(restart(170, true).result, Result::Stopped);
    prompter.expectConfirm(QStringLiteral("Re-start the receipt?"), false);
    EXPECT_EQ(restart(171).result, Result::Stopped);
    prompter.expectInformation(QStringLiteral("Receipt is too old to be restarted."));
    EXPECT_EQ(restart(172).result, Result::Stopped);
    prompter.expectConfirm(QStringLiteral("Receipt is older than Restart Mins permit.\nOnly Admin can proceed. Continue?"), false);
    EXPECT_EQ(restart(172, true).result, Result::Stopped);
    prompter.expectConfirm(QStringLiteral("Receipt is older than Restart Mins permit.\nOnly Admin can proceed. Continue?"), true)
        .expectConfirm(QStringLiteral("Re-start the receipt?"), false);
    EXPECT_EQ(restart(172, true).result, Result::Stopped);
    prompter.expectConfirm(QStringLiteral("Re-start the receipt?"), true)
        .expectInformation(QStringLiteral("TabID was invalid.\nTransaction cannot be re-opened."));
    EXPECT_EQ(restart(173).result, Result::Stopped);
    EXPECT_EQ(everything(), before);
}

TEST_F(ReceiptRestartTest, AnOlderReceiptLetThroughByTheAdminSessionAndAReprintAreOnRecord) {
    receipt(172, 7, "Table 5", 9, 9, "Cash", 0, 30 * 60 + 1);
    prompter.expectConfirm(QStringLiteral("Receipt is older than Restart Mins permit.\nOnly Admin can proceed. Continue?"), true)
        .expectConfirm(QStringLiteral("Re-start the receipt?"), true);
    EXPECT_EQ(restart(172, true).result, Result::Restarted);
    // A reprint from the history the console opened carries the console's level.
    ReceiptRestart::logReprint(db, {QStringLiteral("Door"), QStringLiteral("Joe"), 30, false, AdminLevel::Admin2},
                               listed(172, db));
    EXPECT_EQ(eventLog(), QStringLiteral("Restart|Admin|Table 5|||9|Receipt 172, cancelled by 173, older than Restart Mins ; "
                                         "Reprint|Admin2|Table 5|||9|Receipt 172"));
}

// Two tills that both listed the receipt: the second finds it restarted and writes nothing.
TEST_F(ReceiptRestartTest, TwoTillsRestartingOneReceiptPutItsLinesBackOnce) {
    workedSale();
    db::Connection other;
    other.connect(database.admin1());
    const ReceiptRow seenHere = listed(120, db);
    const ReceiptRow seenThere = listed(120, other);

    prompter.expectConfirm(QStringLiteral("Re-start the receipt?"), true);
    ASSERT_EQ(restart(seenThere, false, 30, &other).result, Result::Restarted);
    const QString afterFirst = everything();

    prompter.expectConfirm(QStringLiteral("Re-start the receipt?"), true)
        .expectConfirm(QStringLiteral("Tab: Table 5 has items added.\nDo you want to add these lines to it?"), true)
        .expectInformation(QStringLiteral("Receipt ID 120 has already been re-started.\nSee Receipt ID 121."));
    const ReceiptRestart::Outcome second = restart(seenHere);
    EXPECT_EQ(second.result, Result::AlreadyRestarted);
    EXPECT_FALSE(second.showsTab());
    EXPECT_EQ(everything(), afterFirst);
    EXPECT_EQ(rows(QStringLiteral("SELECT COUNT(*) FROM tabline1")), QStringLiteral("2"));
}

// The second till reaches the receipt while the first still holds it: it waits, then is told.
TEST_F(ReceiptRestartTest, ATillWaitingOnAnotherTillsRestartIsToldItCameSecond) {
    workedSale();
    db::Connection first;
    first.connect(database.admin1());
    db::Transaction holding(first);
    first.run(QStringLiteral("UPDATE receipt SET revrecid = 121 WHERE id = 120"));

    const ReceiptRow seen = listed(120, db);
    prompter.expectConfirm(QStringLiteral("Re-start the receipt?"), true)
        .expectInformation(QStringLiteral("Receipt ID 120 has already been re-started.\nSee Receipt ID 121."));
    Result second = Result::Stopped;
    std::thread till([&] { second = restart(seen).result; });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    first.run(QStringLiteral("INSERT INTO receipt (id, tabid, total, revrecid) VALUES (121, 7, -23.5, 120)"));
    holding.commit();
    till.join();
    EXPECT_EQ(second, Result::AlreadyRestarted);
    EXPECT_EQ(rows(QStringLiteral("SELECT COUNT(*) FROM tabline1")), QStringLiteral("0"));
    EXPECT_EQ(rows(QStringLiteral("SELECT COUNT(*) FROM recline")), QStringLiteral("2"));
}

TEST_F(ReceiptRestartTest, AFailedRestartIsReportedWithTheDatabasesTextAndChangesNothing) {
    exec(QStringLiteral("UPDATE tab SET balance = 10 WHERE id = 7"));
    receipt(120, 7, "Table 5", 13.5, 20, "Cash", 10);
    recline(1, 120, 12, "Beer", 1, 13.5);
    const QString before = everything();
    db.setStatementHook([](const QString& sql) {
        if (sql.startsWith(QStringLiteral("INSERT INTO recline")))
            throw db::DbError(QStringLiteral("connection lost"));
    });
    prompter.expectConfirm(QStringLiteral("Re-start the receipt?"), true)
        .expectError(QStringLiteral("Receipt ID 120 could not be re-started.\nconnection lost"));
    const ReceiptRestart::Outcome failed = restart(120);
    db.setStatementHook({});
    EXPECT_EQ(failed.result, Result::Failed);
    EXPECT_TRUE(failed.showsTab()); // the operator sees the tab as it is
    EXPECT_EQ(everything(), before);
}

TEST_F(ReceiptRestartTest, TheListTakesTheLastWholeDaysOrOneTabNewestFirstOrOneDocketNumber) {
    receipt(201, 7, "Table 5", 1, 1, "Cash", 0, 3600);
    receipt(202, 8, "Table 6", 1, 1, "Cash", 0, 60);
    receipt(203, 7, "Table 5", 1, 1, "Cash", 0, 24 * 3600); // a day old to the second
    receipt(204, 7, "Table 5", 1, 1, "Cash", 0, 24 * 3600 + 1);
    ReceiptList list(db, clock, prompter);
    const auto ids = [&list] {
        QStringList shown;
        for (int r = 0; r < list.receipt1().rowCount(); ++r)
            shown << list.receipt1().valueAt(r, 0).asText();
        return shown.join(u',');
    };
    list.LoadReceiptsByDays(1);
    EXPECT_EQ(ids(), QStringLiteral("202,201,203"));
    list.LoadTabReceipts(7);
    EXPECT_EQ(ids(), QStringLiteral("201,203,204"));
    EXPECT_EQ(list.current().tabRef, QStringLiteral("Table 5"));

    prompter.expectInformation(QStringLiteral("First enter a valid Docket No."))
        .expectWarning(QStringLiteral("\"20a\" is not a valid Docket No."));
    EXPECT_FALSE(list.FindReceipt(QString()));
    EXPECT_FALSE(list.FindReceipt(QStringLiteral("20a")));
    EXPECT_EQ(ids(), QStringLiteral("201,203,204")); // as it was
    EXPECT_TRUE(list.FindReceipt(QStringLiteral("202")));
    EXPECT_EQ(ids(), QStringLiteral("202"));
}

TEST_F(ReceiptRestartTest, ALineCardShowsQuantityNameAmountOptionsAndMessage) {
    receipt(120, 7, "Table 5", 1, 1, "Cash", 0);
    exec(QStringLiteral("INSERT INTO recline (id, recid, itemname, qty, extprice, opt1caption, opt1choice, opt3caption,"
                        " opt3choice, optmsg, splitref, splitmsg) VALUES (1, 120, 'Steak', 2, 16.125, 'Sauce', 'Pepper',"
                        " 'Rare', 'T', 'No salt', 'A', 'Birthday')"));
    exec(QStringLiteral("INSERT INTO recline (id, recid, itemname, qty, extprice, splitmsg) VALUES (2, 120, 'Beer', -1,"
                        " -7.5, 'Birthday')"));
    exec(QStringLiteral("INSERT INTO recline (id, recid, itemname, qty, extprice, splitref, splitmsg)"
                        " VALUES (3, 120, 'Wine', 1, 9, 'B', 'Boss')"));
    ReceiptLines lines(db);
    lines.LoadReceiptLines(120);
    const std::vector<ReceiptLines::Card> cards = lines.cards();
    ASSERT_EQ(cards.size(), 3u);
    const auto text = [](const ReceiptLines::Card& c) {
        return QStringList{c.qty, c.itemName, c.price, c.options, c.message}.join(u'|');
    };
    EXPECT_EQ(text(cards[0]), QStringLiteral("2 x|Steak|16.125|Sauce: Pepper + Rare|No salt > A: Birthday"));
    EXPECT_EQ(text(cards[1]), QStringLiteral("-1 x|Beer|-7.50||")); // a split message without a split
    EXPECT_EQ(text(cards[2]), QStringLiteral("1 x|Wine|9.00||B: Boss"));
}

} // namespace
