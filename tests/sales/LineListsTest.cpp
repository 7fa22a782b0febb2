#include "app/EventLog.h"
#include "db/Query.h"
#include "db/StoredProc.h"
#include "sales/LineLists.h"

#include "GTestSupport.h"
#include "TestDatabase.h"

using namespace pelora;

namespace {

class LineListsTest : public test::DemoDatabaseTest {
protected:
    void SetUp() override {
        DemoDatabaseTest::SetUp();
        lists = std::make_unique<LineLists>(db);
    }
    // A line as a till adds it, then priced by the recalculation.
    int addLine(int list, int tabId, const QString& pcRef, double qty, double price, double tax, double rate,
                const QString& name = QStringLiteral("Pale Ale"), const QString& processed = QStringLiteral("F")) {
        const int id = proc.nextId(LineLists::tableName(list));
        exec(QStringLiteral("INSERT INTO %1 (id, pcref, staffref, tabid, itemid, itemname, qty, cost, price, tax,"
                            " discname, discrate, processed) VALUES (?, ?, 'Alex', ?, 2, ?, 1, ?, ?, ?, 'Happy', ?, ?)")
                 .arg(LineLists::tableName(list)),
             {id, pcRef, tabId, name, price / 2, price, tax, rate, processed});
        lists->read({tabId, pcRef, true});
        db::RowSet& l = lists->list(list);
        EXPECT_TRUE(l.locate(u"id", id));
        lists->setQty(list, qty);
        return id;
    }
    QString lineValue(int list, int id, const QString& column) {
        return scalar(QStringLiteral("SELECT %1 FROM %2 WHERE id = ?").arg(column, LineLists::tableName(list)), {id});
    }
    int count(int list) { return scalar(QStringLiteral("SELECT COUNT(*) FROM ") + LineLists::tableName(list)).toInt(); }

