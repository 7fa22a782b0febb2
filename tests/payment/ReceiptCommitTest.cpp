#include "db/DbError.h"
#include "db/RowSet.h"
#include "db/StoredProc.h"
#include "payment/ReceiptCommit.h"
#include "sales/LineLists.h"

#include "GTestSupport.h"
#include "TestDatabase.h"

#include <QSet>

#include <thread>

using namespace pelora;

namespace {

const QString kTill = QStringLiteral("Bar");

class ReceiptCommitTest : public test::DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        exec(QStringLiteral("INSERT INTO tab (id, ref, balance, crlimit, tendered) VALUES (7, 'Table 5', 0, 20, 8)"));
        exec(QStringLiteral("INSERT INTO item (id, name, qty) VALUES (11, 'Steak', 20)"));
        exec(QStringLiteral("INSERT INTO item (id, name, qty) VALUES (12, 'Beer', 50)"));
        exec(QStringLiteral("INSERT INTO split (id, ref, tendered) VALUES (1, 'A', 5)"));
        exec(QStringLiteral("INSERT INTO split (id, ref, tendered) VALUES (2, 'B', 6)"));
    }
    // An open line: `qty` of the item at `price`, extended without tax.
    void line(int id, int tabId, int itemId, const char* name, double qty, double price, const char* processed = "F",
              const char* splitRef = "", const char* table = "tabline1", const char* pcRef = "Bar") {
        exec(QStringLiteral("INSERT INTO %1 (id, pcref, staffref, tabid, itemid, itemname, qty, cost, price, tax,"
                            " adjcost, adjprice, adjtax, extcost, extprice, exttax, processed, splitref, opt1caption,"
                            " opt1choice, opt1price) VALUES (?, ?, 'Anna', ?, ?, ?, ?, 1, ?, 0.1, 1, ?, 0.1, ?, ?,"
                            " ?, ?, ?, 'Sauce', 'Pepper', 0.5)")
                 .arg(QString::fromLatin1(table)),
             {id, pcRef, tabId, itemId, name, qty, price, price, qty, qty * price, qty * 0.1, processed, splitRef});
    }
    // The lists as the till shows them for a tab.
    LineLists& read(int tabId) {
        lists.read({tabId, kTill, true});
        return lists;
    }
    int commit(int tabId, int list, const char* mop, const char* total, const char* tendered, const char* credit,
               bool refund = false, const QString& countMode = QStringLiteral("1")) {
        ReceiptCommit receipts(db, prompter, {kTill, QStringLiteral("Joe"), countMode});
        return receipts.CommitReceipt(tabId, lists.list(list), LineLists::tableName(list), QString::fromLatin1(mop),
                                      *Money::parse(QString::fromLatin1(total)), *Money::parse(QString::fromLatin1(tendered)),
                                      *Money::parse(QString::fromLatin1(credit)), refund,
                                      &lists.list(LineLists::kSplit));
    }
    QString receiptRow(int id) {
        return rows(QStringLiteral("SELECT pcref, staffref, tabid, tabref, total, tendered, mop, cr FROM receipt WHERE id = ?"),
                    {id});
    }
    QString receiptLines(int recId) {
        return rows(QStringLiteral("SELECT itemname, qty, price, extprice, exttax, pcref, staffref, opt1choice FROM recline"
                                   " WHERE recid = ? ORDER BY id"),
                    {recId});
    }
    QString openLines(const char* table = "tabline1") {
        return rows(QStringLiteral("SELECT id FROM %1 ORDER BY id").arg(QString::fromLatin1(table)));
    }
    QString stock() { return rows(QStringLiteral("SELECT qty FROM item WHERE id > 10 ORDER BY id")); }
    QString tendered() {
        return rows(QStringLiteral("SELECT tendered FROM tab WHERE id = 7")) + u'/' +
               rows(QStringLiteral("SELECT tendered FROM split ORDER BY id"));
    }
    QString balance(int tabId = 7) { return rows(QStringLiteral("SELECT balance FROM tab WHERE id = ?"), {tabId}); }
    QString count(const char* table) { return scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QString::fromLatin1(table))); }

    test::ScriptedPrompter prompter{test::gtestFailures()};
    LineLists lists{db};
};

