#include "db/StoredProc.h"
#include "db/TextTable.h"
#include "sales/LineLists.h"
#include "sales/OptionSlots.h"
#include "sales/SalesCaches.h"

#include "GTestSupport.h"
#include "TestDatabase.h"

using namespace pelora;

namespace {

class OptionSlotsTest : public test::DemoDatabaseTest {
protected:
    void SetUp() override {
        DemoDatabaseTest::SetUp();
        lists = std::make_unique<LineLists>(db);
    }
    // A line of item 20 on table 1, priced 4.00 (tax 0.40), with three slots: 1 "Ice" on/off
    // priced 0.50, 2 "Size" with choices, 4 with no caption but amounts.
    void addLine(double qty = 1) {
        exec(QStringLiteral("INSERT INTO item (id, name, price1) VALUES (20, 'Juice', 4)"));
        exec(QStringLiteral(
                 "INSERT INTO tabline1 (id, pcref, tabid, itemid, itemname, qty, cost, price, tax, discrate,"
                 " adjcost, adjprice, adjtax, extcost, extprice, exttax,"
                 " opt1caption, opt1prompt, opt1forced, opt1cost, opt1price, opt1tax,"
                 " opt2caption, opt2prompt, opt2forced, opt4caption, opt4price)"
                 " VALUES (?, 'Bar', 3, 20, 'Juice', ?, 1, 4, 0.4, 0, 1, 4, 0.4, 1, 4, 0.4,"
                 " 'Ice', '', 'F', 0.1, 0.5, 0.05, 'Size', 'Which size?', 'T', '', 9)"),
             {proc.nextId(QStringLiteral("tabline1")), qty});
        lists->read({3, QStringLiteral("Bar"), true});
    }
    void addChoices() {
        exec(QStringLiteral("INSERT INTO opt (id, itemid, button, choice, cost, price, tax)"
                            " VALUES (90, 20, 2, 'Large', 0.5, 1.5, 0.1364)"));
        exec(QStringLiteral("INSERT INTO opt (id, itemid, button, choice, cost, price, tax)"
                            " VALUES (91, 20, 2, 'Small', NULL, NULL, NULL)"));
        exec(QStringLiteral("INSERT INTO opt (id, itemid, button, choice, price) VALUES (92, 20, 3, 'Other', 7)"));
    }
    QString stored(const QString& column) {
        return scalar(QStringLiteral("SELECT %1 FROM tabline1").arg(column));
    }
    OptionSlots::Slot slot(int n) const {
        return OptionSlots::slotsOf(lists->list(LineLists::kMain))[static_cast<std::size_t>(n - 1)];
    }

    db::StoredProc proc{db};
    std::unique_ptr<LineLists> lists;
};

TEST_F(OptionSlotsTest, OnlySlotsWithACaptionShowAndAnEmptyListShowsNone) {
    lists->read({3, QStringLiteral("Bar"), true});
    for (const OptionSlots::Slot& s : OptionSlots::slotsOf(lists->list(LineLists::kMain)))
        EXPECT_FALSE(s.shown());
    addLine();
    EXPECT_TRUE(slot(1).shown());
    EXPECT_TRUE(slot(1).onOff());
    EXPECT_TRUE(slot(2).shown());
    EXPECT_FALSE(slot(2).onOff());
    EXPECT_EQ(slot(2).forced, QStringLiteral("T"));
    EXPECT_FALSE(slot(4).shown()); // amounts but no caption
    EXPECT_FALSE(slot(1).chosen());
}

TEST_F(OptionSlotsTest, AnOnOffSlotSwitchesAndThePriceFollows) {
    addLine(2);
    OptionSlots::toggle(*lists, 1);
    EXPECT_TRUE(slot(1).chosen());
    EXPECT_EQ(stored(QStringLiteral("opt1choice")), QStringLiteral("T"));
    EXPECT_EQ(stored(QStringLiteral("adjprice")), QStringLiteral("4.5"));
    EXPECT_EQ(stored(QStringLiteral("extprice")), QStringLiteral("9"));
    EXPECT_EQ(lists->total(LineLists::kMain), Money::fromWhole(9));
    OptionSlots::toggle(*lists, 1);
    EXPECT_FALSE(slot(1).chosen());
    EXPECT_EQ(stored(QStringLiteral("adjprice")), QStringLiteral("4"));
    EXPECT_EQ(stored(QStringLiteral("extprice")), QStringLiteral("8"));
}

TEST_F(OptionSlotsTest, TheChoicesOfASlotFromTheCacheAndFromTheDatabaseAgree) {
    addChoices();
    const db::TextTable cache = loadOptionChoices(db);
    for (const db::TextTable* source : {&cache, static_cast<const db::TextTable*>(nullptr)}) {
        const std::vector<OptionSlots::Choice> found = OptionSlots::choices(db, source, 20, 2);
        ASSERT_EQ(found.size(), 2u) << (source ? "cache" : "database");
        EXPECT_EQ(found[0].listText(), QStringLiteral("Large (1.50)"));
        EXPECT_EQ(found[0].price, Money::fromUnits(15000));
        EXPECT_EQ(found[0].tax, Money::fromUnits(1364));
        EXPECT_EQ(found[1].listText(), QStringLiteral("Small")); // no price: the choice alone
        EXPECT_EQ(found[1].cost, Money());
        EXPECT_TRUE(OptionSlots::choices(db, source, 20, 5).empty());
    }
}

TEST_F(OptionSlotsTest, AChoicePricesTheLineAndClearingItPricesItWithoutAtOnce) {
    addLine();
    addChoices();
    const std::vector<OptionSlots::Choice> found = OptionSlots::choices(db, nullptr, 20, 2);
    OptionSlots::choose(*lists, 2, &found[0]);
    EXPECT_EQ(slot(2).choice, QStringLiteral("Large"));
    EXPECT_EQ(stored(QStringLiteral("adjprice")), QStringLiteral("5.5"));
    EXPECT_EQ(stored(QStringLiteral("adjtax")), QStringLiteral("0.5364"));
    EXPECT_EQ(stored(QStringLiteral("adjcost")), QStringLiteral("1.5"));
    EXPECT_EQ(stored(QStringLiteral("opt2price")), QStringLiteral("1.5"));

    OptionSlots::clear(*lists, 2);
    EXPECT_FALSE(slot(2).chosen());
    EXPECT_EQ(stored(QStringLiteral("extprice")), QStringLiteral("4"));

    OptionSlots::choose(*lists, 2, &found[0]);
    OptionSlots::choose(*lists, 2, nullptr); // nothing to choose from: empty, at no charge
    EXPECT_EQ(stored(QStringLiteral("opt2choice")), QString());
    EXPECT_EQ(stored(QStringLiteral("opt2price")), QStringLiteral("0"));
    EXPECT_EQ(stored(QStringLiteral("extprice")), QStringLiteral("4"));
}

TEST_F(OptionSlotsTest, TheTypedMessageIsKeptAndAChangeToADeletedLineShowsTheListsAsTheyAre) {
    addLine();
    OptionSlots::setMessage(*lists, QStringLiteral("No ice, \"cold\" glass"));
    EXPECT_EQ(stored(QStringLiteral("optmsg")), QStringLiteral("No ice, \"cold\" glass"));
    EXPECT_FALSE(OptionSlots::isProcessed(lists->list(LineLists::kMain)));

    exec(QStringLiteral("DELETE FROM tabline1")); // paid on another till
    EXPECT_ANY_THROW(OptionSlots::toggle(*lists, 1));
    EXPECT_FALSE(lists->hasLines(LineLists::kMain));
}

} // namespace