    db::StoredProc proc{db};
    std::unique_ptr<LineLists> lists;
};

TEST_F(LineListsTest, EachTabShowsItsOwnLinesAndTheNonTabIsPerTerminal) {
    addLine(1, 1, QStringLiteral("Bar"), 1, 5, 0, 0, QStringLiteral("Mine"));
    addLine(1, 1, QStringLiteral("Deck"), 1, 5, 0, 0, QStringLiteral("Theirs"));
    addLine(1, 9, QStringLiteral("Deck"), 1, 5, 0, 0, QStringLiteral("On the account"));
    addLine(2, 9, QStringLiteral("Bar"), 1, 5, 0, 0, QStringLiteral("Split out"));
    addLine(1, 2, QStringLiteral("Bar"), 1, 5, 0, 0, QStringLiteral("Counted"));

    lists->read({1, QStringLiteral("Bar"), true});
    ASSERT_EQ(lists->list(1).rowCount(), 1);
    EXPECT_EQ(lists->list(1).value(u"itemname").asText(), QStringLiteral("Mine"));

    lists->read({9, QStringLiteral("Bar"), true}); // an account tab: every till's lines
    EXPECT_EQ(lists->list(1).value(u"itemname").asText(), QStringLiteral("On the account"));
    EXPECT_EQ(lists->list(2).value(u"itemname").asText(), QStringLiteral("Split out"));

    lists->read({2, QStringLiteral("Bar"), false}); // stocktake: no split list at all
    EXPECT_EQ(lists->list(1).value(u"itemname").asText(), QStringLiteral("Counted"));
    EXPECT_FALSE(lists->hasLines(2));
    EXPECT_FALSE(lists->list(2).isOpen());
}

TEST_F(LineListsTest, TheRecalculationIsStoredAsFloatsAndListTwoIncludesTax) {
    const int one = addLine(1, 3, QStringLiteral("Bar"), 3, 10, 1, 10);
    EXPECT_EQ(lineValue(1, one, QStringLiteral("extprice")), QStringLiteral("27"));
    EXPECT_EQ(lineValue(1, one, QStringLiteral("exttax")), QStringLiteral("2.7"));
    EXPECT_EQ(lineValue(1, one, QStringLiteral("disc")), QStringLiteral("2.7"));
    EXPECT_EQ(lineValue(1, one, QStringLiteral("adjprice")), QStringLiteral("10"));
    const int two = addLine(2, 3, QStringLiteral("Bar"), 3, 10, 1, 10);
    EXPECT_EQ(lineValue(2, two, QStringLiteral("disc")), QStringLiteral("3"));
    lists->read({3, QStringLiteral("Bar"), true});
    EXPECT_EQ(lists->total(1).toString(), QStringLiteral("27.00"));
    EXPECT_EQ(lists->total(2).toString(), QStringLiteral("27.00"));
}

TEST_F(LineListsTest, OneUnitMovesInTheUnitModesAndMergesIntoAnEqualLine) {
    const int id = addLine(1, 3, QStringLiteral("Bar"), 3, 10, 1, 10);
    lists->read({3, QStringLiteral("Bar"), true});
    lists->moveLine(1, true, proc);
    db::RowSet& l1 = lists->list(1);
    db::RowSet& l2 = lists->list(2);
    ASSERT_EQ(l2.rowCount(), 1);
    EXPECT_EQ(l2.value(u"qty").asDouble(), 1);
    EXPECT_EQ(l2.value(u"extprice").asDouble(), 9);
    EXPECT_EQ(l2.value(u"disc").asDouble(), 0.9);
    EXPECT_EQ(l1.value(u"qty").asDouble(), 2);
    EXPECT_EQ(lineValue(1, id, QStringLiteral("extprice")), QStringLiteral("18"));

    lists->moveLine(1, true, proc); // the same again: one line of 2 in list 2
    ASSERT_EQ(l2.rowCount(), 1);
    EXPECT_EQ(l2.value(u"qty").asDouble(), 2);
    EXPECT_EQ(l2.value(u"extprice").asDouble(), 18);
    EXPECT_EQ(l2.value(u"disc").asDouble(), 2); // recomputed the list-2 way: with its tax

    lists->moveLine(1, true, proc); // the last unit: the source line goes
    EXPECT_FALSE(lists->hasLines(1));
    EXPECT_EQ(count(1), 0);
    EXPECT_EQ(l2.value(u"qty").asDouble(), 3);

    lists->moveLine(2, true, proc); // and back, one unit
    EXPECT_EQ(l1.value(u"qty").asDouble(), 1);
    EXPECT_EQ(l2.value(u"qty").asDouble(), 2);
}

TEST_F(LineListsTest, AWholeLineMovesWithItsWholeDiscount) {
    addLine(1, 3, QStringLiteral("Bar"), 2.5, 10, 1, 10);
    lists->read({3, QStringLiteral("Bar"), true});
    lists->moveLine(1, true, proc); // not a whole number: it all moves
    EXPECT_EQ(count(1), 0);
    db::RowSet& l2 = lists->list(2);
    EXPECT_EQ(l2.value(u"qty").asDouble(), 2.5);
    EXPECT_EQ(l2.value(u"extprice").asDouble(), 22.5);
    EXPECT_EQ(l2.value(u"disc").asDouble(), 2.25); // the line's discount, not a unit's

    addLine(1, 3, QStringLiteral("Bar"), 3, 10, 1, 0, QStringLiteral("Lager"));
    lists->read({3, QStringLiteral("Bar"), true});
    lists->moveLine(1, false, proc); // splitmode "1": a line moves whole
    EXPECT_EQ(count(1), 0);
    EXPECT_EQ(l2.rowCount(), 2);
    EXPECT_EQ(l2.value(u"itemname").asText(), QStringLiteral("Lager"));
    EXPECT_EQ(l2.value(u"qty").asDouble(), 3);
    EXPECT_EQ(l2.value(u"staffref").asText(), QStringLiteral("Alex"));
}

TEST_F(LineListsTest, LinesThatDifferDoNotMerge) {
    addLine(2, 3, QStringLiteral("Bar"), 1, 10, 1, 0);
    exec(QStringLiteral("UPDATE tabline2 SET opt1choice = 'Large'"));
    addLine(1, 3, QStringLiteral("Bar"), 2, 10, 1, 0);
    lists->read({3, QStringLiteral("Bar"), true});
    lists->moveLine(1, true, proc);
    EXPECT_EQ(lists->list(2).rowCount(), 2);
}

TEST_F(LineListsTest, AFailedMoveLeavesBothListsAsTheDatabaseHoldsThem) {
    addLine(1, 3, QStringLiteral("Bar"), 3, 10, 1, 0);
    lists->read({3, QStringLiteral("Bar"), true});
    db.setStatementHook([](const QString& sql) {
        if (sql.startsWith(QStringLiteral("EXECUTE PROCEDURE tabline1_del_one")))
            throw std::runtime_error("the connection dropped");
    });
    lists->moveLine(1, false, proc); // the whole line: fails when it comes to delete the source
    db.setStatementHook({});
    EXPECT_EQ(count(1), 1);
    EXPECT_EQ(count(2), 0);
    EXPECT_EQ(lists->list(1).rowCount(), 1);
    EXPECT_EQ(lists->list(1).value(u"qty").asDouble(), 3);
    EXPECT_FALSE(lists->hasLines(2));
    EXPECT_FALSE(db.inTransaction());
}

} // namespace

