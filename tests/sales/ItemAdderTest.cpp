#include "app/TerminalSettings.h"
#include "db/StoredProc.h"
#include "sales/ButtonCache.h"
#include "sales/GridPage.h"
#include "sales/ItemAdder.h"

#include "GTestSupport.h"
#include "TestDatabase.h"

using namespace pelora;

namespace {

class ItemAdderTest : public test::DemoDatabaseTest {
protected:
    void SetUp() override {
        DemoDatabaseTest::SetUp();
        settings.priceMode = QStringLiteral("1");
        settings.countMode = QStringLiteral("1");
        master.itemRequery = QStringLiteral("F");
        cache.load(db);
    }
    std::optional<ItemAdder::Added> add(int itemId, int tabId, bool fromDatabase = false) {
        const ItemAdder::Context c{db,    proc,  prompter, settings, master, cache, QStringLiteral("Bar"),
                                   QStringLiteral("Alex"), tabId};
        return ItemAdder::add(c, itemId, fromDatabase);
    }
    QString line(int id, const QString& column) {
        return scalar(QStringLiteral("SELECT %1 FROM tabline1 WHERE id = ?").arg(column), {id});
    }
    QString lines() { return scalar(QStringLiteral("SELECT COUNT(*) FROM tabline1")); }

    test::ScriptedPrompter prompter{test::gtestFailures()};
    db::StoredProc proc{db};
    TerminalSettings settings;
    MasterFlags master;
    ButtonCache cache;
};

TEST_F(ItemAdderTest, ALineCarriesTheItemAtThePriceLevel) {
    const auto added = add(8, 1); // Gin & Tonic on the NonTab
    ASSERT_TRUE(added);
    EXPECT_EQ(added->discRate, 0);
    const int id = added->lineId;
    EXPECT_EQ(line(id, QStringLiteral("itemname")), QStringLiteral("Gin & Tonic"));
    EXPECT_EQ(line(id, QStringLiteral("pcref")), QStringLiteral("Bar"));
    EXPECT_EQ(line(id, QStringLiteral("staffref")), QStringLiteral("Alex"));
    EXPECT_EQ(line(id, QStringLiteral("qty")), QStringLiteral("1"));
    EXPECT_EQ(line(id, QStringLiteral("price")), QStringLiteral("13"));
    EXPECT_EQ(line(id, QStringLiteral("tax")), QStringLiteral("1.1818"));
    EXPECT_EQ(line(id, QStringLiteral("extprice")), QStringLiteral("13"));
    EXPECT_EQ(line(id, QStringLiteral("adjcost")), QStringLiteral("4"));
    EXPECT_EQ(line(id, QStringLiteral("opt1caption")), QStringLiteral("Double"));
    EXPECT_EQ(line(id, QStringLiteral("opt1price")), QStringLiteral("6"));
    EXPECT_EQ(line(id, QStringLiteral("opt2prompt")), QStringLiteral("Garnish?"));
    EXPECT_EQ(line(id, QStringLiteral("opt1choice")), QString());
    EXPECT_EQ(line(id, QStringLiteral("outputname")), QStringLiteral("Bar"));
    EXPECT_EQ(line(id, QStringLiteral("processed")), QStringLiteral("F"));
    EXPECT_EQ(line(id, QStringLiteral("itemqty")), QStringLiteral("0"));

    settings.priceMode = QStringLiteral("2"); // House Red has no second price
    const auto red = add(5, 1);
    EXPECT_EQ(line(red->lineId, QStringLiteral("price")), QStringLiteral("0"));
    EXPECT_EQ(line(red->lineId, QStringLiteral("cost")), QStringLiteral("0"));
    const auto ale = add(2, 1);
    EXPECT_EQ(line(ale->lineId, QStringLiteral("price")), QStringLiteral("8"));
}

TEST_F(ItemAdderTest, NothingIsAddedWithoutATab) {
    prompter.expectInformation(QStringLiteral("First select a Tab."));
    EXPECT_FALSE(add(2, 0));
    EXPECT_EQ(lines(), QStringLiteral("0"));
}

TEST_F(ItemAdderTest, TheTabsDiscountWithinTheStopDiscountRule) {
    // Jones Catering has "Regular", 5 %, which does not override stop-discount items.
    const auto ale = add(2, 10);
    EXPECT_EQ(ale->discRate, 5);
    EXPECT_EQ(line(ale->lineId, QStringLiteral("discname")), QStringLiteral("Regular"));
    const auto sticky = add(16, 10); // refuses discounts
    EXPECT_EQ(sticky->discRate, 0);
    EXPECT_EQ(line(sticky->lineId, QStringLiteral("discname")), QStringLiteral("Regular"));
    exec(QStringLiteral("UPDATE item SET stopdisc = NULL WHERE id = 3"));
    cache.load(db);
    EXPECT_EQ(add(3, 10)->discRate, 0); // an empty flag refuses too

    exec(QStringLiteral("UPDATE tab SET discid = 4 WHERE id = 10")); // Manager Comp overrides
    EXPECT_EQ(add(16, 10)->discRate, 100);
    const auto table = add(2, 3); // a tab without a discount
    EXPECT_EQ(table->discRate, 0);
    EXPECT_EQ(line(table->lineId, QStringLiteral("discname")), QString());

    EXPECT_EQ(ItemAdder::lineRate(std::nullopt, u"T", u"F"), 0);
    EXPECT_EQ(ItemAdder::lineRate(10.0, u"F", u"F"), 10);
    EXPECT_EQ(ItemAdder::lineRate(10.0, u"F", u"T"), 0);
    EXPECT_EQ(ItemAdder::lineRate(10.0, u"T", u""), 10);
}

TEST_F(ItemAdderTest, ACountLineHoldsTheStockAndAnItemIsCountedOnce) {
    const auto counted = add(2, 2);
    ASSERT_TRUE(counted);
    EXPECT_EQ(line(counted->lineId, QStringLiteral("qty")), QStringLiteral("0"));
    EXPECT_EQ(line(counted->lineId, QStringLiteral("itemqty")), QStringLiteral("48"));
    prompter.expectInformation(QStringLiteral("Item: Pale Ale has already been counted."));
    EXPECT_FALSE(add(2, 2));
    exec(QStringLiteral("UPDATE tabline1 SET pcref = 'Deck'")); // counted on another terminal
    EXPECT_TRUE(add(2, 2));
}

TEST_F(ItemAdderTest, TheCacheServesUnlessTheItemIsReadAgain) {
    exec(QStringLiteral("UPDATE item SET name = 'Pale Ale Pint', price1 = 10 WHERE id = 2"));
    const auto cached = add(2, 1);
    EXPECT_EQ(line(cached->lineId, QStringLiteral("itemname")), QStringLiteral("Pale Ale"));
    const auto read = add(2, 1, true);
    EXPECT_EQ(line(read->lineId, QStringLiteral("itemname")), QStringLiteral("Pale Ale Pint"));
    EXPECT_EQ(line(read->lineId, QStringLiteral("price")), QStringLiteral("10"));
    master.itemRequery = QStringLiteral("T");
    EXPECT_EQ(line(add(2, 1)->lineId, QStringLiteral("itemname")), QStringLiteral("Pale Ale Pint"));
    // An item no button holds is read rather than added nameless and free.
    master.itemRequery = QStringLiteral("F");
    EXPECT_EQ(line(add(15, 1)->lineId, QStringLiteral("price")), QStringLiteral("14"));
    cache.clear();
    EXPECT_EQ(line(add(4, 1)->lineId, QStringLiteral("itemname")), QStringLiteral("Cider"));
}

TEST_F(ItemAdderTest, TheSlotsThatPromptByThemselvesInSlotOrder) {
    // Auto slots 5 and 2 with prompts, auto slot 3 without one (an on/off slot never prompts),
    // slot 7 with a prompt but not auto.
    exec(QStringLiteral("UPDATE item SET opt5caption = 'Side', opt5auto = 'T', opt5prompt = 'Which side?',"
                        " opt2caption = 'Sauce', opt2auto = 'T', opt2prompt = 'Which sauce?',"
                        " opt3caption = 'Extra', opt3auto = 'T', opt3prompt = '',"
                        " opt7caption = 'Note', opt7auto = 'F', opt7prompt = 'Anything else?',"
                        " opt1auto = 'F' WHERE id = 11"));
    master.itemRequery = QStringLiteral("T");
    EXPECT_EQ(add(11, 3)->autoOptions, (std::vector<int>{2, 5}));
    EXPECT_TRUE(add(2, 3)->autoOptions.empty());
    master.itemRequery = QStringLiteral("F"); // the cache, as loaded: the demo Steak asks how and which sauce
    EXPECT_EQ(add(11, 3)->autoOptions, (std::vector<int>{1, 2}));
}

class GridPageTest : public ItemAdderTest {};

TEST_F(GridPageTest, APageFromTheCacheIsItsRunOfRows) {
    const GridPage home = GridPage::fromCache(cache, 1, settings);
    ASSERT_EQ(home.buttons.size(), 9u);
    EXPECT_EQ(home.linkName, QStringLiteral("Home"));
    const GridPage::Button& drinks = home.buttons[0];
    EXPECT_TRUE(drinks.link);
    EXPECT_EQ(drinks.caption, QStringLiteral("Drinks >"));
    EXPECT_EQ(drinks.labelText, QString());
    EXPECT_EQ(drinks.box, QRect(10, 10, 130, 90));
    EXPECT_EQ(drinks.button, QRect(14, 14, 122, 65));
    EXPECT_EQ(drinks.label, QRect(14, 82, 122, 16));
    EXPECT_EQ(drinks.colour, 10508860u);
    const GridPage::Button& ale = home.buttons[2];
    EXPECT_FALSE(ale.link);
    EXPECT_EQ(ale.caption, QStringLiteral("Pale Ale"));
    EXPECT_EQ(ale.labelText, QStringLiteral("9.50 (48)"));
    EXPECT_EQ(ale.itemId, 2);
    EXPECT_EQ(GridPage::touchFromCache(cache, ale.tag).itemId, 2);
    EXPECT_EQ(GridPage::touchFromCache(cache, drinks.tag).linkId, 2);
    EXPECT_TRUE(GridPage::touchFromCache(cache, drinks.tag).showLink);

    const GridPage food = GridPage::fromCache(cache, 3, settings);
    ASSERT_EQ(food.buttons.size(), 8u);
    EXPECT_EQ(food.buttons[0].tag, 20); // after the 9 rows of Home and the 11 of Drinks
    EXPECT_EQ(food.buttons[5].labelText, QStringLiteral("13.00^ (15)")); // Sticky Date
    EXPECT_TRUE(food.buttons[6].stopped);                                // Oysters
    EXPECT_TRUE(GridPage::fromCache(cache, 0, settings).buttons.empty());
    EXPECT_TRUE(GridPage::fromCache(cache, 99, settings).buttons.empty());
}

TEST_F(GridPageTest, WithoutTheCacheTheButtonsAreOneLineHigh) {
    const GridPage home = GridPage::fromDatabase(db, 1, settings);
    ASSERT_EQ(home.buttons.size(), 9u);
    EXPECT_FALSE(home.cached);
    const GridPage::Button& ale = home.buttons[2];
    EXPECT_EQ(ale.tag, 3); // the li id
    EXPECT_EQ(ale.button.height(), 17);
    EXPECT_EQ(ale.label.top(), ale.box.top() + 22);
    EXPECT_EQ(ale.labelText, QStringLiteral("9.50 (48)"));
    EXPECT_EQ(GridPage::touchFromDatabase(db, 3).itemId, 2);
    EXPECT_EQ(GridPage::touchFromDatabase(db, 1).linkId, 2);
    EXPECT_TRUE(GridPage::fromDatabase(db, 0, settings).buttons.empty());
}

TEST_F(GridPageTest, PriceLabels) {
    settings.countMode = QStringLiteral("1");
    EXPECT_EQ(GridPage::labelFor(QStringLiteral("2.5"), QStringLiteral("F"), QStringLiteral("3"), settings),
              QStringLiteral("2.50 (3)"));
    EXPECT_EQ(GridPage::labelFor(QStringLiteral("0"), QStringLiteral("T"), QString(), settings),
              QStringLiteral("Unpriced"));
    EXPECT_EQ(GridPage::labelFor(QString(), QStringLiteral("F"), QStringLiteral("0"), settings),
              QStringLiteral("Unpriced (0)"));
    settings.countMode = QStringLiteral("0");
    EXPECT_EQ(GridPage::labelFor(QStringLiteral("1.2345"), QStringLiteral("T"), QStringLiteral("3"), settings),
              QStringLiteral("1.2345^"));
    EXPECT_EQ(GridPage::parseColour(QString()), std::nullopt);
    EXPECT_EQ(GridPage::parseColour(QStringLiteral("-16777201")), std::nullopt); // a system colour
    EXPECT_EQ(GridPage::parseColour(QStringLiteral("255")), 255u);
}

} // namespace
