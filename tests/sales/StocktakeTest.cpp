#include "admin/StocktakeHistory.h"
#include "app/TerminalSettings.h"
#include "db/RowSet.h"
#include "db/StoredProc.h"
#include "sales/ButtonCache.h"
#include "sales/ItemAdder.h"
#include "sales/LineLists.h"
#include "sales/SalesState.h"
#include "sales/StocktakeProcessing.h"

#include "GTestSupport.h"
#include "TestDatabase.h"

#include <stdexcept>

using namespace pelora;

namespace {

constexpr int kCount = SalesState::kStocktakeTab;

// Two tills on one database: "Bar" on the test's connection, "Deck" on a second one.
class StocktakeTest : public test::DemoDatabaseTest {
protected:
    struct Till {
        db::Connection& db;
        QString pcRef;
        db::StoredProc proc{db};
        LineLists lines{db};
    };

    void SetUp() override {
        DemoDatabaseTest::SetUp();
        deckDb.connect(database.admin1());
        settings.priceMode = QStringLiteral("1");
        settings.countMode = QStringLiteral("1");
        master.itemRequery = QStringLiteral("T");
    }
    // Touches the item on the till's stocktake tab and enters the count on the keypad.
    int count(Till& till, int itemId, double counted) {
        const ItemAdder::Context c{till.db, till.proc, prompter, settings, master, cache, till.pcRef,
                                   QStringLiteral("Alex"), kCount};
        const auto added = ItemAdder::add(c, itemId, true);
        EXPECT_TRUE(added);
        till.lines.read({kCount, till.pcRef, false});
        till.lines.list(LineLists::kMain).locate(u"id", added->lineId);
        till.lines.setQty(LineLists::kMain, counted);
        return added->lineId;
    }
    int process(Till& till) { return StocktakeProcessing::process(till.db, till.proc, till.pcRef, QStringLiteral("Alex")); }
    QString stock(int itemId) { return scalar(QStringLiteral("SELECT qty FROM item WHERE id = ?"), {itemId}); }
    QString countLines(const QString& pcRef) {
        return scalar(QStringLiteral("SELECT COUNT(*) FROM tabline1 WHERE tabid = 2 AND pcref = ?"), {pcRef});
    }

    test::ScriptedPrompter prompter{test::gtestFailures()};
    TerminalSettings settings;
    MasterFlags master;
    ButtonCache cache;
    db::Connection deckDb;
    Till bar{db, QStringLiteral("Bar")};
    Till deck{deckDb, QStringLiteral("Deck")};
};

TEST(StocktakeGoAhead, TheOperatorIsToldWhyNothingIsProcessed) {
    test::ScriptedPrompter prompter{test::gtestFailures()};
    prompter.expectInformation(QStringLiteral("Not in Stocktake mode.\r\nSelect Admin > Stocktake."));
    EXPECT_FALSE(StocktakeProcessing::confirmed(prompter, SalesState::kNonTab, true));
    prompter.expectConfirm(QStringLiteral("Process the stocktake?"), false);
    EXPECT_FALSE(StocktakeProcessing::confirmed(prompter, kCount, true));
    // The question comes before the check for lines.
    prompter.expectConfirm(QStringLiteral("Process the stocktake?"), true);
    prompter.expectInformation(QStringLiteral("First add a line to the stocktake."));
    EXPECT_FALSE(StocktakeProcessing::confirmed(prompter, kCount, false));
    prompter.expectConfirm(QStringLiteral("Process the stocktake?"), true);
    EXPECT_TRUE(StocktakeProcessing::confirmed(prompter, kCount, true));
}

TEST_F(StocktakeTest, TheCountAllowsForWhatOtherTillsSoldMeanwhile) {
    exec(QStringLiteral("UPDATE item SET qty = 12 WHERE id = 2"));
    count(bar, 2, 10);  // Pale Ale: 12 expected, 10 on the shelf
    count(bar, 3, 72);  // Lager as expected
    deckDb.run(QStringLiteral("UPDATE item SET qty = qty - 2 WHERE id = 2")); // the Deck sells 2
    const int id = process(bar);
    EXPECT_EQ(StocktakeProcessing::doneMessage(id),
              QStringLiteral("Stocktake ID: %1 complete. Item table was updated.").arg(id));
    EXPECT_EQ(stock(2), QStringLiteral("8"));
    EXPECT_EQ(stock(3), QStringLiteral("72"));
    EXPECT_EQ(rows(QStringLiteral("SELECT pcref, staffref FROM stocktake WHERE id = ?"), {id}), QStringLiteral("Bar|Alex"));
    EXPECT_FALSE(scalar(QStringLiteral("SELECT istamp FROM stocktake WHERE id = ?"), {id}).isEmpty());
    EXPECT_EQ(rows(QStringLiteral("SELECT itemid, itemname, itemqty, countqty, cost, price, extcost, extprice"
                                  " FROM stline WHERE stocktakeid = ? ORDER BY id"),
                   {id}),
              QStringLiteral("2|Pale Ale|12|10|3.2|9.5|32|95 ; 3|Lager|72|72|2.8|8.5|201.6|612"));
    EXPECT_EQ(countLines(QStringLiteral("Bar")), QStringLiteral("0"));

    // The history lists it with its sums, and only the line that did not match as a discrepancy.
    const auto listed = StocktakeHistory::withId(db, id);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].pcRef, QStringLiteral("Bar"));
    EXPECT_EQ(listed[0].cost, QStringLiteral("233.60"));
    EXPECT_EQ(listed[0].price, QStringLiteral("707.00"));
    EXPECT_EQ(StocktakeHistory::lines(db, id, false).size(), 2u);
    const auto discrepancies = StocktakeHistory::lines(db, id, true);
    ASSERT_EQ(discrepancies.size(), 1u);
    EXPECT_EQ(discrepancies[0].itemName, QStringLiteral("Pale Ale"));
    EXPECT_EQ(discrepancies[0].expected, QStringLiteral("12"));
    EXPECT_EQ(discrepancies[0].actual, QStringLiteral("10"));
    EXPECT_TRUE(StocktakeHistory::withId(db, id + 1).empty());
}

