#include "reports/DmyReport.h"
#include "reports/XReport.h"

#include "ReportFixture.h"

using namespace pelora;
using namespace pelora::report;
using test::at;
using test::money;

namespace {

// The bands as a reader sees them: a period's label, "Caption: name amount" under it, "-" for a
// blank line, and "Total".
QStringList outline(const Report& r) {
    QStringList lines;
    for (const Band& band : r.bands) {
        QString line = band.kind == BandKind::Summary ? QStringLiteral("Total") : QStringLiteral("-");
        for (const Cell& c : band.cells) {
            if (band.kind != BandKind::SubDetail && band.kind != BandKind::Summary && c.sheetColumn == dmy::Period)
                line = c.text;
            else if (band.kind == BandKind::SubDetail && c.sheetColumn == dmy::Breakdown)
                line = c.text + u':';
        }
        for (const int column : {dmy::Name, dmy::Amount})
            for (const Cell& c : band.cells)
                if (band.kind == BandKind::SubDetail && c.sheetColumn == column)
                    line += u' ' + c.text;
        lines << line;
    }
    return lines;
}

class DmyReportTest : public test::ReportTest {};

TEST_F(DmyReportTest, OneRowPerPeriodWithSalesInOrderAndGrandTotalsAsTheXReport) {
    sale(1, at(2024, 2, 20, 10), 4);
    sale(2, at(2023, 12, 31, 23), 1);
    sale(3, at(2024, 1, 1, 10), 2);
    sale(4, at(2024, 2, 20, 18), 8);
    sale(5, at(2024, 2, 21, 9), 16);
    sale(6, at(2024, 3, 1, 9), 32);
    exec(QStringLiteral("UPDATE recline SET extcost = extprice / 4, exttax = extprice / 10, disc = 0.5"));
    struct Case {
        PeriodGrouping grouping;
        RangeKind range;
        QDateTime from, to;
        QStringList labels;
        std::vector<Money> prices;
    };
    const Case cases[] = {
        {PeriodGrouping::Day, RangeKind::Daily, at(2023, 12, 31, 15), at(2024, 2, 20, 9),
         {test::shortDate(QDate(2023, 12, 31)), test::shortDate(QDate(2024, 1, 1)), test::shortDate(QDate(2024, 2, 20))},
         {money("1"), money("2"), money("12")}},
        {PeriodGrouping::Month, RangeKind::Monthly, at(2024, 1, 15), at(2024, 3, 15),
         {"2024 / 1", "2024 / 2", "2024 / 3"}, {money("2"), money("28"), money("32")}},
        {PeriodGrouping::Year, RangeKind::Yearly, at(2023, 12, 15), at(2024, 1, 15), {"2023", "2024"},
         {money("1"), money("62")}},
    };
    for (const Case& c : cases) {
        const ReportPeriod period = roundedPeriod(c.range, c.from, c.to);
        const DmyFigures figures = readDmyReport(db, c.grouping, period, test::only({}));
        QStringList labels;
        std::vector<Money> prices;
        for (const DmyRow& row : figures.rows) {
            labels << row.label;
            prices.push_back(row.totals.price);
        }
        EXPECT_EQ(labels, c.labels);
        EXPECT_EQ(prices, c.prices);

        const Report r = dmyReport(QStringLiteral("Daily"), figures);
        EXPECT_EQ(outline(r), c.labels + QStringList{"Total"});
        const ReportTotals x = readXReport(db, period, test::only({})).totals;
        const std::array<Money, 5> expected{x.cost, x.price, x.tax, x.margin, x.disc};
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(r.sum(BandKind::Summary, dmy::Cost + i), expected[static_cast<std::size_t>(i)])
                << c.labels.join(u',').toStdString() << " column " << i;
    }
}

TEST_F(DmyReportTest, ADayWithoutDiscountsHasNoDiscountRowsButKeepsItsSplits) {
    sale({.id = 1, .stamp = at(2024, 3, 1, 12)});
    line({.recId = 1, .qty = 3, .price = 27, .disc = 2.7, .discName = "Happy Hour", .split = "A"});
    sale({.id = 2, .stamp = at(2024, 3, 2, 12)});
    line({.recId = 2, .item = "Chips", .price = 5, .discName = "No Discount", .split = "B"});
    line({.recId = 2, .item = "Chips", .price = 5, .split = ""});
    const ReportPeriod period = roundedPeriod(RangeKind::Daily, at(2024, 3, 1), at(2024, 3, 2));
    const Report r = dmyReport(QStringLiteral("Daily"), readDmyReport(db, PeriodGrouping::Day, period,
                                                                      test::only({Breakdown::Discount, Breakdown::Split})));
    EXPECT_EQ(outline(r), (QStringList{test::shortDate(QDate(2024, 3, 1)), "Discount: Happy Hour 2.70", "Split: A 27.00",
                                       test::shortDate(QDate(2024, 3, 2)), "Split: B 5.00", "Total"}));
}

TEST(DmyLayoutTest, EmptyBreakdownsLeaveABlankLineAndEveryFigureStandsInItsColumn) {
    DmyFigures figures;
    DmyRow quiet{QStringLiteral("1/3/24"), {money("1"), money("2"), money("3"), money("4"), money("5")}, {}};
    DmyRow busy{QStringLiteral("2/3/24"), {}, {}};
    for (int b = 0; b < kBreakdownCount; ++b)
        busy.breakdowns[static_cast<std::size_t>(b)] = {{breakdownCaption(static_cast<Breakdown>(b)), money("12.5")}};
    figures.rows = {quiet, busy};
    const Report r = dmyReport(QStringLiteral("Daily"), figures);
    EXPECT_EQ(outline(r), (QStringList{"1/3/24", "-", "-", "-", "-", "-", "-", "2/3/24",
                                       "PCRef: PCRef 12.50", "StaffRef: StaffRef 12.5", "TabRef: TabRef 12.50",
                                       "MOP: MOP 12.50", "Item: Item 12.50", "Item Cat: Item Cat / Cat 12.50",
                                       "Discount: Discount 12.50", "Split: Split 12.50", "Total"}));

    // The period's totals in 17 mm fields; each breakdown's amount in 14 mm ending at its names.
    const Band& summary = r.bands.at(0);
    ASSERT_EQ(summary.cells.size(), 6u);
    for (int i = 0; i < 5; ++i) {
        const Cell& c = summary.cells[static_cast<std::size_t>(i + 1)];
        EXPECT_TRUE(c.leftMm == 23 + 19 * i && c.widthMm == 17 && c.align == Align::Right) << i;
        EXPECT_EQ(c.amount, Money::fromWhole(i + 1));
    }
    const double nameColumns[] = {131, 150, 170, 188, 205, 205, 220, 237};
    for (int b = 0; b < kBreakdownCount; ++b) {
        const Band& band = r.bands.at(static_cast<std::size_t>(8 + b));
        for (const Cell& c : band.cells) {
            if (c.sheetColumn == dmy::Amount) {
                EXPECT_TRUE(c.leftMm == nameColumns[b] - 14 && c.widthMm == 14 && c.align == Align::Right) << b;
            } else if (c.sheetColumn == dmy::Name) {
                EXPECT_EQ(c.leftMm, nameColumns[b]) << b;
            }
        }
    }
}

TEST(DmyLayoutTest, OnlyTickedBreakdownsHaveAHeadingAndItemsShareOneWithTheirCategories) {
    const auto headings = [](const BreakdownChoices& choices) {
        DmyFigures figures;
        figures.choices = choices;
        QStringList texts;
        for (const Cell& c : dmyReport(QStringLiteral("Daily"), figures).columnHeader)
            texts << c.text + u'@' + QString::number(c.leftMm);
        return texts.mid(6).join(u' ');
    };
    EXPECT_EQ(headings(test::only({Breakdown::Staff, Breakdown::ItemCat})), QStringLiteral("StaffRef@150 Item/Cat@205"));
    EXPECT_EQ(headings(BreakdownChoices{}),
              QStringLiteral("PCRef@131 StaffRef@150 TabRef@170 Mop@188 Item/Cat@205 Disc@220 SplitRef@237"));
    EXPECT_EQ(headings(test::only({})), QString());
}

} // namespace