TEST_F(ReceiptCommitTest, ASaleRecordsTheLinesDeletesThemAndResetsWhatWasTenderedBefore) {
    line(1, 7, 11, "Steak", 2, 8, "F", "A");
    line(2, 7, 12, "Beer", 1, 7.5, "T"); // sent to the bar already: its stock has moved
    line(3, 7, 12, "Beer", 1, 7.5, "F", "B", "tabline2");
    read(7);

    const int id = commit(7, LineLists::kMain, "Cash", "23.50", "30", "0");
    ASSERT_GE(id, 1);
    EXPECT_EQ(receiptRow(id), QStringLiteral("Bar|Joe|7|Table 5|23.5|30|Cash|0"));
    // The line's own terminal, the staff paying now, every amount as the line holds it.
    EXPECT_EQ(receiptLines(id), QStringLiteral("Steak|2|8|16|0.2|Bar|Joe|Pepper ; Beer|1|7.5|7.5|0.1|Bar|Joe|Pepper"));
    EXPECT_EQ(openLines(), QString());
    EXPECT_EQ(openLines("tabline2"), QStringLiteral("3")); // the second list stays open
    EXPECT_EQ(stock(), QStringLiteral("18 ; 50"));
    EXPECT_EQ(balance(), QStringLiteral("0"));
    EXPECT_EQ(tendered(), QStringLiteral("0/0 ; 6")); // the tab and split A, not B

    // Paying the second list leaves the tab's own pre-tender alone.
    exec(QStringLiteral("UPDATE tab SET tendered = 8 WHERE id = 7"));
    read(7);
    ASSERT_GE(commit(7, LineLists::kSplit, "Card", "7.50", "7.50", "0"), 1);
    EXPECT_EQ(tendered(), QStringLiteral("8/0 ; 0"));
    EXPECT_EQ(openLines("tabline2"), QString());
    EXPECT_EQ(eventLog(), QString()); // a sale is no exception
}

TEST_F(ReceiptCommitTest, TheAccountPartOfASaleMovesTheBalance) {
    line(1, 7, 11, "Steak", 2, 8);
    line(2, 7, 12, "Beer", 1, 7.5);
    read(7);
    // 10 on the account, the rest in cash: 20 tendered on 13.50.
    const int id = commit(7, LineLists::kMain, "Cash", "13.50", "20", "10");
    ASSERT_GE(id, 1);
    EXPECT_EQ(receiptRow(id), QStringLiteral("Bar|Joe|7|Table 5|13.5|20|Cash|10"));
    EXPECT_EQ(balance(), QStringLiteral("10"));
}

TEST_F(ReceiptCommitTest, ARefundNegatesAmountsAndPutsStockBack) {
    line(1, 7, 11, "Steak", 2, 8, "T"); // processed: its stock went out when it was sent
    line(2, 7, 12, "Beer", 1, 7.5);
    read(7);
    const int id = commit(7, LineLists::kMain, "Account", "23.50", "99", "23.50", true);
    ASSERT_GE(id, 1);
    EXPECT_EQ(receiptRow(id), QStringLiteral("Bar|Joe|7|Table 5|-23.5|-23.5|Account|-23.5"));
    EXPECT_EQ(receiptLines(id), QStringLiteral("Steak|-2|8|-16|-0.2|Bar|Joe|Pepper ; Beer|-1|7.5|-7.5|-0.1|Bar|Joe|Pepper"));
    EXPECT_EQ(stock(), QStringLiteral("24 ; 51")); // 2 x 2 back for the sent steaks, 1 for the beer
    EXPECT_EQ(balance(), QStringLiteral("-23.5"));
    EXPECT_EQ(openLines(), QString());
    EXPECT_EQ(eventLog(), QStringLiteral("Refund||Table 5|||23.5|Receipt %1 by Account, 2 lines").arg(id));
}

TEST_F(ReceiptCommitTest, ARefundThatCannotBeLoggedIsNotRecorded) {
    line(1, 7, 12, "Beer", 1, 7.5);
    read(7);
    db.setStatementHook([](const QString& sql) {
        if (sql.startsWith(QStringLiteral("INSERT INTO eventlog")))
            throw db::DbError(QStringLiteral("connection lost"));
    });
    EXPECT_EQ(commit(7, LineLists::kMain, "Cash", "7.50", "7.50", "0", true), ReceiptCommit::kFailed);
    db.setStatementHook({});
    EXPECT_EQ(count("receipt"), QStringLiteral("0"));
    EXPECT_EQ(openLines(), QStringLiteral("1"));
    EXPECT_EQ(stock(), QStringLiteral("20 ; 50"));
    EXPECT_EQ(eventLog(), QString());
}

