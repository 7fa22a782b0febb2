#include "db/StoredProc.h"
#include "db/TextTable.h"
#include "sales/LineDiscounts.h"
#include "sales/LineLists.h"
#include "sales/SalesCaches.h"

#include "GTestSupport.h"
#include "TestDatabase.h"

using namespace pelora;

namespace {

using Scope = LineDiscounts::Scope;
using Applied = LineDiscounts::Applied;

class LineDiscountsTest : public test::DemoDatabaseTest {
protected:
    void SetUp() override {
        DemoDatabaseTest::SetUp();
        lists = std::make_unique<LineLists>(db);
    }
    // A line priced 10 (tax 1) on a list of a tab.
    void line(int list, int tabId, const char* name, const char* stopDisc, const char* splitRef = "",
              const char* pcRef = "Bar", const char* processed = "F") {
        const QString table = LineLists::tableName(list);
        exec(QStringLiteral("INSERT INTO %1 (id, pcref, tabid, itemid, itemname, qty, cost, price, tax, discname,"
                            " discrate, adjcost, adjprice, adjtax, extcost, extprice, exttax, stopdisc, splitref,"
                            " processed) VALUES (?, ?, ?, 2, ?, 1, 3, 10, 1, '', 0, 3, 10, 1, 3, 10, 1, ?, ?, ?)")
                 .arg(table),
             {proc.nextId(table), pcRef, tabId, name, stopDisc, splitRef, processed});
    }
    LineDiscounts::Context context(int tabId) {
        lists->read({tabId, QStringLiteral("Bar"), true});
        return {db, proc, *lists, QStringLiteral("Bar"), tabId, {QStringLiteral("Bar"), QStringLiteral("Sam")}};
    }
    // "name|discname|discrate|extprice" of every line of a list, by id.
    QStringList lines(int list = 1) {
        const db::TextTable rows = db::TextTable::load(
            db, QStringLiteral("SELECT itemname, COALESCE(discname, ''), discrate, extprice FROM %1 ORDER BY id")
                    .arg(LineLists::tableName(list)));
        QStringList out;
        for (const auto& r : rows.rows())
            out << QStringList{r.at(0), r.at(1), r.at(2), r.at(3)}.join(u'|');
        return out;
    }
    static LineDiscounts::Values discount(const char* name, double rate, const char* override_ = "F") {
        return {QString::fromLatin1(name), rate, QString::fromLatin1(override_)};
    }