TEST_F(StocktakeTest, TwoTillsCountApartAndAnUnfinishedCountSurvivesARestart) {
    count(bar, 2, 30);
    count(deck, 2, 18); // the same item, counted on the Deck too
    const int barTake = process(bar);
    EXPECT_EQ(stock(2), QStringLiteral("30"));
    EXPECT_EQ(countLines(QStringLiteral("Deck")), QStringLiteral("1"));

    // The Deck's program restarts: its count is still there, as it was entered.
    deck.lines.list(LineLists::kMain).close();
    deckDb.disconnect();
    deckDb.connect(database.admin1());
    LineLists restarted(deckDb);
    restarted.read({kCount, QStringLiteral("Deck"), false});
    EXPECT_EQ(restarted.list(LineLists::kMain).value(u"qty").asText(), QStringLiteral("18"));
    EXPECT_EQ(restarted.list(LineLists::kMain).value(u"itemqty").asText(), QStringLiteral("48"));

    db::StoredProc proc(deckDb);
    const int deckTake = StocktakeProcessing::process(deckDb, proc, QStringLiteral("Deck"), QStringLiteral("Sam"));
    EXPECT_GT(deckTake, barTake);
    // What the Bar's processing moved (48 to 30) is taken off the Deck's count.
    EXPECT_EQ(stock(2), QStringLiteral("0"));
    EXPECT_EQ(StocktakeHistory::all(db, true).front().id, deckTake);
    EXPECT_EQ(StocktakeHistory::all(db, false).front().id, barTake);
}

TEST_F(StocktakeTest, AFailureHalfWayKeepsNothingAndLosesNoCount) {
    count(bar, 2, 40);
    count(bar, 3, 70);
    int stlineInserts = 0;
    db.setStatementHook([&stlineInserts](const QString& sql) {
        if (sql.startsWith(QLatin1String("INSERT INTO stline")) && ++stlineInserts == 2)
            throw std::runtime_error("connection lost");
    });
    EXPECT_THROW(process(bar), std::exception);
    db.setStatementHook({});
    EXPECT_EQ(stlineInserts, 2);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM stocktake")), QStringLiteral("0"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM stline")), QStringLiteral("0"));
    EXPECT_EQ(stock(2), QStringLiteral("48"));
    EXPECT_EQ(stock(3), QStringLiteral("72"));
    EXPECT_EQ(rows(QStringLiteral("SELECT itemid, qty FROM tabline1 WHERE tabid = 2 AND pcref = 'Bar' ORDER BY id")),
              QStringLiteral("2|40 ; 3|70"));
    // Nothing was left half open: the next try goes through.
    process(bar);
    EXPECT_EQ(stock(2), QStringLiteral("40"));
}

TEST_F(StocktakeTest, AnItemWithoutAStockQuantityBecomesWhatWasCounted) {
    exec(QStringLiteral("UPDATE item SET qty = NULL WHERE id IN (2, 3)"));
    count(bar, 2, 6);
    count(bar, 3, 4);
    exec(QStringLiteral("UPDATE tabline1 SET itemqty = NULL WHERE itemid = 3"));
    const int id = process(bar);
    EXPECT_EQ(stock(2), QStringLiteral("6"));
    EXPECT_EQ(stock(3), QStringLiteral("4"));
    EXPECT_EQ(rows(QStringLiteral("SELECT itemqty, countqty FROM stline WHERE stocktakeid = ? ORDER BY id"), {id}),
              QStringLiteral("0|6 ; 0|4"));
}

TEST(StocktakeFind, TheBoxMustHoldAnId) {
    EXPECT_EQ(StocktakeHistory::parseId(QString()).refusal, QStringLiteral("Enter an ID to find."));
    EXPECT_EQ(StocktakeHistory::parseId(QStringLiteral("12a")).refusal, QStringLiteral("Stocktake ID not valid."));
    EXPECT_EQ(StocktakeHistory::parseId(QStringLiteral(" 7 ")).id, 7);
}

} // namespace