namespace {

TEST_F(LineListsTest, ALineDeletedOnAnotherTillIsNotWrittenBack) {
    addLine(1, 3, QStringLiteral("Bar"), 1, 10, 1, 0, QStringLiteral("Gone"));
    addLine(1, 3, QStringLiteral("Bar"), 1, 10, 1, 0, QStringLiteral("Stays"));
    lists->read({3, QStringLiteral("Bar"), true});
    lists->list(1).first();
    exec(QStringLiteral("DELETE FROM tabline1 WHERE itemname = 'Gone'")); // on another till
    EXPECT_THROW(lists->setQty(1, 2), std::exception);
    db::RowSet& l1 = lists->list(1);
    EXPECT_FALSE(l1.isEditing()); // nothing left to write on the next move
    ASSERT_EQ(l1.rowCount(), 1);
    EXPECT_EQ(l1.value(u"itemname").asText(), QStringLiteral("Stays"));
    lists->setQty(1, 2);
    EXPECT_EQ(count(1), 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT qty FROM tabline1")), QStringLiteral("2"));
}

TEST_F(LineListsTest, AQuantityLoweredOnALineSentMeanwhileIsOnRecord) {
    const eventlog::Actor who{QStringLiteral("Bar"), QStringLiteral("Sam")};
    const int id = addLine(1, 3, QStringLiteral("Bar"), 4, 10, 1, 0, QStringLiteral("Steak"));
    lists->setQtyOnRecord(1, 3, who); // not sent: nothing to record
    lists->setQtyOnRecord(1, 5, who); // raised: nothing either
    exec(QStringLiteral("UPDATE tabline1 SET processed = 'T'")); // the kitchen has it now
    lists->setQtyOnRecord(1, 2, who);
    EXPECT_EQ(lineValue(1, id, QStringLiteral("qty")), QStringLiteral("2"));
    EXPECT_EQ(eventLog(), QStringLiteral("Qty lowered||Table 1|Steak|5|30|From 5 to 2"));

    // A quantity that cannot be saved leaves no entry.
    exec(QStringLiteral("DELETE FROM tabline1"));
    EXPECT_THROW(lists->setQtyOnRecord(1, 1, who), std::exception);
    EXPECT_EQ(eventLog(), QStringLiteral("Qty lowered||Table 1|Steak|5|30|From 5 to 2"));
}

} // namespace
