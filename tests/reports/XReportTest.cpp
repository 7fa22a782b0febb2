#include "db/Connection.h"
#include "reports/DmyReport.h"
#include "reports/ReceiptReports.h"
#include "reports/SplitReport.h"
#include "reports/XReport.h"

#include "../print/PrintFixture.h"
#include "ReportFixture.h"

using namespace pelora;
using test::at;
using test::money;

namespace {

const ReportPeriod kMarch1{at(2024, 3, 1), at(2024, 3, 2)};

class XReportTest : public test::ReportTest {
protected:
    XReportFigures read(const BreakdownChoices& choices = BreakdownChoices{}, const ReportPeriod& p = kMarch1) {
        return readXReport(db, p, choices);
    }
    static const BreakdownRows& rows(const XReportFigures& f, Breakdown b) {
        return f.breakdowns[static_cast<std::size_t>(b)].value();
    }
};

TEST_F(XReportTest, EveryReportTakesAReceiptStampedAtTheBeginAndLeavesOneStampedAtTheEnd) {
    const ReportPeriod shift{at(2024, 3, 1, 6), at(2024, 3, 2, 6)};
    sale(1, shift.begin.addSecs(-1), 1);
    sale(2, shift.begin, 10);
    sale(3, shift.end.addSecs(-1), 100);
    sale(4, shift.end, 1000);

    const XReportFigures x = read(BreakdownChoices{}, shift);
    EXPECT_EQ(x.totals.price, money("110"));
    EXPECT_EQ(rows(x, Breakdown::Item), (BreakdownRows{{"Beer", money("110")}}));
    EXPECT_EQ(rows(x, Breakdown::Pc), (BreakdownRows{{"Bar", money("110")}}));
    EXPECT_EQ(x.countText(), QStringLiteral("Tranx Count: 2 (Rev. Count: 0)"));

    const ReceiptReportFigures receipts = readReceiptReport(db, shift, true);
    EXPECT_EQ(receipts.receipts.size(), 2u);
    EXPECT_EQ(receipts.grand.price, money("110"));

    const DmyFigures daily = readDmyReport(db, PeriodGrouping::Day, shift, test::only({}));
    ASSERT_EQ(daily.rows.size(), 2u);
    EXPECT_EQ(daily.rows[0].totals.price + daily.rows[1].totals.price, money("110"));
    EXPECT_EQ(readSplitReport(db, shift, kAllCategories).at(0).price, money("110"));
}

TEST_F(XReportTest, TheDiscountIsTheLinesOwnAndAReversalCancelsItInEveryReport) {
    sale({.id = 1, .stamp = at(2024, 3, 1, 12)});
    line({.recId = 1, .qty = 3, .price = 27, .cost = 12, .tax = 2.45, .disc = 2.7, .discName = "Happy Hour"});
    sale({.id = 2, .stamp = at(2024, 3, 1, 13), .revRecId = 0});
    line({.recId = 2, .item = "Chips", .price = 5, .cost = 2, .tax = 0.45, .discName = "No Discount"});

    XReportFigures x = read();
    EXPECT_EQ(x.totals.cost, money("14"));
    EXPECT_EQ(x.totals.price, money("32"));
    EXPECT_EQ(x.totals.tax, money("2.9"));
    EXPECT_EQ(x.totals.margin, money("18"));
    EXPECT_EQ(x.totals.disc, money("2.7"));
    EXPECT_EQ(rows(x, Breakdown::Discount), (BreakdownRows{{"Happy Hour", money("2.7")}}));
    EXPECT_EQ(x.countText(), QStringLiteral("Tranx Count: 2 (Rev. Count: 0)"));

    // The reversal mirrors the sale: negative quantity, amounts and discount.
    sale({.id = 3, .stamp = at(2024, 3, 1, 14), .revRecId = 1});
    line({.recId = 3, .qty = -3, .price = -27, .cost = -12, .tax = -2.45, .disc = -2.7, .discName = "Happy Hour"});
    x = read();
    EXPECT_EQ(x.totals.disc, Money());
    EXPECT_EQ(x.totals.price, money("5"));
    EXPECT_EQ(rows(x, Breakdown::Discount), (BreakdownRows{{"Happy Hour", Money()}}));
    EXPECT_EQ(x.countText(), QStringLiteral("Tranx Count: 2 (Rev. Count: 1)"));
    const DmyFigures daily = readDmyReport(db, PeriodGrouping::Day, kMarch1, test::only({Breakdown::Discount}));
    EXPECT_EQ(daily.rows.at(0).totals.disc, Money());
    EXPECT_EQ(daily.rows[0].breakdowns[static_cast<std::size_t>(Breakdown::Discount)],
              (BreakdownRows{{"Happy Hour", Money()}}));
    const ReceiptReportFigures receipts = readReceiptReport(db, kMarch1, true);
    EXPECT_EQ(receipts.receipts.at(0).sums->disc, money("2.7"));
    EXPECT_EQ(receipts.receipts.at(0).lines.at(0).amounts.disc, money("2.7"));
    EXPECT_EQ(receipts.receipts.at(2).sums->disc, money("-2.7"));
    EXPECT_EQ(receipts.grand.disc, Money());
}

TEST_F(XReportTest, BreakdownsGroupByNameLeaveOutLinesWithoutDiscountOrSplitAndAreOrderedAsChosen) {
    exec(QStringLiteral("INSERT INTO icat (itemid, cat) VALUES (20, 'Drinks')"));
    exec(QStringLiteral("INSERT INTO icat (itemid, cat) VALUES (20, 'Alcohol')"));
    exec(QStringLiteral("INSERT INTO icat (itemid, cat) VALUES (21, 'Food')"));
    sale({.id = 1, .stamp = at(2024, 3, 1, 12)});
    line({.recId = 1, .price = 9, .disc = 1, .discName = "Staff 10%", .split = "A", .itemId = 20});
    line({.recId = 1, .item = "Chips", .price = 5, .discName = "No Discount", .split = "", .itemId = 21});
    sale({.id = 2, .stamp = at(2024, 3, 1, 13), .pc = "Door", .staff = "Ben", .tab = "Table 2", .mop = "Card"});
    line({.recId = 2, .item = "Water", .price = 2, .discName = "", .itemId = 22});
    line({.recId = 2, .price = 9, .itemId = 20});

    BreakdownChoices byName;
    for (BreakdownChoice& c : byName)
        c.order = BreakdownOrder::Name;
    const XReportFigures x = read(byName);
    const std::pair<Breakdown, BreakdownRows> cases[] = {
        {Breakdown::Pc, {{"Bar", money("14")}, {"Door", money("11")}}},
        {Breakdown::Staff, {{"Anna", money("14")}, {"Ben", money("11")}}},
        {Breakdown::Tab, {{"Table 1", money("14")}, {"Table 2", money("11")}}},
        {Breakdown::Mop, {{"Card", money("11")}, {"Cash", money("14")}}},
        {Breakdown::Item, {{"Beer", money("18")}, {"Chips", money("5")}, {"Water", money("2")}}},
        // Beer counts in both its categories; Water, in none, forms the group without a name.
        {Breakdown::ItemCat, {{"", money("2")}, {"Alcohol", money("18")}, {"Drinks", money("18")}, {"Food", money("5")}}},
        {Breakdown::Discount, {{"Staff 10%", money("1")}}},
        {Breakdown::Split, {{"A", money("9")}}},
    };
    for (const auto& [breakdown, expected] : cases)
        EXPECT_EQ(rows(x, breakdown), expected) << breakdownCaption(breakdown).toStdString();

    // Ordered as chosen; the unticked ones are not read: the totals, two breakdowns, the counts.
    const std::pair<BreakdownOrder, QString> orders[] = {
        {BreakdownOrder::SumDescending, "Cash Card / Beer Chips Water"},
        {BreakdownOrder::SumAscending, "Card Cash / Water Chips Beer"},
        {BreakdownOrder::Name, "Card Cash / Beer Chips Water"},
    };
    for (const auto& [order, expected] : orders) {
        BreakdownChoices choices = test::only({Breakdown::Mop, Breakdown::Item});
        choices[static_cast<std::size_t>(Breakdown::Mop)].order = order;
        choices[static_cast<std::size_t>(Breakdown::Item)].order = order;
        int statements = 0;
        db.setStatementHook([&](const QString&) { ++statements; });
        const XReportFigures chosen = read(choices);
        db.setStatementHook({});
        QStringList names;
        for (const Breakdown b : {Breakdown::Mop, Breakdown::Item})
            for (const BreakdownRow& r : rows(chosen, b))
                names << r.name;
        names.insert(2, QStringLiteral("/"));
        EXPECT_EQ(names.join(u' '), expected) << orderCaption(order).toStdString();
        EXPECT_EQ(statements, 4);
        EXPECT_FALSE(chosen.breakdowns[static_cast<std::size_t>(Breakdown::Pc)].has_value());
    }
}


// The figures describe one moment: a sale another till commits while the report reads is in
// none of them.
TEST_F(XReportTest, TotalsBreakdownsAndCountsComeFromOneSnapshot) {
    sale(1, at(2024, 3, 1, 12), 9);
    db::Connection other;
    other.connect(database.admin1());
    // Runs `report` with a sale committed on the other till once its first statement has run.
    const auto whileSelling = [&](const auto& report) {
        exec(QStringLiteral("DELETE FROM recline WHERE recid = 2"));
        exec(QStringLiteral("DELETE FROM receipt WHERE id = 2"));
        int statements = 0;
        db.setStatementHook([&](const QString&) {
            if (++statements != 2)
                return;
            db::Transaction tx(other);
            writeSale(other, {.id = 2, .stamp = at(2024, 3, 1, 13), .pc = "Door"});
            writeLine(other, 100, {.recId = 2, .item = "Wine", .price = 20});
            tx.commit();
        });
        const auto figures = report();
        db.setStatementHook({});
        return figures;
    };
    const XReportFigures x = whileSelling([&] { return read(); });
    EXPECT_EQ(x.totals.price, money("9"));
    EXPECT_EQ(rows(x, Breakdown::Pc), (BreakdownRows{{"Bar", money("9")}}));
    EXPECT_EQ(rows(x, Breakdown::Item), (BreakdownRows{{"Beer", money("9")}}));
    EXPECT_EQ(x.tranxCount, 1);
    EXPECT_EQ(read().totals.price, money("29")); // it was committed, inside the period

    const DmyFigures daily = whileSelling([&] { return readDmyReport(db, PeriodGrouping::Day, kMarch1, {}); });
    ASSERT_EQ(daily.rows.size(), 1u);
    EXPECT_EQ(daily.rows[0].totals.price, money("9"));
    EXPECT_EQ(daily.rows[0].breakdowns[static_cast<std::size_t>(Breakdown::Pc)], (BreakdownRows{{"Bar", money("9")}}));
    EXPECT_EQ(daily.rows[0].breakdowns[static_cast<std::size_t>(Breakdown::Item)], (BreakdownRows{{"Beer", money("9")}}));
    EXPECT_EQ(readDmyReport(db, PeriodGrouping::Day, kMarch1, {}).rows[0].totals.price, money("29"));
}

QString blanks(int n) { return QString(n, u' '); }

XReportFigures paperFigures() {
    XReportFigures f;
    f.totals = {money("123.45"), money("300"), money("27.27"), money("176.55"), Money()};
    f.breakdowns[static_cast<std::size_t>(Breakdown::Pc)] = BreakdownRows{{"Bar", money("300")}};
    f.breakdowns[static_cast<std::size_t>(Breakdown::Tab)] = BreakdownRows{{QString(35, u'T'), money("12.5")}};
    f.breakdowns[static_cast<std::size_t>(Breakdown::Item)] = BreakdownRows{};
    f.breakdowns[static_cast<std::size_t>(Breakdown::ItemCat)] = BreakdownRows{};
    f.breakdowns[static_cast<std::size_t>(Breakdown::Discount)] = BreakdownRows{};
    f.tranxCount = 3;
    f.revCount = 1;
    return f;
}

TEST(XPaperTest, FiguresStandRightAlignedAndTheTitleAndCountLineAsTheyAre) {
    XReportFigures f = paperFigures();
    const QStringList expected{
        QStringLiteral("X from today"),
        blanks(25) + QStringLiteral("Cost:    123.45"),
        blanks(24) + QStringLiteral("Price:    300.00"),
        blanks(26) + QStringLiteral("Tax:     27.27"),
        blanks(23) + QStringLiteral("Margin:    176.55"),
        blanks(25) + QStringLiteral("Disc:      0.00"),
        QString(),
        blanks(28) + QStringLiteral("PC     Price"),
        blanks(27) + QStringLiteral("Bar    300.00"),
        QString(),
        blanks(27) + QStringLiteral("Tab     Price"),
        u' ' + QString(35, u'T') + QStringLiteral("     12.50"), // past the width, one space before
        QString(),
        blanks(30) + QStringLiteral("Item Empty"),
        QString(),
        blanks(30) + QStringLiteral("Item Empty"),
        QString(),
        blanks(25) + QStringLiteral("Disc Unassigned"),
        QString(),
        QStringLiteral("Tranx Count: 3 (Rev. Count: 1)"),
    };
    EXPECT_EQ(xPaperLines(QStringLiteral("X from today"), f, 40), expected);

    f.breakdowns[static_cast<std::size_t>(Breakdown::Pc)] = BreakdownRows{};
    EXPECT_EQ(xPaperLines(QStringLiteral("X from today"), f, 40).at(7),
              QString(blanks(27) + QStringLiteral("PC Unassigned")));
}

class XPrintTest : public test::PrintTest {
protected:
    void print() { printXReport(printing(), QStringLiteral("X from today"), paperFigures()); }
};

TEST_F(XPrintTest, ThePaperGoesToTheXOutputFramedLikeEveryOtherPaper) {
    outputs.load(db, kTill);
    print(); // no "X" output on this terminal
    addOutput(1, QStringLiteral("X"), QStringLiteral("Office"), {{QStringLiteral("bcpl"), 0}});
    print();
    EXPECT_TRUE(spooler.documents.empty());

    exec(QStringLiteral("DELETE FROM od"));
    addOutput(2, QStringLiteral("X"), QStringLiteral("Office"),
              {{QStringLiteral("bcpl"), 40}, {QStringLiteral("begincode1"), "#27#64"},
               {QStringLiteral("htext"), "THE CORNER BAR"}, {QStringLiteral("ejectlines"), 2},
               {QStringLiteral("endcode1"), "#29#86#0"}});
    print();
    ASSERT_EQ(spooler.documents.size(), 1u);
    QByteArray expected = "\x1b@THE CORNER BAR\r\n";
    for (const QString& l : xPaperLines(QStringLiteral("X from today"), paperFigures(), 40))
        expected += l.toLatin1() + "\r\n";
    expected += "\n\n" + QByteArray("\x1dV\0", 3);
    EXPECT_EQ(spooler.documents[0].printer, QStringLiteral("Office"));
    EXPECT_EQ(spooler.documents[0].bytes, expected);

    // An X paper the printer refuses is said, so that the manager prints it again.
    spooler.refuseStart = true;
    try {
        print();
        ADD_FAILURE() << "the refused X paper passed as printed";
    } catch (const PrintError& failure) {
        EXPECT_EQ(failure.message(), QStringLiteral("Printer Office did not take the X report."));
    }
}

} // namespace