TEST_F(ReceiptCommitTest, TheNonTabPaysThisTerminalsLinesOnly) {
    line(1, 1, 12, "Beer", 1, 7.5);
    line(2, 1, 12, "Beer", 3, 7.5, "F", "", "tabline1", "Door"); // another terminal's walk-in
    read(1);
    const int id = commit(1, LineLists::kMain, "Account", "7.50", "0", "7.50", true, QStringLiteral("0"));
    ASSERT_GE(id, 1);
    EXPECT_EQ(receiptRow(id), QStringLiteral("Bar|Joe|1|Non Tab|-7.5|-7.5|Account|-7.5"));
    EXPECT_EQ(openLines(), QStringLiteral("2"));
    EXPECT_EQ(stock(), QStringLiteral("20 ; 50")); // count mode 0: no stock moves
    EXPECT_EQ(tendered(), QStringLiteral("8/5 ; 6"));

    prompter.expectWarning(QStringLiteral("Tab is not set. Order cannot be processed."));
    EXPECT_EQ(commit(0, LineLists::kMain, "Cash", "1", "1", "0"), ReceiptCommit::kFailed);
    EXPECT_EQ(count("receipt"), QStringLiteral("1"));
}

TEST_F(ReceiptCommitTest, AFailureHalfWayLeavesEverythingAsItWas) {
    line(1, 7, 11, "Steak", 2, 8, "F", "A");
    line(2, 7, 12, "Beer", 1, 7.5);
    read(7);
    int lineInserts = 0;
    db.setStatementHook([&](const QString& sql) {
        if (sql.startsWith(QStringLiteral("INSERT INTO recline")) && ++lineInserts == 2)
            throw db::DbError(QStringLiteral("connection lost"));
    });
    EXPECT_EQ(commit(7, LineLists::kMain, "Cash", "13.50", "20", "10"), ReceiptCommit::kFailed);
    db.setStatementHook({});
    EXPECT_EQ(count("receipt"), QStringLiteral("0"));
    EXPECT_EQ(count("recline"), QStringLiteral("0"));
    EXPECT_EQ(openLines(), QStringLiteral("1 ; 2"));
    EXPECT_EQ(balance(), QStringLiteral("0"));
    EXPECT_EQ(stock(), QStringLiteral("20 ; 50"));
    EXPECT_EQ(tendered(), QStringLiteral("8/5 ; 6"));
}

TEST_F(ReceiptCommitTest, LinesAnotherTillChangedStopThePayment) {
    db::Connection other;
    other.connect(database.admin1());
    const auto onOtherTill = [&](const char* sql) { other.run(QString::fromLatin1(sql)); };

    line(1, 7, 11, "Steak", 2, 8);
    read(7);
    int id = commit(7, LineLists::kMain, "Cash", "16", "16", "0");
    ASSERT_GE(id, 1);
    EXPECT_EQ(receiptLines(id), QStringLiteral("Steak|2|8|16|0.2|Bar|Joe|Pepper"));

    // Changed, deleted, moved to the second list or to another tab: nothing is recorded.
    for (const char* change : {"UPDATE tabline1 SET qty = 3, extprice = 22.5 WHERE id = 2",
                               "DELETE FROM tabline1 WHERE id = 2",
                               "UPDATE tabline1 SET tabid = 1 WHERE id = 2"}) {
        exec(QStringLiteral("DELETE FROM tabline1"));
        line(2, 7, 12, "Beer", 1, 7.5);
        line(3, 7, 11, "Steak", 1, 8);
        read(7);
        onOtherTill(change);
        EXPECT_EQ(commit(7, LineLists::kMain, "Cash", "15.50", "20", "5"), ReceiptCommit::kTabChanged) << change;
        EXPECT_EQ(count("receipt"), QStringLiteral("1")) << change;
        EXPECT_EQ(count("recline"), QStringLiteral("1")) << change;
        EXPECT_EQ(balance(), QStringLiteral("0")) << change;
        EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM tabline1 WHERE id = 3")), QStringLiteral("1")) << change;
    }

    // Sent to the kitchen by another till meanwhile: paid, and its stock moved once only.
    exec(QStringLiteral("DELETE FROM tabline1"));
    line(4, 7, 11, "Steak", 1, 8);
    read(7);
    onOtherTill("UPDATE tabline1 SET processed = 'T' WHERE id = 4");
    onOtherTill("UPDATE item SET qty = qty - 1 WHERE id = 11");
    id = commit(7, LineLists::kMain, "Cash", "8", "10", "0");
    ASSERT_GE(id, 1);
    EXPECT_EQ(stock(), QStringLiteral("17 ; 50")); // 2 for the first sale, 1 as the steak was sent
}

