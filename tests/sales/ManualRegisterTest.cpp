#include "db/StoredProc.h"
#include "db/TextTable.h"
#include "sales/LineDiscounts.h"
#include "sales/LineLists.h"
#include "sales/ManualRegister.h"
#include "tabs/SplitLines.h"

#include "GTestSupport.h"
#include "ScriptedPrompter.h"
#include "TestDatabase.h"

using namespace pelora;

namespace {

// Presses the keys in turn: "x", "C" and digits or ".".
ManualRegister keyed(std::initializer_list<const char*> keys) {
    ManualRegister r;
    for (const char* k : keys) {
        if (QLatin1String(k) == QLatin1String("x"))
            r.times();
        else
            r.key(QChar::fromLatin1(k[0]));
    }
    return r;
}

TEST(ManualRegisterKeys, TheDisplayFollowsTheKeys) {
    EXPECT_EQ(keyed({"1", "2", ".", "5", "x", "3"}).display(), QStringLiteral("12.5 x 3"));
    EXPECT_EQ(keyed({"x"}).display(), QStringLiteral("0"));             // no entry, no quantity
    EXPECT_EQ(keyed({"5", "x", "x", "2"}).display(), QStringLiteral("5 x 2")); // one " x " only
    EXPECT_EQ(keyed({"5", "x", "2", "x"}).display(), QStringLiteral("5 x 2"));
    EXPECT_EQ(keyed({"4", "C", "7"}).display(), QStringLiteral("7"));
    EXPECT_EQ(keyed({"0", "0", "3"}).display(), QStringLiteral("3")); // "0" keeps starting afresh
    EXPECT_EQ(keyed({".", "5"}).display(), QStringLiteral(".5"));
}

TEST(ManualRegisterKeys, AddCountsOneWhenNoQuantityWasKeyed) {
    ManualRegister four = keyed({"4"}), twice = keyed({"4", "x", "2"}), empty;
    EXPECT_TRUE(four.completeForAdd());
    EXPECT_TRUE(twice.completeForAdd());
    EXPECT_FALSE(empty.completeForAdd());
    EXPECT_EQ(QStringList({four.display(), twice.display(), empty.display()}),
              QStringList({"4 x 1", "4 x 2", "0"}));
}

TEST(ManualRegisterKeys, OnlyANumberTimesAQuantityALineCanTakeIsAnEntry) {
    const auto entry = keyed({"1", "2", ".", "5", "x", "3"}).entry();
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->price, Money::parse(u"12.5"));
    EXPECT_EQ(entry->qty, 3);
    EXPECT_FALSE(keyed({"5", "x"}).entry());                     // no quantity
    EXPECT_FALSE(keyed({"5"}).entry());                          // no " x "
    EXPECT_FALSE(keyed({"1", ".", "2", ".", "3", "x", "1"}).entry()); // no number
    EXPECT_FALSE(keyed({"5", "x", "1", ".", "."}).entry());
    EXPECT_FALSE(keyed({"2", "x", "1", "0", "0", "0", "0", "0"}).entry()); // a finger slip past the most
    // A line above 99,999.99 is no sale a finger meant.
    EXPECT_FALSE(keyed({"9", "9", "9", "9", "9", "x", "9", "9", "9", "9", "9"}).entry());
    EXPECT_FALSE(keyed({"2", "x", "5", "0", "0", "0", "0"}).entry());
    EXPECT_FALSE(keyed({"1", "0", "0", "0", "0", "0", "x", "1"}).entry());
    EXPECT_TRUE(keyed({"9", "9", "9", "9", "9", ".", "9", "9", "x", "1"}).entry());
    EXPECT_TRUE(keyed({"1", "x", "9", "9", "9", "9", "9"}).entry());
    EXPECT_FALSE(keyed({"1", "x", "0", ".", "0", "0", "4", "5"}).entry()); // a fourth decimal
    EXPECT_TRUE(keyed({"1", "x", "0", ".", "0", "0", "5"}).entry());
}

class ManualRegisterTest : public test::DemoDatabaseTest {
protected:
    void TearDown() override {
        prompter.verify();
        DemoDatabaseTest::TearDown();
    }
    std::optional<int> add(ManualRegister& r, int tabId) {
        const ManualRegister::Context c{db,    proc,   prompter, QStringLiteral("Bar"), QStringLiteral("Alex"),
                                        tabId, QStringLiteral("Cake"), 0.3, 0.1, QStringLiteral("Kitchen")};
        return r.add(c);
    }
    // The columns of line `id` (or of list 1's first line), joined by "|"; a null is empty.
    QString line(const QString& columns, int id = 0) {
        const QString where = id > 0 ? QStringLiteral(" WHERE id = %1").arg(id) : QString();
        const db::TextTable rows =
            db::TextTable::load(db, QStringLiteral("SELECT %1 FROM tabline1%2 ORDER BY id").arg(columns, where));
        const db::TextTable::TextRow& row = rows.row(0);
        return QStringList(row.begin(), row.end()).join(u'|');
    }
    QString count() { return scalar(QStringLiteral("SELECT COUNT(*) FROM tabline1")); }

    db::StoredProc proc{db};
    test::ScriptedPrompter prompter{test::gtestFailures()};
};

