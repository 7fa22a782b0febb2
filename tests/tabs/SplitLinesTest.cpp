#include "db/StoredProc.h"
#include "db/TextTable.h"
#include "sales/LineLists.h"
#include "tabs/SplitChoices.h"
#include "tabs/SplitLines.h"

#include "GTestSupport.h"
#include "ScriptedPrompter.h"
#include "TestDatabase.h"

using namespace pelora;

namespace {

class SplitLinesTest : public test::DemoDatabaseTest {
protected:
    void SetUp() override {
        DemoDatabaseTest::SetUp();
        lists = std::make_unique<LineLists>(db);
    }
    void TearDown() override {
        prompter.verify();
        DemoDatabaseTest::TearDown();
    }
    // A line priced 10 (tax 1) on a list of a tab.
    void line(int list, int tabId, const char* name, const char* splitRef = "", double qty = 1,
              const char* pcRef = "Bar", const char* stopDisc = "F") {
        const QString table = LineLists::tableName(list);
        exec(QStringLiteral("INSERT INTO %1 (id, pcref, tabid, itemid, itemname, qty, cost, price, tax, discname,"
                            " discrate, adjcost, adjprice, adjtax, extprice, exttax, stopdisc, splitref,"
                            " splitmsg, processed) VALUES (?, ?, ?, 2, ?, ?, 3, 10, 1, 'Regular', 5, 3, 10, 1,"
                            " ?, ?, ?, ?, ?, 'F')")
                 .arg(table),
             {proc.nextId(table), pcRef, tabId, name, qty, 9.5 * qty, 0.95 * qty, stopDisc, splitRef,
              QString::fromLatin1(splitRef).isEmpty() ? QString() : QStringLiteral("msg")});
    }
    SplitLines::Context context(int tabId, const QString& pcRef = QStringLiteral("Bar")) {
        lists->read({tabId, pcRef, true});
        return {db, proc, *lists, prompter, tabId};
    }
    // "name|qty|splitref|splitmsg|discname|discrate|extprice" of every line of a list, by id.
    QStringList lines(int list) {
        const db::TextTable rows = db::TextTable::load(
            db, QStringLiteral("SELECT itemname, qty, COALESCE(splitref, ''), COALESCE(splitmsg, ''),"
                               " discname, discrate, extprice FROM %1 ORDER BY id")
                    .arg(LineLists::tableName(list)));
        QStringList out;
        for (const auto& r : rows.rows()) {
            QStringList fields;
            for (int c = 0; c < 7; ++c)
                fields << r.at(c);
            out << fields.join(u'|');
        }
        return out;
    }
    // Another till makes `change` just before this till first sends a statement that starts
    // with `before`.
    void onAnotherTillBefore(const char* before, const QString& change) {
        if (!other.isConnected())
            other.connect(database.admin1());
        db.setStatementHook([this, before, change, done = false](const QString& sql) mutable {
            if (!done && sql.startsWith(QLatin1String(before))) {
                done = true;
                other.run(change);
            }
        });
    }
    static SplitLines::Split birthday() {
        return {4, QStringLiteral("Birthday"), QStringLiteral("Parties"), QStringLiteral("Birthday party"),
                QStringLiteral("Happy Hour"), 10, QStringLiteral("F")};
    }