// Till 1 shows two lines, till 2 adds two more, till 1 pays what it shows: the guests would
// leave with the rest unpaid. Nothing is recorded until the till has read the tab again.
TEST_F(ReceiptCommitTest, LinesAnotherTillAddedSinceTheReadStopThePayment) {
    const QString nothingRecorded = QStringLiteral("0/0");
    const auto recorded = [&]() -> QString { return count("receipt") + u'/' + count("recline"); };
    line(1, 7, 11, "Steak", 2, 8);
    read(7);
    line(2, 7, 12, "Beer", 1, 7.5);
    EXPECT_EQ(commit(7, LineLists::kMain, "Cash", "16", "16", "0"), ReceiptCommit::kTabChanged);
    EXPECT_EQ(recorded(), nothingRecorded);
    EXPECT_EQ(openLines(), QStringLiteral("1 ; 2"));

    // Into the second list, which is paid first: the main list's payment stops too, unless
    // this till does not show the second list at all (splitting off).
    exec(QStringLiteral("DELETE FROM tabline1 WHERE id = 2"));
    read(7);
    line(3, 7, 12, "Beer", 1, 7.5, "F", "A", "tabline2");
    EXPECT_EQ(commit(7, LineLists::kMain, "Cash", "16", "16", "0"), ReceiptCommit::kTabChanged);
    EXPECT_EQ(recorded(), nothingRecorded);
    ReceiptCommit noSplits(db, prompter, {kTill, QStringLiteral("Joe"), QStringLiteral("1")});
    lists.read({7, kTill, false});
    const int paid = noSplits.CommitReceipt(7, lists.list(LineLists::kMain), QStringLiteral("tabline1"),
                                            QStringLiteral("Cash"), Money::fromWhole(16), Money::fromWhole(16), Money(),
                                            false, nullptr);
    EXPECT_GE(paid, 1);
    EXPECT_EQ(openLines("tabline2"), QStringLiteral("3"));

    // The second list paid by itself leaves the main list open, as ever; a line added to the
    // second list meanwhile stops it.
    line(2, 7, 12, "Beer", 1, 7.5);
    read(7);
    line(4, 7, 12, "Beer", 1, 7.5, "F", "B", "tabline2");
    EXPECT_EQ(commit(7, LineLists::kSplit, "Cash", "7.50", "7.50", "0"), ReceiptCommit::kTabChanged);
    read(7);
    EXPECT_GE(commit(7, LineLists::kSplit, "Cash", "15", "15", "0"), 1);
    EXPECT_EQ(openLines(), QStringLiteral("2"));

    // Each till's walk-ins are its own: another till's NonTab lines are no concern of this one.
    line(5, 1, 12, "Beer", 1, 7.5);
    read(1);
    line(6, 1, 12, "Beer", 1, 7.5, "F", "", "tabline1", "Patio");
    EXPECT_GE(commit(1, LineLists::kMain, "Cash", "7.50", "7.50", "0"), 1);
    line(7, 1, 12, "Beer", 1, 7.5);
    read(1);
    line(8, 1, 12, "Beer", 1, 7.5);
    EXPECT_EQ(commit(1, LineLists::kMain, "Cash", "7.50", "7.50", "0"), ReceiptCommit::kTabChanged);
    EXPECT_EQ(openLines(), QStringLiteral("2 ; 6 ; 7 ; 8"));
}