TEST_F(ManualRegisterTest, ALineCarriesTheTypedPriceAndTheLayoutsRates) {
    ManualRegister r = keyed({"1", "2", ".", "5", "x", "3"});
    const auto id = add(r, 10);
    ASSERT_TRUE(id);
    EXPECT_EQ(r.display(), QStringLiteral("0"));
    EXPECT_EQ(line(QStringLiteral("itemid, itemname, qty, price, extprice"), *id),
              QStringLiteral("1|Cake|3|12.5|37.5"));
    // 12.5 × 0.3 and × 0.1, each product to four decimals.
    EXPECT_EQ(line(QStringLiteral("cost, tax, adjcost, adjtax, extcost, exttax"), *id),
              QStringLiteral("3.75|1.25|3.75|1.25|11.25|3.75"));
    EXPECT_EQ(line(QStringLiteral("pcref, staffref, tabid, discname, outputname, processed, stopdisc"), *id),
              QStringLiteral("Bar|Alex|10|No Discount|Kitchen|F|F"));
    EXPECT_EQ(line(QStringLiteral("discrate, splitref, itemqty, opt1caption"), *id), QStringLiteral("|||"));

    ManualRegister odd = keyed({"0", ".", "3", "3", "3", "3", "3", "x", "3"}); // rounded on the way in
    const auto oddId = add(odd, 10);
    ASSERT_TRUE(oddId);
    EXPECT_EQ(line(QStringLiteral("price, extprice, cost"), *oddId),
              QStringLiteral("0.3333|0.9999|0.1"));
    EXPECT_EQ(eventLog(), QStringLiteral("Manual register||Jones Catering|Cake|3|37.5| ; "
                                         "Manual register||Jones Catering|Cake|3|0.9999|"));
}

TEST_F(ManualRegisterTest, NothingIsAddedWithoutATabOrAnEntry) {
    ManualRegister r = keyed({"5"});
    r.completeForAdd();
    prompter.expectInformation(QStringLiteral("First select a Tab."));
    EXPECT_FALSE(add(r, 0));
    EXPECT_EQ(r.display(), QStringLiteral("5 x 1"));

    ManualRegister noQty = keyed({"5", "x"});
    prompter.expectInformation(QStringLiteral("Invalid input."));
    EXPECT_FALSE(add(noQty, 10));
    EXPECT_EQ(noQty.display(), QStringLiteral("5 x "));

    ManualRegister empty; // "Add" on "0" only asks for a tab
    EXPECT_FALSE(add(empty, 10));
    EXPECT_EQ(count(), QStringLiteral("0"));
}

TEST_F(ManualRegisterTest, ADatabaseFailureKeepsTheEntry) {
    ManualRegister r = keyed({"5", "x", "2"});
    const ManualRegister::Context c{db,     proc, prompter, QStringLiteral("Bar"), QStringLiteral("Alex"), 10,
                                    QStringLiteral("A name far longer than twenty characters"), 0, 0, QString()};
    prompter.expectInformation(QStringLiteral("Invalid input."));
    EXPECT_FALSE(r.add(c));
    EXPECT_EQ(r.display(), QStringLiteral("5 x 2"));
    EXPECT_EQ(count(), QStringLiteral("0"));

    // A line that cannot be put on record is not added either.
    db.setStatementHook([](const QString& sql) {
        if (sql.startsWith(QStringLiteral("INSERT INTO eventlog")))
            throw std::runtime_error("connection lost");
    });
    prompter.expectInformation(QStringLiteral("Invalid input."));
    EXPECT_FALSE(add(r, 10));
    db.setStatementHook({});
    EXPECT_EQ(r.display(), QStringLiteral("5 x 2"));
    EXPECT_EQ(count(), QStringLiteral("0"));
    EXPECT_EQ(eventLog(), QString());
}

// A manual line takes discounts like any item that does not refuse them, on every path.
TEST_F(ManualRegisterTest, EveryDiscountReachesAManualLine) {
    LineLists lists(db);
    // Jones Catering (tab 10) gives Regular, 5 %.
    ManualRegister r = keyed({"1", "0", "x", "1"});
    ASSERT_TRUE(add(r, 10));
    lists.read({10, QStringLiteral("Bar"), true});
    const SplitLines::Context split{db, proc, lists, prompter, 10};
    ASSERT_TRUE(SplitLines::put(split, {4, "Birthday", "Parties", "Birthday party", "Happy Hour", 10, "F"}));
    EXPECT_EQ(line(QStringLiteral("discname, discrate, extprice")),
              QStringLiteral("Happy Hour|10|9"));

    const LineDiscounts::Context c{db, proc, lists, QStringLiteral("Bar"), 10};
    LineDiscounts::apply(c, {QStringLiteral("Staff"), 20, QStringLiteral("F")}, 1, LineDiscounts::Scope::All);
    EXPECT_EQ(line(QStringLiteral("discname, extprice")), QStringLiteral("Staff|8"));
    LineDiscounts::reset(c, 1, LineDiscounts::Scope::All); // the split's 10 beats the tab's 5
    EXPECT_EQ(line(QStringLiteral("discname, extprice")),
              QStringLiteral("Happy Hour|9"));
}

} // namespace
