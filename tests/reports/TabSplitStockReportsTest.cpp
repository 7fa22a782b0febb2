#include "reports/AccountReport.h"
#include "reports/InventoryReport.h"
#include "reports/SplitReport.h"

#include "ReportFixture.h"

using namespace pelora;
using namespace pelora::report;
using test::at;
using test::money;

namespace {

class TabSplitStockReportsTest : public test::ReportTest {
protected:
    void tab(int id, const char* name, double balance, double crRecBal, const char* crStop = "F") {
        exec(QStringLiteral("INSERT INTO tab (id, ref, name, balance, crrecbal, crstop) VALUES (?, ?, ?, ?, ?, ?)"),
             {id, QStringLiteral("T%1").arg(id), name, balance, crRecBal, crStop});
    }
    void account(int id, int tabId, double cr) { sale({.id = id, .stamp = at(2024, 3, 1, 12), .tabId = tabId, .cr = cr}); }
};

TEST_F(TabSplitStockReportsTest, ARecountAddsTheReceiptsAfterTheLastCountedOrCountsThemAll) {
    tab(5, "Smith", 12.5, 0);
    account(100, 5, 30);
    account(140, 5, -30);
    account(150, 5, 12.5);
    account(160, 1, 7); // the NonTab keeps no account
    struct Case {
        Recount recount;
        double crRecBal;
        int crRecId;
        QString after;
        bool noted; // the receipt balance disagrees and is shown beside the balance
    };
    const Case cases[] = {
        {Recount::Incremental, 0, 140, "12.5|150", false},
        {Recount::Full, 99, 150, "12.5|150", false},
        {Recount::Incremental, 99, 150, "99|150", true}, // nothing after the last counted
    };
    for (const Case& c : cases) {
        exec(QStringLiteral("UPDATE tab SET crrecbal = ?, crrecid = ? WHERE id = 5"), {c.crRecBal, c.crRecId});
        recountAccounts(db, c.recount);
        EXPECT_EQ(rows(QStringLiteral("SELECT crrecbal, crrecid FROM tab WHERE id = 5")), c.after);
        const std::vector<AccountRow> listed = readAccountRows(db);
        ASSERT_EQ(listed.size(), 1u);
        EXPECT_EQ(listed[0].ref, QStringLiteral("T5"));
        EXPECT_EQ(test::column(accountReport(QStringLiteral("Accounts"), listed), BandKind::Detail, 2).size(),
                  c.noted ? 1 : 0);
    }
    EXPECT_EQ(rows(QStringLiteral("SELECT crrecbal, crrecid FROM tab WHERE id = 1")), QStringLiteral("0|0"));
}

TEST_F(TabSplitStockReportsTest, TheAccountReportListsTabsThatOweOrDisagreeByName) {
    tab(10, "Zed", 0, 0);
    tab(11, "Brown", 0, 5);
    tab(12, "Adams", 20, 20, "T");
    tab(13, "Clark", -3, -3);
    const Report r = accountReport(QStringLiteral("Accounts"), readAccountRows(db));
    EXPECT_EQ(test::column(r, BandKind::Detail, 0), (QStringList{"T12", "T11", "T13"}));
    EXPECT_EQ(test::column(r, BandKind::Detail, 1), (QStringList{"20.00", "0.00", "-3.00"}));
    EXPECT_EQ(test::column(r, BandKind::Detail, 2), QStringList{"/  5.00"});
    EXPECT_EQ(test::column(r, BandKind::Detail, 4), (QStringList{"Stopped", "", ""}));
}

TEST_F(TabSplitStockReportsTest, SplitsAreSummedSmallestFirstWithinTheirCategory) {
    exec(QStringLiteral("INSERT INTO split (id, ref, cat, name, street1, suburb, postcode, mphone)"
                        " VALUES (1, 'A', 'Wedding', 'Jones', '1 Main St', 'Town', '2000', '0400')"));
    for (const char* split : {"2, 'B', 'Corporate'", "3, 'C', ''", "4, 'D', NULL", "5, 'E', 'Wedding'"})
        exec(QStringLiteral("INSERT INTO split (id, ref, cat) VALUES (%1)").arg(split));
    EXPECT_EQ(splitCategories(db), (QStringList{"All Categories", "Corporate", "Wedding"}));

    sale({.id = 1, .stamp = at(2024, 3, 1, 12)});
    line({.recId = 1, .price = 20, .split = "A"});
    line({.recId = 1, .price = 5, .split = "B"});
    line({.recId = 1, .price = 3, .split = ""});
    line({.recId = 1, .price = 4});
    line({.recId = 1, .price = 1, .split = "C"});
    sale({.id = 2, .stamp = at(2024, 3, 2, 12)});
    line({.recId = 2, .price = 50, .split = "A"}); // another day
    const ReportPeriod march1{at(2024, 3, 1), at(2024, 3, 2)};
    const auto summary = [&](const QString& category) {
        QStringList texts;
        for (const SplitReportRow& row : readSplitReport(db, march1, category))
            texts << row.ref + u'=' + row.price.toString() + u'|' + row.name + u'|' + row.address;
        return texts;
    };
    EXPECT_EQ(summary(kAllCategories),
              (QStringList{"C=1.00||", "B=5.00||", "=7.00||", "A=20.00|Jones|1 Main St Town 2000  0400"}));
    EXPECT_EQ(summary(QStringLiteral("Wedding")), QStringList{"A=20.00|Jones|1 Main St Town 2000  0400"});
}

TEST(SplitAddressTest, EachPartThatIsThereWithItsBlanks) {
    const std::pair<QStringList, QString> cases[] = {
        {{"1 Main St", "Unit 2", "Town", "NSW", "2000", "h1", "w1", "m1"}, "1 Main St Unit 2 Town NSW 2000  h1  w1  m1"},
        {{"", "", "", "", "", "", "", "m1"}, "m1"},
        {{"", "", "Town", "", "2000", "", "w1", ""}, "Town 2000  w1  "},
        {{"", "", "", "", "", "", "", ""}, ""},
    };
    for (const auto& [parts, address] : cases)
        EXPECT_EQ(splitAddress(parts), address);
}

TEST_F(TabSplitStockReportsTest, InventoryListsItemsInStockByNameWithTheirSums) {
    for (const char* item : {"20, 'Beer', 2, 1.5, 4, 0.36", "21, 'Ghost', -1, 1, 1, 1", "22, 'Wine', 0, 5, 9, 0.8",
                             "23, 'Apple', 3, 0.5, 1, 0.1"})
        exec(QStringLiteral("INSERT INTO item (id, name, qty, cost1, price1, tax1) VALUES (%1)").arg(item));
    const Report r = inventoryReport(db, QStringLiteral("Stock"));
    EXPECT_EQ(test::column(r, BandKind::Detail, 1), (QStringList{"Apple", "Beer", "Manual", "Wine"}));
    EXPECT_EQ(test::column(r, BandKind::Detail, 2), (QStringList{"1.50", "3.00", "0.00", "0.00"}));
    EXPECT_EQ(test::column(r, BandKind::Summary, 2), QStringList{"4.50"});
    EXPECT_EQ(test::column(r, BandKind::Summary, 3), QStringList{"11.00"});
    EXPECT_EQ(test::column(r, BandKind::Summary, 4), QStringList{"1.02"});
}

} // namespace