    db::StoredProc proc{db};
    std::unique_ptr<LineLists> lists;
};

TEST_F(LineDiscountsTest, TheSalesScreenNeverOffersARestrictedDiscountAndTheConsoleDoes) {
    exec(QStringLiteral("INSERT INTO disc (id, name, rate, restricted, stopoveride) VALUES (6, 'Old', 15, NULL, 'F')"));
    const db::TextTable cache = loadDiscounts(db);
    for (const db::TextTable* source : {&cache, static_cast<const db::TextTable*>(nullptr)}) {
        QStringList sales, console;
        for (const DiscountOffer& o : LineDiscounts::offered(db, source, false))
            sales << o.caption();
        for (const DiscountOffer& o : LineDiscounts::offered(db, source, true))
            console << o.caption();
        EXPECT_EQ(sales, QStringList({"No Discount", "Happy Hour", "Manager Comp^", "Regular", "Old"}));
        EXPECT_EQ(console, QStringList({"No Discount", "Happy Hour", "Staff", "Manager Comp^", "Regular", "Old"}));
    }
}

TEST_F(LineDiscountsTest, ADiscountIsTakenAsItIsWhenPressed) {
    const db::TextTable cache = loadDiscounts(db);
    DiscountOffer happy = LineDiscounts::offered(db, &cache, false).at(1);
    exec(QStringLiteral("UPDATE disc SET rate = 12 WHERE id = 2"));
    EXPECT_EQ(LineDiscounts::valuesOf(db, happy, false)->rate, 10); // the cache as loaded
    EXPECT_EQ(LineDiscounts::valuesOf(db, happy, true)->rate, 12);  // read again
    happy.rate.clear();
    EXPECT_EQ(LineDiscounts::valuesOf(db, happy, false)->rate, 0);
    EXPECT_EQ(LineDiscounts::valuesOf(db, happy, false)->stopOverride, QStringLiteral("F"));
    exec(QStringLiteral("EXECUTE PROCEDURE disc_del_one 2"));
    EXPECT_FALSE(LineDiscounts::valuesOf(db, happy, true));
}

TEST_F(LineDiscountsTest, ADiscountReachesStopDiscountLinesOnlyWhenItOverrides) {
    line(1, 3, "Beer", "F");
    line(1, 3, "Pudding", "T");
    line(1, 3, "Odd", ""); // an empty mark refuses discounts too
    EXPECT_EQ(LineDiscounts::apply(context(3), discount("Happy Hour", 10), 1, Scope::All), Applied::Discounted);
    EXPECT_EQ(lines(), QStringList({"Beer|Happy Hour|10|9", "Pudding||0|10", "Odd||0|10"}));
    EXPECT_EQ(lists->total(LineLists::kMain), Money::fromWhole(29));

    EXPECT_EQ(LineDiscounts::apply(context(3), discount("Manager Comp", 100, "T"), 1, Scope::All),
              Applied::Discounted);
    EXPECT_EQ(lines(), QStringList({"Beer|Manager Comp|100|0", "Pudding|Manager Comp|100|0", "Odd|Manager Comp|100|0"}));
    // One entry for each line a discount reached, with what it took off.
    EXPECT_EQ(eventLog(), QStringLiteral("Discount||Table 1|Beer|1|1|Happy Hour 10% ; "
                                         "Discount||Table 1|Beer|1|10|Manager Comp 100% ; "
                                         "Discount||Table 1|Pudding|1|10|Manager Comp 100% ; "
                                         "Discount||Table 1|Odd|1|10|Manager Comp 100%"));
}

TEST_F(LineDiscountsTest, ScopeOneTakesTheCurrentLineOfTheListAskedFor) {
    line(1, 3, "Main", "F");
    line(2, 3, "Split A", "F");
    line(2, 3, "Split B", "F");
    LineDiscounts::Context c = context(3);
    lists->list(LineLists::kSplit).first();
    EXPECT_EQ(LineDiscounts::apply(c, discount("Regular", 5), 2, Scope::One), Applied::Discounted);
    EXPECT_EQ(lines(2), QStringList({"Split A|Regular|5|9.5", "Split B||0|10"}));
    EXPECT_EQ(lines(1), QStringList({"Main||0|10"}));
    EXPECT_EQ(lists->list(LineLists::kSplit).value(u"itemname").asText(), QStringLiteral("Split A"));
}

TEST_F(LineDiscountsTest, OnlyRatesFromNoughtToAHundredDiscountAndAHundredAndOneDeletes) {
    line(1, 3, "Beer", "F");
    line(1, 3, "Wine", "F");
    for (double rate : {100.5, -1.0, 101.5}) {
        EXPECT_EQ(LineDiscounts::apply(context(3), discount("Odd", rate), 1, Scope::All), Applied::Nothing) << rate;
        EXPECT_EQ(lines(), QStringList({"Beer||0|10", "Wine||0|10"})) << rate;
    }
    EXPECT_EQ(LineDiscounts::apply(context(3), discount("Free", 0), 1, Scope::All), Applied::Discounted);
    EXPECT_EQ(lines(), QStringList({"Beer|Free|0|10", "Wine|Free|0|10"}));

    LineDiscounts::Context c = context(3);
    lists->list(LineLists::kMain).first();
    const int before = eventLogSize();
    EXPECT_EQ(LineDiscounts::apply(c, discount("Void", 101), 1, Scope::One), Applied::Deleted);
    EXPECT_EQ(lines(), QStringList({"Wine|Free|0|10"}));
    EXPECT_EQ(eventLog(before), QStringLiteral("Delete||Table 1|Beer|1|10|Not sent, Void 101%"));
}

TEST_F(LineDiscountsTest, AHundredAndOneOnAllDeletesTheTabsLinesSentOrNotAndOnlyThisTillsOwn) {
    line(1, 3, "Sent", "F", "", "Bar", "T");
    line(1, 3, "New", "F", "", "Deck");
    line(1, 4, "Other tab", "F");
    line(1, 1, "Our NonTab", "F");
    line(1, 1, "Deck NonTab", "F", "", "Deck");
    line(1, 2, "Our count", "F");
    line(1, 2, "Deck count", "F", "", "Deck");
    const auto voidAll = [&](int tabId) { return LineDiscounts::apply(context(tabId), discount("Void", 101), 1, Scope::All); };
    EXPECT_EQ(voidAll(3), Applied::Deleted);
    EXPECT_EQ(voidAll(1), Applied::Deleted);
    // The stocktake tab's count lines are this terminal's, like the NonTab's.
    EXPECT_EQ(voidAll(2), Applied::Deleted);
    QStringList left;
    for (const QString& l : lines())
        left << l.section(u'|', 0, 0);
    EXPECT_EQ(left, QStringList({"Other tab", "Deck NonTab", "Deck count"}));
    // Count lines are no sale: only the tab's and this till's NonTab lines are on record.
    EXPECT_EQ(eventLog(), QStringLiteral("Delete||Table 1|Sent|1|10|Sent, Void 101% ; "
                                         "Delete||Table 1|New|1|10|Not sent, Void 101% ; "
                                         "Delete||Non Tab|Our NonTab|1|10|Not sent, Void 101%"));
}

TEST_F(LineDiscountsTest, WithoutATabAHundredAndOneOnAllDoesNothing) {
    line(1, 3, "Beer", "F");
    LineDiscounts::Context c = context(3);
    c.tabId = 0;
    EXPECT_EQ(LineDiscounts::apply(c, discount("Void", 101), 1, Scope::All), Applied::Nothing);
    EXPECT_EQ(lines().size(), 1);
}

TEST_F(LineDiscountsTest, ALineGoneMeanwhileLeavesEveryLineAsItWas) {
    line(1, 3, "Beer", "F");
    line(1, 3, "Wine", "F");
    LineDiscounts::Context c = context(3);
    exec(QStringLiteral("DELETE FROM tabline1 WHERE itemname = 'Wine'")); // paid on another till
    EXPECT_ANY_THROW(LineDiscounts::apply(c, discount("Happy Hour", 10), 1, Scope::All));
    EXPECT_EQ(lines(), QStringList({"Beer||0|10"}));
    EXPECT_EQ(lists->list(LineLists::kMain).rowCount(), 1); // the list shows what is left
    EXPECT_EQ(eventLog(), QString()); // nor does the log keep the discount
}

struct BetterCase {
    const char* what;
    double tabRate;
    const char* tabOverride;
    double splitRate;
    const char* splitOverride;
    const char* stopDisc;
    const char* name;
    double rate;
};

template <std::size_t N, typename Rule>
void expectRule(const BetterCase (&cases)[N], Rule rule) {
    for (const BetterCase& c : cases) {
        const LineDiscounts::NameRate got =
            rule({QStringLiteral("Tab"), c.tabRate}, QString::fromLatin1(c.tabOverride),
                 {QStringLiteral("Split"), c.splitRate}, QString::fromLatin1(c.splitOverride),
                 QString::fromLatin1(c.stopDisc));
        EXPECT_EQ(got.name, QString::fromLatin1(c.name)) << c.what;
        EXPECT_EQ(got.rate, c.rate) << c.what;
    }
}

TEST(LineDiscountsRule, AResetGivesTheBetterOfTheTabsAndTheSplitsDiscount) {
    const BetterCase cases[] = {
        {"a larger split discount", 5, "F", 10, "F", "F", "Split", 10},
        {"a smaller split discount", 10, "F", 5, "F", "F", "Tab", 10},
        {"equal rates keep the tab's", 10, "F", 10, "F", "F", "Tab", 10},
        {"a stop line with neither overriding", 10, "F", 15, "F", "T", "", 0},
        {"a stop line and an overriding tab", 10, "T", 15, "F", "T", "Tab", 10},
        {"a stop line and an overriding split", 10, "F", 15, "T", "T", "Split", 15},
        {"an empty mark stops as \"T\" does", 10, "F", 15, "F", "", "", 0},
        {"no discounts at all", 0, "", 0, "", "F", "Tab", 0},
    };
    expectRule(cases, &LineDiscounts::better);
}

TEST(LineDiscountsRule, ASplitPutOnALineTakesItsDiscountUnlessTheTabsIsLarger) {
    const BetterCase cases[] = {
        {"a 10 % split on a 10 % tab records the split", 10, "F", 10, "F", "F", "Split", 10},
        {"a 15 % tab beats a 10 % split", 15, "F", 10, "F", "F", "Tab", 15},
        {"a larger split discount", 5, "F", 10, "F", "F", "Split", 10},
        {"a stop line takes nothing from a split that does not override", 0, "", 10, "F", "T", "Split", 0},
        {"a stop line and an overriding split", 10, "F", 15, "T", "T", "Split", 15},
        {"a stop line and an overriding tab", 10, "T", 15, "F", "T", "Tab", 10},
        {"an empty mark stops as \"T\" does", 0, "", 15, "F", "", "Split", 0},
        {"a split without a discount on a discounted tab", 5, "F", 0, "", "F", "Tab", 5},
    };
    expectRule(cases, &LineDiscounts::forSplit);
}

TEST_F(LineDiscountsTest, ResetPutsEachLineBackOnItsTabsOrItsSplitsDiscount) {
    // Jones Catering (tab 10) has Regular, 5 %; the Birthday split has Happy Hour, 10 %.
    exec(QStringLiteral("UPDATE split SET discid = 5 WHERE ref = 'Company'"));
    line(1, 10, "Plain", "F");
    line(1, 10, "Birthday", "F", "Birthday");
    line(1, 10, "Company", "F", "Company");
    line(1, 10, "Pudding", "T", "Birthday");
    line(1, 10, "Unknown split", "F", "Nobody");
    LineDiscounts::apply(context(10), discount("Manager Comp", 100, "T"), 1, Scope::All);
    exec(QStringLiteral("UPDATE tabline1 SET discrate = 0, extprice = 10 WHERE itemname = 'Unknown split'"));
    const int before = eventLogSize();
    LineDiscounts::reset(context(10), 1, Scope::All);
    // Each discount the reset took off is on record as it was; a line without one is not.
    EXPECT_EQ(eventLog(before), QStringLiteral("Discount reset||Jones Catering|Plain|1|10|Manager Comp 100% ; "
                                         "Discount reset||Jones Catering|Birthday|1|10|Manager Comp 100% ; "
                                         "Discount reset||Jones Catering|Company|1|10|Manager Comp 100% ; "
                                         "Discount reset||Jones Catering|Pudding|1|10|Manager Comp 100%"));
    EXPECT_EQ(lines(), QStringList({"Plain|Regular|5|9.5", "Birthday|Happy Hour|10|9", "Company|Regular|5|9.5",
                                    "Pudding||0|10", "Unknown split|Regular|5|9.5"}));

    // A tab without a discount: its lines lose theirs.
    line(1, 3, "Table", "F");
    LineDiscounts::apply(context(3), discount("Happy Hour", 10), 1, Scope::All);
    LineDiscounts::reset(context(3), 1, Scope::One);
    EXPECT_EQ(lines().last(), QStringLiteral("Table||0|10"));
}

} // namespace