TEST_F(ReceiptCommitTest, CreditAndDebitMoveTheBalanceWithoutLines) {
    exec(QStringLiteral("UPDATE tab SET balance = -40 WHERE id = 7"));
    ReceiptCommit receipts(db, prompter, {kTill, QStringLiteral("Joe"), QStringLiteral("1"), AdminLevel::Admin2});
    const int debit = receipts.CommitDebit(7, QStringLiteral("Cash"), Money::fromWhole(25));
    ASSERT_GE(debit, 1);
    EXPECT_EQ(balance(), QStringLiteral("-15"));
    EXPECT_EQ(rows(QStringLiteral("SELECT total, tendered, cr, mop, tabref FROM receipt WHERE id = ?"), {debit}),
              QStringLiteral("|-25|25|Cash|Table 5")); // no total: the column keeps its default

    const int credit = receipts.CommitCredit(7, QStringLiteral("Card"), Money::fromWhole(15));
    ASSERT_GT(credit, debit);
    EXPECT_EQ(balance(), QStringLiteral("-30"));
    EXPECT_EQ(rows(QStringLiteral("SELECT tendered, cr FROM receipt WHERE id = ?"), {credit}),
              QStringLiteral("15|-15"));
    // A credit of nothing is still a receipt.
    EXPECT_GE(receipts.CommitCredit(7, QStringLiteral("Cash"), Money()), 1);
    EXPECT_EQ(balance(), QStringLiteral("-30"));

    prompter.expectWarning(QStringLiteral("Tab is not set. Order cannot be processed."));
    EXPECT_EQ(receipts.CommitCredit(1, QStringLiteral("Cash"), Money::fromWhole(5)), ReceiptCommit::kFailed);
    // A tab deleted from the console meanwhile: the money is not recorded against nothing.
    EXPECT_EQ(receipts.CommitCredit(99, QStringLiteral("Cash"), Money::fromWhole(5)), ReceiptCommit::kFailed);
    EXPECT_EQ(count("receipt"), QStringLiteral("3"));
    EXPECT_EQ(eventLog(), QStringLiteral("Account debit|Admin2|Table 5|||25|Receipt %1 by Cash ; "
                                         "Account credit|Admin2|Table 5|||15|Receipt %2 by Card ; "
                                         "Account credit|Admin2|Table 5|||0|Receipt %3 by Cash")
                              .arg(debit)
                              .arg(credit)
                              .arg(credit + 1));
}

// Two tills on one tab, each adding a line and paying what it sees, at the same moment.
TEST_F(ReceiptCommitTest, TwoTillsPayingAndAddingAtOnceNeitherPayALineTwiceNorLoseOne) {
    constexpr int kRounds = 15;
    struct Till {
        QString name;
        int paid = 0;
        QStringList failures;
    };
    Till tills[2];
    tills[0].name = QStringLiteral("A");
    tills[1].name = QStringLiteral("B");
    const db::ConnectParams params = database.admin1();
    const auto work = [&params](Till& till) {
        db::Connection conn;
        conn.connect(params);
        test::ScriptedPrompter quiet{[&till](const QString& f) { till.failures << f; }};
        LineLists seen(conn);
        ReceiptCommit receipts(conn, quiet, {till.name, QStringLiteral("Joe"), QStringLiteral("1")});
        db::StoredProc ids(conn);
        for (int round = 0; round < kRounds; ++round) {
            const int id = ids.nextId(QStringLiteral("tabline1"));
            conn.run(QStringLiteral("INSERT INTO tabline1 (id, pcref, tabid, itemid, itemname, qty, price, extprice)"
                                    " VALUES (?, ?, 7, 12, ?, 1, ?, ?)"),
                     {id, till.name, QString(till.name + QString::number(round)), round + 1, round + 1});
            seen.read({7, till.name, false});
            if (seen.list(LineLists::kMain).isEmpty())
                continue;
            const Money total = seen.total(LineLists::kMain);
            const int receipt = receipts.CommitReceipt(7, seen.list(LineLists::kMain), QStringLiteral("tabline1"),
                                                       QStringLiteral("Cash"), total, total, Money(), false, nullptr);
            if (receipt >= 1)
                ++till.paid;
            else if (receipt != ReceiptCommit::kTabChanged) // refused: the other till was first
                till.failures << receipts.lastFailure();
        }
    };
    std::thread first(work, std::ref(tills[0]));
    std::thread second(work, std::ref(tills[1]));
    first.join();
    second.join();

    for (const Till& till : tills)
        EXPECT_TRUE(till.failures.isEmpty()) << till.failures.join(u'\n').toStdString();
    EXPECT_GT(tills[0].paid + tills[1].paid, 0);
    // Every receipt's lines add up to its total.
    EXPECT_EQ(rows(QStringLiteral("SELECT r.id FROM receipt r WHERE r.total <>"
                                  " (SELECT COALESCE(SUM(l.extprice), 0) FROM recline l WHERE l.recid = r.id)")),
              QString());
    // Each line added is either paid once or still open.
    QStringList paid = rows(QStringLiteral("SELECT itemname FROM recline")).split(QStringLiteral(" ; "), Qt::SkipEmptyParts);
    const QStringList open = rows(QStringLiteral("SELECT itemname FROM tabline1")).split(QStringLiteral(" ; "), Qt::SkipEmptyParts);
    EXPECT_EQ(QSet<QString>(paid.begin(), paid.end()).size(), paid.size()) << "a line paid twice";
    paid += open;
    EXPECT_EQ(paid.size(), 2 * kRounds);
    EXPECT_EQ(QSet<QString>(paid.begin(), paid.end()).size(), 2 * kRounds);
}

} // namespace