    db::StoredProc proc{db};
    db::Connection other; // another till
    std::unique_ptr<LineLists> lists;
    test::ScriptedPrompter prompter{test::gtestFailures()};
};

TEST_F(SplitLinesTest, ASplitOnALineCarriesItsMessageAndTheBetterDiscount) {
    // Jones Catering (tab 10) gives Regular, 5 %.
    line(1, 10, "Soup");
    line(1, 10, "Stew");
    line(1, 10, "Pie", "", 1, "Bar", "T");
    SplitLines::Context c = context(10);
    lists->list(1).moveTo(0);
    ASSERT_TRUE(SplitLines::put(c, birthday()));
    lists->list(1).moveTo(1);
    ASSERT_TRUE(SplitLines::put(c, {5, "Company", "Business", "On the company", "", 0, ""}));
    lists->list(1).moveTo(2);
    ASSERT_TRUE(SplitLines::put(c, birthday())); // an item that refuses discounts
    EXPECT_EQ(lines(1), QStringList({"Soup|1|Birthday|Birthday party|Happy Hour|10|9",
                                     "Stew|1|Company|On the company|Regular|5|9.5",
                                     "Pie|1|Birthday|Birthday party|Happy Hour|0|10"}));
}

TEST_F(SplitLinesTest, ALineAlreadySplitChangesOnlyWhenTheOperatorSaysSo) {
    line(1, 4, "Soup", "Seat 1");
    SplitLines::Context c = context(4);
    prompter.expectConfirm(QStringLiteral("Already split! Change the split reference?"), false);
    EXPECT_FALSE(SplitLines::put(c, birthday()));
    EXPECT_EQ(lines(1), QStringList({"Soup|1|Seat 1|msg|Regular|5|9.5"}));
    prompter.expectConfirm(QStringLiteral("Already split! Change the split reference?"), true);
    EXPECT_TRUE(SplitLines::put(c, birthday()));
    EXPECT_EQ(lines(1), QStringList({"Soup|1|Birthday|Birthday party|Happy Hour|10|9"}));

    SplitLines::Context empty = context(5);
    prompter.expectInformation(QStringLiteral("First add an item."));
    EXPECT_FALSE(SplitLines::put(empty, birthday()));
}

TEST_F(SplitLinesTest, ClearingASplitLeavesItsLinesWithoutAnyDiscount) {
    line(1, 10, "Soup", "Birthday");
    line(1, 10, "Stew", "Seat 1");
    line(1, 10, "Pie", "Birthday");
    line(2, 10, "Tart", "Birthday"); // the second list is not cleared
    SplitLines::Context c = context(10);
    lists->list(1).moveTo(1);
    ASSERT_TRUE(SplitLines::clear(c, QStringLiteral("Birthday")));
    EXPECT_EQ(lines(1), QStringList({"Soup|1|||No Discount|0|10", "Stew|1|Seat 1|msg|Regular|5|9.5",
                                     "Pie|1|||No Discount|0|10"}));
    EXPECT_EQ(lines(2), QStringList({"Tart|1|Birthday|msg|Regular|5|9.5"}));
    EXPECT_EQ(lists->list(1).row(), 1); // the list stays on its line

    prompter.expectInformation(QStringLiteral("First add a split."));
    EXPECT_FALSE(SplitLines::clear(c, QString()));
}

TEST_F(SplitLinesTest, ClearingIsOneChangeThatAFailureUndoes) {
    line(1, 10, "Soup", "Birthday");
    line(1, 10, "Pie", "Birthday");
    SplitLines::Context c = context(10);
    exec(QStringLiteral("DELETE FROM tabline1 WHERE itemname = 'Pie'")); // paid on another till
    EXPECT_ANY_THROW(SplitLines::clear(c, QStringLiteral("Birthday")));
    EXPECT_EQ(lines(1), QStringList({"Soup|1|Birthday|msg|Regular|5|9.5"}));
    EXPECT_EQ(lists->list(1).rowCount(), 1); // read again: the screen shows what is left
}

TEST_F(SplitLinesTest, ASplitsLinesMoveTogetherBetweenTheLists) {
    line(1, 4, "Soup", "Seat 1");
    line(1, 4, "Stew", "Seat 2");
    line(1, 4, "Bread");
    line(1, 4, "Pie", "Seat 1", 3);
    line(1, 5, "Other table", "Seat 1");
    SplitLines::move(context(4), true, QStringLiteral("Seat 1"), false);
    EXPECT_EQ(lines(2), QStringList({"Soup|1|Seat 1|msg|Regular|5|9.5", "Pie|3|Seat 1|msg|Regular|5|28.5"}));
    EXPECT_EQ(lines(1), QStringList({"Stew|1|Seat 2|msg|Regular|5|9.5", "Bread|1|||Regular|5|9.5",
                                     "Other table|1|Seat 1|msg|Regular|5|9.5"}));

    SplitLines::move(context(4), true, std::nullopt, false); // every split line, the unsplit bread stays
    EXPECT_EQ(lines(1), QStringList({"Bread|1|||Regular|5|9.5", "Other table|1|Seat 1|msg|Regular|5|9.5"}));
    SplitLines::move(context(4), false, QStringLiteral("Seat 2"), false);
    EXPECT_EQ(lines(1).size(), 3);
    SplitLines::move(context(4), true, QString(), false); // the lines without a split
    EXPECT_EQ(lines(2).size(), 3);
    EXPECT_TRUE(lines(2).contains("Bread|1|||Regular|5|9.5"));
    SplitLines::move(context(4), false, std::nullopt, false); // every split line back: only Bread stays
    EXPECT_EQ(lines(2), QStringList({"Bread|1|||Regular|5|9.5"}));
}

TEST_F(SplitLinesTest, ALineThatCannotMoveEndsTheMovesAndLeavesItWhereItWas) {
    line(1, 4, "Soup", "Seat 1");
    line(1, 4, "Pie", "Seat 1");
    SplitLines::Context c = context(4);
    int tries = 0;
    // The copy fails, but only a few times: moves that tried again and again would end too.
    db.setStatementHook([&tries](const QString& sql) {
        if (sql.startsWith(QLatin1String("INSERT INTO tabline2")) && ++tries <= 5)
            throw std::runtime_error("the connection dropped");
    });
    SplitLines::move(c, true, QStringLiteral("Seat 1"), false); // tried once, not for ever
    db.setStatementHook({});
    EXPECT_EQ(tries, 1);
    EXPECT_EQ(lines(1).size(), 2);
    EXPECT_TRUE(lines(2).isEmpty());
}

TEST_F(SplitLinesTest, InTheOneUnitModesEveryUnitMovesAndTheUnitsMeetAgain) {
    line(1, 4, "Pie", "Seat 1", 3);
    SplitLines::move(context(4), true, QStringLiteral("Seat 1"), true);
    EXPECT_TRUE(lines(1).isEmpty());
    EXPECT_EQ(lines(2), QStringList({"Pie|3|Seat 1|msg|Regular|5|28.5"}));
}

TEST_F(SplitLinesTest, InTheOneUnitModesEqualLinesJoinAndAJoinedLineIsPricedAgain) {
    line(2, 4, "Soup", "Seat 1"); // waiting on list 2 already
    line(1, 4, "Pie", "Seat 1", 2);
    line(1, 4, "Soup", "Seat 1");
    line(1, 4, "Pie", "Seat 1");
    line(1, 4, "Bread", "Seat 1", 0.5); // not whole units: it moves whole
    line(1, 4, "Stew", "Seat 2");
    SplitLines::move(context(4), true, QStringLiteral("Seat 1"), true);
    EXPECT_EQ(lines(1), QStringList({"Stew|1|Seat 2|msg|Regular|5|9.5"}));
    // The joined lines are priced the list-2 way (the discount with its tax); the bread keeps
    // the amounts it had.
    const db::TextTable moved = db::TextTable::load(
        db, QStringLiteral("SELECT itemname, qty, extprice, COALESCE(disc, 0) FROM tabline2 ORDER BY id"));
    QStringList out;
    for (const auto& r : moved.rows())
        out << r.at(0) + u'|' + r.at(1) + u'|' + r.at(2) + u'|' + r.at(3);
    EXPECT_EQ(out, QStringList({"Soup|2|19|1", "Pie|3|28.5|1.5", "Bread|0.5|4.75|0"}));
}

// Another till pays one of the guest's lines, splits it to another guest, or gives the guest a
// line, after this till has read the guest's lines: nothing moves, in either way of moving,
// and the list shows what the database holds.
TEST_F(SplitLinesTest, AnotherTillsChangeToTheGuestsLinesStopsTheWholeMove) {
    const std::pair<const char*, QString> changes[] = {
        {"paid", QStringLiteral("DELETE FROM tabline1 WHERE itemname = 'Pie'")},
        {"split otherwise", QStringLiteral("UPDATE tabline1 SET splitref = 'Seat 2' WHERE itemname = 'Pie'")},
        {"a line added", QStringLiteral("INSERT INTO tabline1 (id, pcref, tabid, itemid, itemname, qty, splitref,"
                                        " processed) VALUES (NEXT VALUE FOR tabline1id_gen, 'Deck', 4, 2, 'Tart',"
                                        " 1, 'Seat 1', 'F')")}};
    for (const bool unitMoves : {false, true}) {
        for (const auto& [what, change] : changes) {
            SCOPED_TRACE(std::string(what) + (unitMoves ? ", by unit" : ""));
            exec(QStringLiteral("DELETE FROM tabline1"));
            line(1, 4, "Soup", "Seat 1");
            line(1, 4, "Stew", "Seat 2");
            line(1, 4, "Pie", "Seat 1", 3);
            SplitLines::Context c = context(4);
            onAnotherTillBefore("INSERT INTO tabline2", change);
            SplitLines::move(c, true, QStringLiteral("Seat 1"), unitMoves);
            db.setStatementHook({});
            EXPECT_TRUE(lines(2).isEmpty());
            EXPECT_TRUE(lines(1).contains("Soup|1|Seat 1|msg|Regular|5|9.5"));
            int shown = 0;
            for (int r = 0; lists->list(1).moveTo(r); ++r)
                shown += lists->list(1).value(u"splitref").asText() == QStringLiteral("Seat 1");
            EXPECT_EQ(QString::number(shown),
                      scalar(QStringLiteral("SELECT COUNT(*) FROM tabline1 WHERE splitref = 'Seat 1'")));
            EXPECT_FALSE(db.inTransaction());
        }
    }
}

// A failure once the lines are on the other list undoes the whole move, the line joined there
// included.
TEST_F(SplitLinesTest, AMoveThatFailsAtTheEndLeavesBothListsAsTheyWere) {
    for (const bool unitMoves : {false, true}) {
        SCOPED_TRACE(unitMoves ? "by unit" : "whole lines");
        line(2, 4, "Soup", "Seat 1");
        line(1, 4, "Soup", "Seat 1");
        line(1, 4, "Pie", "Seat 1", 3);
        const QStringList before1 = lines(1);
        const QStringList before2 = lines(2);
        SplitLines::Context c = context(4);
        db.setStatementHook([](const QString& sql) {
            if (sql.startsWith(QLatin1String("DELETE FROM tabline1")))
                throw std::runtime_error("the connection dropped");
        });
        SplitLines::move(c, true, QStringLiteral("Seat 1"), unitMoves);
        db.setStatementHook({});
        EXPECT_EQ(lines(1), before1);
        EXPECT_EQ(lines(2), before2);
        EXPECT_EQ(lists->list(1).rowCount(), 2);
        EXPECT_FALSE(db.inTransaction());
        exec(QStringLiteral("DELETE FROM tabline1"));
        exec(QStringLiteral("DELETE FROM tabline2"));
    }
}

TEST_F(SplitLinesTest, AQuantityChangedOnAnotherTillMovesAsItIsNow) {
    line(1, 4, "Soup", "Seat 1");
    line(1, 4, "Pie", "Seat 1");
    SplitLines::Context c = context(4);
    onAnotherTillBefore("INSERT INTO tabline2",
                        QStringLiteral("UPDATE tabline1 SET qty = 4, extprice = 38 WHERE itemname = 'Pie'"));
    SplitLines::move(c, true, QStringLiteral("Seat 1"), false);
    db.setStatementHook({});
    EXPECT_TRUE(lines(1).isEmpty());
    EXPECT_EQ(lines(2), QStringList({"Soup|1|Seat 1|msg|Regular|5|9.5", "Pie|4|Seat 1|msg|Regular|5|38"}));
}

TEST_F(SplitLinesTest, TheNonTabsSplitLinesAreThisTerminalsOwn) {
    line(1, 1, "Mine", "Seat 1");
    line(1, 1, "Theirs", "Seat 1", 1, "Kitchen");
    SplitLines::move(context(1), true, QStringLiteral("Seat 1"), false);
    EXPECT_EQ(lines(2), QStringList({"Mine|1|Seat 1|msg|Regular|5|9.5"}));
    EXPECT_EQ(SplitChoices::lineRefs(db, 1, 1, QStringLiteral("Bar")).rowCount(), 0);
    EXPECT_EQ(SplitChoices::lineRefs(db, 1, 1, QStringLiteral("Kitchen")).at(0, 0), QStringLiteral("Seat 1"));
}

// "ref|cat" of each split found, and the categories joined.
QStringList refs(const db::TextTable& splits) {
    QStringList out;
    for (const auto& r : splits.rows())
        out << r.at(SplitChoices::SplitRef) + u'|' + r.at(SplitChoices::DiscName) + u'|' +
                   r.at(SplitChoices::DiscRate);
    return out;
}
QString categories(const db::TextTable& cats) {
    QStringList out;
    for (const auto& r : cats.rows())
        out << r.at(0);
    return out.join(u',');
}

TEST_F(SplitLinesTest, TheChooserListsByCategoryAndByRefWithEachSplitsDiscount) {
    exec(QStringLiteral("INSERT INTO split (id, ref, cat) VALUES (20, 'Walk_in', NULL)"));
    exec(QStringLiteral("INSERT INTO split (id, ref, cat) VALUES (21, 'Bar 100%', '')"));

    SplitChoices::Found all = SplitChoices::opening(db, std::nullopt);
    EXPECT_EQ(categories(all.categories), QStringLiteral(",Business,Parties,Seats"));
    EXPECT_EQ(all.splits.rowCount(), 8);

    SplitChoices::Found seats = SplitChoices::opening(db, QStringLiteral("Seats"));
    EXPECT_EQ(categories(seats.categories), QStringLiteral("Seats"));
    EXPECT_EQ(refs(seats.splits), QStringList({"Seat 1||", "Seat 2||", "Seat 3||", "Seat 4||"}));
    SplitChoices::Found none = SplitChoices::opening(db, QString()); // a split without a category
    EXPECT_EQ(categories(none.categories), QString());
    EXPECT_EQ(none.categories.rowCount(), 1);
    EXPECT_EQ(refs(none.splits), QStringList({"Bar 100%||", "Walk_in||"}));

    EXPECT_EQ(refs(SplitChoices::search(db, QStringLiteral("birth")).splits),
              QStringList({"Birthday|Happy Hour|10"}));
    EXPECT_EQ(refs(SplitChoices::search(db, QStringLiteral("0%")).splits), QStringList({"Bar 100%||"}));
    EXPECT_EQ(refs(SplitChoices::search(db, QStringLiteral("k_")).splits), QStringList({"Walk_in||"}));
    EXPECT_EQ(categories(SplitChoices::search(db, QStringLiteral("PART")).categories), QStringLiteral("Parties"));

    db::StoredProc lookup(db);
    EXPECT_EQ(SplitChoices::idCat(lookup, QStringLiteral("Birthday"))->cat, QStringLiteral("Parties"));
    EXPECT_FALSE(SplitChoices::idCat(lookup, QStringLiteral("Nobody")));
}

} // namespace
