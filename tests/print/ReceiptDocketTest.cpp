#include "common/DateTimeText.h"
#include "print/DocketLayout.h"
#include "print/ReceiptDocket.h"

#include "PrintFixture.h"

#include <optional>

using namespace pelora;

namespace {

const QDateTime kStamp(QDate(2026, 12, 9), QTime(20, 15, 3));

QString blanks(int n) { return QString(n, u' '); }

class ReceiptDocketTest : public test::PrintTest {
protected:
    void SetUp() override {
        PrintTest::SetUp();
        addOutput(1, QStringLiteral("Docket"), QStringLiteral("Front"), {{QStringLiteral("bcpl"), 40}});
    }
    // A receipt as the till records it, with its total; without one, as older rows may be.
    void receipt(int id, const char* mop, double tendered, double cr, std::optional<double> total = std::nullopt) {
        exec(QStringLiteral("INSERT INTO receipt (id, pcref, tabref, mop, tendered, cr, total, istamp)"
                            " VALUES (?, 'Bar', 'Table 1', ?, ?, ?, ?, ?)"),
             {id, mop, tendered, cr, total ? db::Value(*total) : db::Value(), kStamp});
    }
    void line(int id, int recId, int itemId, const QString& name, double qty, double extprice, double exttax,
              double disc = 0) {
        exec(QStringLiteral("INSERT INTO recline (id, recid, itemid, itemname, qty, extprice, exttax, disc)"
                            " VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
             {id, recId, itemId, name, qty, extprice, exttax, disc});
    }
    // The body lines of the docket printed for the receipt (the test output has no frame).
    QStringList docket(int receiptId) {
        spooler.documents.clear();
        printDocket(printing(), receiptId);
        if (spooler.documents.empty())
            return {};
        QStringList lines = QString::fromLatin1(spooler.documents.front().bytes).split(QStringLiteral("\r\n"));
        EXPECT_EQ(lines.takeLast(), QString()); // every line ends in CR LF
        return lines;
    }
    static QString header(int receiptId) {
        return QStringLiteral("Docket No.%1 Tab:Table 1 PC:Bar").arg(receiptId);
    }
};

TEST_F(ReceiptDocketTest, ACashSaleAtFortyColumnsMatchesTheLayoutByteForByte) {
    receipt(7, "Cash", 10, 0);
    line(1, 7, 20, QStringLiteral("Beer"), 2, 9, 0.8182);
    exec(QStringLiteral("INSERT INTO icat (itemid, cat, topcat) VALUES (20, 'Drinks', 'T')"));
    exec(QStringLiteral("INSERT INTO icat (itemid, cat, topcat) VALUES (20, 'Beers', 'F')"));
    EXPECT_EQ(docket(7), (QStringList{
                             header(7),
                             dateTimeDisplay(kStamp),
                             QStringLiteral("Qty  Item") + blanks(21) + QStringLiteral("    Price "),
                             QStringLiteral("2") + blanks(4) + QStringLiteral("Beer") + blanks(21) + blanks(5) +
                                 QStringLiteral("9.00*"),
                             blanks(24) + QStringLiteral("Total:") + blanks(5) + QStringLiteral("9.00 "),
                             blanks(16) + QStringLiteral("Cash Tendered:") + blanks(4) + QStringLiteral("10.00 "),
                             blanks(23) + QStringLiteral("Change:") + blanks(5) + QStringLiteral("1.00 "),
                             blanks(15) + QStringLiteral("* Included Tax:") + blanks(3) + QStringLiteral("0.8182 "),
                             QStringLiteral("Drinks: 9.00"),
                         }));
    for (const QString& l : docket(7).mid(2, 6))
        EXPECT_EQ(l.size(), 40) << l.toStdString();
}

TEST_F(ReceiptDocketTest, RefundAccountAndPartAccountDockets) {
    receipt(8, "Cash", 0, 0); // a refund: negative lines, no tax marks, no change
    line(2, 8, 20, QStringLiteral("Beer"), -2, -9, -0.8182);
    const QStringList refund = docket(8);
    EXPECT_EQ(refund.at(3), QStringLiteral("-2   Beer") + blanks(21) + blanks(4) + QStringLiteral("-9.00 "));
    EXPECT_EQ(refund.at(4), blanks(24) + QStringLiteral("Total:") + blanks(4) + QStringLiteral("-9.00 "));
    EXPECT_EQ(refund.at(5), blanks(18) + QStringLiteral("Cash Refund:") + blanks(5) + QStringLiteral("9.00 "));
    EXPECT_EQ(refund.at(6), blanks(15) + QStringLiteral("* Included Tax:") + blanks(2) + QStringLiteral("-0.8182 "));
    EXPECT_EQ(refund.size(), 7);

    receipt(9, "Account", 0, 23.5); // all on account
    line(3, 9, 21, QStringLiteral("Steak"), 1, 23.5, 2.1364);
    const QStringList account = docket(9);
    EXPECT_EQ(account.at(5), blanks(13) + QStringLiteral("Account Tendered:") + blanks(4) + QStringLiteral("23.50 "));
    EXPECT_EQ(account.at(6), blanks(23) + QStringLiteral("Change:") + blanks(5) + QStringLiteral("0.00 "));

    receipt(10, "Cash", 13.5, 10); // part on account, the rest in cash
    line(4, 10, 21, QStringLiteral("Steak"), 1, 23.5, 2.1364, 1.25);
    const QStringList part = docket(10);
    EXPECT_EQ(part.at(5), blanks(2) + QStringLiteral("Cash & Cr (10.00)  Tendered:    23.50 "));
    EXPECT_EQ(part.at(6), blanks(23) + QStringLiteral("Change:") + blanks(5) + QStringLiteral("0.00 "));
    EXPECT_EQ(part.at(8), blanks(12) + QStringLiteral("Included Discount:") + blanks(5) + QStringLiteral("1.25 "));
}

// With the layout's rounding the receipt charges more (or less) than its lines: the docket
// says so, and the change is counted against what was charged.
TEST_F(ReceiptDocketTest, ARoundedTotalIsWhatTheDocketChargesAndGivesChangeAgainst) {
    receipt(14, "Cash", 50, 0, 32.5);
    line(7, 14, 20, QStringLiteral("Beer"), 1, 9.5, 0.8636);
    line(8, 14, 21, QStringLiteral("Steak"), 1, 22.975, 2.0886);
    const QStringList sale = docket(14);
    ASSERT_GE(sale.size(), 9);
    EXPECT_EQ(sale.at(5), blanks(21) + QStringLiteral("Rounding:") + blanks(4) + QStringLiteral("0.025 "));
    EXPECT_EQ(sale.at(6), blanks(24) + QStringLiteral("Total:") + blanks(4) + QStringLiteral("32.50 "));
    EXPECT_EQ(sale.at(7), blanks(16) + QStringLiteral("Cash Tendered:") + blanks(4) + QStringLiteral("50.00 "));
    EXPECT_EQ(sale.at(8), blanks(23) + QStringLiteral("Change:") + blanks(4) + QStringLiteral("17.50 "));

    receipt(15, "Cash", -32.5, 0, -32.5); // its refund
    line(9, 15, 21, QStringLiteral("Steak"), -1, -32.475, -2.9523);
    const QStringList refund = docket(15);
    EXPECT_EQ(refund.at(4), blanks(21) + QStringLiteral("Rounding:") + blanks(3) + QStringLiteral("-0.025 "));
    EXPECT_EQ(refund.at(5), blanks(24) + QStringLiteral("Total:") + blanks(3) + QStringLiteral("-32.50 "));
    EXPECT_EQ(refund.at(6), blanks(18) + QStringLiteral("Cash Refund:") + blanks(4) + QStringLiteral("32.50 "));

    // A part-account sale records only the tendered part as its total: nothing was rounded.
    receipt(16, "Cash", 20, 10, 13.5);
    line(10, 16, 21, QStringLiteral("Steak"), 1, 23.5, 2.1364);
    const QStringList part = docket(16);
    EXPECT_EQ(part.at(4), blanks(24) + QStringLiteral("Total:") + blanks(4) + QStringLiteral("23.50 "));
    EXPECT_EQ(part.at(6), blanks(23) + QStringLiteral("Change:") + blanks(5) + QStringLiteral("6.50 "));
}

TEST_F(ReceiptDocketTest, AZeroSumReceiptAndAccountMovementsWithoutLines) {
    receipt(11, "Cash", 5, 0);
    line(5, 11, 20, QStringLiteral("Beer"), 1, 4.5, 0.4091);
    line(6, 11, 20, QStringLiteral("Beer"), -1, -4.5, -0.4091);
    const QStringList zero = docket(11);
    ASSERT_EQ(zero.size(), 7);
    EXPECT_TRUE(zero.at(5).endsWith(QStringLiteral("Total:     0.00 ")));
    EXPECT_TRUE(zero.at(6).contains(QStringLiteral("* Included Tax:"))); // no tendered, change or refund

    receipt(12, "Cash", 50, 0);   // paid into an account
    receipt(13, "Cash", -25, 0);  // paid out of one
    EXPECT_EQ(docket(12).at(2), blanks(16) + QStringLiteral("Cash Paid In: ") + blanks(4) + QStringLiteral("50.00 "));
    EXPECT_EQ(docket(13).at(2), blanks(15) + QStringLiteral("Cash Paid Out: ") + blanks(4) + QStringLiteral("25.00 "));
    EXPECT_TRUE(docket(99).isEmpty()); // no such receipt: no paper
}

TEST_F(ReceiptDocketTest, OptionsAndLongNamesRunOnWithoutBeingCut) {
    receipt(14, "Cash", 40, 0);
    line(7, 14, 21, QStringLiteral("Steak Special Grande"), 1, 30, 2.7273);
    exec(QStringLiteral("UPDATE recline SET opt1caption = 'Cooked', opt1choice = 'Medium Rare',"
                        " opt2caption = 'Chips', opt2choice = 'T', opt3caption = 'Sauce', opt3choice = NULL,"
                        " opt4caption = 'Salad', opt4choice = 'Side Garden' WHERE id = 7"));
    exec(QStringLiteral("UPDATE od SET bcpl = 30 WHERE id = 1")); // name column 15
    outputs.load(db, kTill);
    const QStringList lines = docket(14);
    EXPECT_EQ(lines.at(3), QStringLiteral("1    Steak Special Grande ") + blanks(4) + QStringLiteral("30.00*")); // longer than 30
    // "Cooked: Medium Rare + Chips + Salad: Side Garden" in pieces of 15.
    EXPECT_EQ(lines.mid(4, 4), (QStringList{QStringLiteral("     Cooked: Medium "), QStringLiteral("     Rare + Chips + "),
                                            QStringLiteral("     Salad: Side Gar"), QStringLiteral("     den")}));
}

TEST_F(ReceiptDocketTest, TheDocketModeDecidesBetweenDocketAndDrawer) {
    receipt(15, "Cash", 5, 0);
    line(8, 15, 20, QStringLiteral("Beer"), 1, 4.5, 0.4091);
    addOutput(3, QStringLiteral("Drawer"), QStringLiteral("Front"), {{QStringLiteral("begincode1"), "#27#112"}});
    const auto papers = [&](const char16_t* docketMode) {
        spooler.documents.clear();
        printReceiptOutputs(printing(), docketMode, u"1", 15);
        QStringList kinds;
        for (const auto& d : spooler.documents)
            kinds << (d.bytes == "\x1bp" ? QStringLiteral("drawer") : QStringLiteral("docket"));
        return kinds.join(u',');
    };
    EXPECT_EQ(papers(u"1"), QStringLiteral("docket"));
    EXPECT_EQ(papers(u"2"), QStringLiteral("drawer,docket"));
    EXPECT_EQ(papers(u"3"), QStringLiteral("drawer"));
    EXPECT_EQ(papers(u"0"), QString());

    // A docket the printer stops taking half-way is said, not passed over as printed; the drawer
    // kicked before it stays kicked.
    spooler.failingSend = 2; // the docket's first line
    try {
        papers(u"2");
        ADD_FAILURE() << "the refused docket passed as printed";
    } catch (const PrintError& failure) {
        EXPECT_EQ(failure.message(), QStringLiteral("Printer Front did not take the docket of receipt 15."));
    }
    ASSERT_EQ(spooler.documents.size(), 2u);
    EXPECT_EQ(spooler.documents[0].bytes, QByteArray("\x1bp"));
}

TEST(DocketLayoutTest, NarrowPapersKeepEveryCharacter) {
    // Below 16 columns there is no name column to speak of: names keep a blank after them and a
    // detail text stays on one line rather than being broken into nothing.
    EXPECT_EQ(docket::itemLine(1, QStringLiteral("Beer"), Money::fromWhole(4), false, 12),
              QStringLiteral("1    Beer ") + blanks(5) + QStringLiteral("4.00 "));
    EXPECT_EQ(docket::detailLines(QStringLiteral("No ice"), 12), QStringList{QStringLiteral("     No ice")});
    EXPECT_EQ(docket::detailLines(QString(), 40), QStringList{});
    EXPECT_EQ(docket::quantityColumn(1.125), QStringLiteral("1.125"));
    EXPECT_EQ(docket::quantityColumn(12.3456), QStringLiteral("12.34"));
}

} // namespace
