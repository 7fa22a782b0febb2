#include "reports/ReceiptReports.h"

#include "ReportFixture.h"

using namespace pelora;
using namespace pelora::report;
using test::at;
using test::money;

namespace {

class ReceiptReportsTest : public test::ReportTest {
protected:
    void SetUp() override {
        ReportTest::SetUp();
        sale({.id = 3, .stamp = at(2024, 3, 1, 10)});
        line({.recId = 3, .item = "Wine", .price = 12, .cost = 5, .tax = 1.09});
        sale({.id = 1, .stamp = at(2024, 3, 1, 12)});
        line({.recId = 1, .price = 9, .cost = 3, .tax = 0.82, .disc = 1});
        line({.recId = 1, .item = "Chips", .price = 5, .cost = 1.5, .tax = 0.45});
        sale({.id = 2, .stamp = at(2024, 3, 1, 11)}); // a receipt without lines
        exec(QStringLiteral("UPDATE recline SET opt1caption = 'Sauce', opt1choice = 'Pepper' WHERE itemname = 'Beer'"));
        exec(QStringLiteral("UPDATE recline SET opt2caption = 'Salt', opt2choice = 'T' WHERE itemname = 'Chips'"));
    }
    ReceiptReportFigures read(bool withLines) {
        return readReceiptReport(db, {at(2024, 3, 1), at(2024, 3, 2)}, withLines);
    }
};

TEST_F(ReceiptReportsTest, ReceiptsInIdOrderAndTheTotalLineIsTheSumOfTheRows) {
    const ReceiptReportFigures figures = read(false);
    EXPECT_FALSE(figures.receipts.at(1).sums.has_value());
    EXPECT_TRUE(figures.receipts.at(0).lines.empty());

    const Report r = receiptReport(QStringLiteral("Receipts"), figures);
    EXPECT_EQ(test::column(r, BandKind::Detail, receipts::Id), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(test::column(r, BandKind::Detail, receipts::Price), (QStringList{"14.00", "12.00"}));
    EXPECT_EQ(test::column(r, BandKind::Summary, receipts::Price), QStringList{"26.00"});
    for (int c = receipts::Cost; c <= receipts::Disc; ++c)
        EXPECT_EQ(r.sum(BandKind::Summary, c), r.sum(BandKind::Detail, c)) << c;
    EXPECT_EQ(r.sum(BandKind::Summary, receipts::Margin), money("16.5"));
}

TEST_F(ReceiptReportsTest, TheLineReportListsEachReceiptsLinesAndItsOwnTotalAgreesWithTheSubtotals) {
    const ReceiptReportFigures figures = read(true);
    EXPECT_EQ(figures.grand.price, money("26"));
    EXPECT_EQ(figures.grand.disc, money("1"));

    const Report r = receiptLineReport(QStringLiteral("Lines"), figures);
    EXPECT_EQ(test::column(r, BandKind::GroupHeader, receipts::Id), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(test::column(r, BandKind::Detail, receipts::Item),
              (QStringList{"Beer > Sauce: Pepper", "Chips > Salt", "Wine"}));
    EXPECT_EQ(test::column(r, BandKind::GroupFooter, receipts::Price), (QStringList{"14.00", "0.00", "12.00"}));
    for (int c = receipts::Cost; c <= receipts::Disc; ++c)
        EXPECT_EQ(r.sum(BandKind::Summary, c), r.sum(BandKind::GroupFooter, c)) << c;
    EXPECT_EQ(r.sum(BandKind::Summary, receipts::Cost), money("9.5"));
}

TEST(LineDescriptionTest, TheItemAndEachTakenOptionInSlotOrder) {
    struct Case {
        std::array<QString, 10> captions, choices;
        QString description;
    };
    const Case cases[] = {
        {{}, {}, "Steak"},
        {{"Cook"}, {}, "Steak"}, // an option not taken
        {{"Salt"}, {"T"}, "Steak > Salt"},
        {{"Cook", "Sauce"}, {"Rare", "T"}, "Steak > Cook: Rare + Sauce"},
        {{"Cook", "", "", "", "Side"}, {"", "", "", "", "Chips"}, "Steak > Side: Chips"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(lineDescription(QStringLiteral("Steak"), c.captions, c.choices), c.description);
}

} // namespace
