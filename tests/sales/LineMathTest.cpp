#include "sales/LineMath.h"
#include "sales/QtyKeypad.h"

#include "GTestSupport.h"

#include <limits>

using namespace pelora;
using LineMath::List;

namespace {

LineMath::LineInput line(double qty, double price, double tax, double rate) {
    LineMath::LineInput in;
    in.qty = qty;
    in.cost = price / 2;
    in.price = price;
    in.tax = tax;
    in.discRate = rate;
    return in;
}

TEST(LineMath, ADiscountedLineOnEitherList) {
    const LineMath::LineInput in = line(3, 10, 1, 10);
    const LineMath::LineAmounts main = LineMath::recalc(in, List::Main);
    EXPECT_EQ(main.adjPrice, Money::fromWhole(10));
    EXPECT_DOUBLE_EQ(main.extCost, 15); // the discount never reduces the cost
    EXPECT_DOUBLE_EQ(main.extPrice, 27);
    EXPECT_DOUBLE_EQ(main.extTax, 2.7);
    EXPECT_DOUBLE_EQ(main.disc, 2.7); // without the tax
    const LineMath::LineAmounts split = LineMath::recalc(in, List::Split);
    EXPECT_DOUBLE_EQ(split.extPrice, 27);
    EXPECT_DOUBLE_EQ(split.disc, 3); // with the tax
}

TEST(LineMath, RateOneHundredAndOnePricesAtNothing) {
    const LineMath::LineAmounts a = LineMath::recalc(line(2, 5, 0.5, LineMath::kDeletingRate), List::Main);
    EXPECT_DOUBLE_EQ(a.extPrice, 0);
    EXPECT_DOUBLE_EQ(a.extTax, 0);
    EXPECT_DOUBLE_EQ(a.disc, 9);
    EXPECT_DOUBLE_EQ(a.extCost, 5);
}

TEST(LineMath, OnlyChosenOptionsAddAndUnitsAddInTenThousandths) {
    LineMath::LineInput in = line(2, 4, 0.1, 0);
    in.options[1] = {false, 9, 9, 9}; // an amount without a choice adds nothing
    in.options[4] = {true, 1, 1.5, 0.2};
    const LineMath::LineAmounts a = LineMath::recalc(in, List::Main);
    EXPECT_EQ(a.adjPrice.toString(), QStringLiteral("5.50"));
    EXPECT_EQ(a.adjCost.toString(), QStringLiteral("3.00"));
    EXPECT_EQ(a.adjTax.toDouble(), 0.3); // not 0.30000000000000004
    EXPECT_DOUBLE_EQ(a.extPrice, 11);
    EXPECT_DOUBLE_EQ(a.disc, 0);
}

TEST(LineMath, ExtendedAmountsAreNotRoundedButTheMainListDiscountIs) {
    const LineMath::LineAmounts a = LineMath::recalc(line(1, 1, 0, 33.333), List::Main);
    EXPECT_DOUBLE_EQ(a.extPrice, 1 * 1.0 * (100 - 33.333) / 100);
    EXPECT_EQ(a.disc, 0.3333);
    const LineMath::LineAmounts b = LineMath::recalc(line(1, 1, 0, 33.333), List::Split);
    EXPECT_DOUBLE_EQ(b.disc, 0.33333);
}

// A quantity is taken only when the line can be priced and stored with it.
TEST(LineMath, ALineFitsUpToNinetyNineThousandAndWhatMoneyHolds) {
    EXPECT_TRUE(LineMath::fits(line(99999, 9.5, 0.8636, 0)));
    EXPECT_TRUE(LineMath::fits(line(-99999, 9.5, 0.8636, 0))); // a count may go below nothing
    EXPECT_TRUE(LineMath::fits(line(0.5, 9.5, 0.8636, 10)));
    EXPECT_FALSE(LineMath::fits(line(100000, 9.5, 0.8636, 0)));
    EXPECT_FALSE(LineMath::fits(line(1e16, 9.5, 0.8636, 0)));
    EXPECT_FALSE(LineMath::fits(line(std::numeric_limits<double>::quiet_NaN(), 9.5, 0, 0)));
    EXPECT_FALSE(LineMath::fits(line(1000, 1e12, 0, 0))); // 1e15 is beyond money
    LineMath::LineInput costly = line(2, 1, 0, 0);
    costly.options[0] = {true, 0, 8e14, 0};
    EXPECT_FALSE(LineMath::fits(costly)); // twice the option's price
}

TEST(LineMath, ListTotalsRoundEachLineFirst) {
    LineMath::TotalBuilder total;
    total.add(0.00015); // 0.0002, ties to even
    total.add(0.00015);
    total.add(1.00004); // 1.0000
    EXPECT_EQ(total.total().toSqlText(), QStringLiteral("1.0004"));
}

struct Rounding {
    const char* mode;
    const char* total;
    const char* shown;
};

class TotalRounding : public ::testing::TestWithParam<Rounding> {};

TEST_P(TotalRounding, ByRoundmode) {
    const Rounding r = GetParam();
    EXPECT_EQ(LineMath::roundTotal(*Money::parse(QString::fromLatin1(r.total)), QString::fromLatin1(r.mode)).toString(),
              QString::fromLatin1(r.shown))
        << r.mode << " " << r.total;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, TotalRounding,
    ::testing::Values(Rounding{"1", "12.31", "12.35"}, Rounding{"1", "12.35", "12.35"},
                      Rounding{"1", "12.349", "12.35"}, Rounding{"1", "12.36", "12.40"},
                      Rounding{"1", "12.3999", "12.40"}, Rounding{"2", "12.39", "12.35"},
                      Rounding{"2", "12.34", "12.30"}, Rounding{"2", "12.3551", "12.35"},
                      Rounding{"3", "12.004", "12.004"}, Rounding{"3", "12.005", "13.00"},
                      Rounding{"3", "12.01", "13.00"}, Rounding{"3", "12.00", "12.00"},
                      Rounding{"4", "12.99", "12.00"}, Rounding{"0", "12.31", "12.31"},
                      Rounding{"9", "12.31", "12.31"}, Rounding{"", "12.31", "12.31"},
                      Rounding{"1", "-12.31", "-12.31"}, Rounding{"4", "-12.99", "-12.99"},
                      Rounding{"1", "0", "0.00"}));

TEST(QtyKeypad, TheFirstTouchStartsAfreshAndCSetsZero) {
    bool first = true;
    QString entry = QtyKeypad::press(QStringLiteral("3"), first, u'5');
    EXPECT_EQ(entry, QStringLiteral("5"));
    EXPECT_FALSE(first);
    entry = QtyKeypad::press(entry, first, u'0');
    EXPECT_EQ(entry, QStringLiteral("50"));
    entry = QtyKeypad::press(entry, first, u'C');
    EXPECT_EQ(entry, QStringLiteral("0"));
    entry = QtyKeypad::press(entry, first, u'7'); // an entry of "0" starts afresh
    EXPECT_EQ(entry, QStringLiteral("7"));
    entry = QtyKeypad::press(entry, first, u'.');
    entry = QtyKeypad::press(entry, first, u'5');
    EXPECT_EQ(entry, QStringLiteral("7.5"));
    bool fresh = true;
    EXPECT_EQ(QtyKeypad::press(QStringLiteral("2"), fresh, u'C'), QStringLiteral("0"));
    EXPECT_FALSE(fresh);
}

TEST(QtyKeypad, IncreaseAndDecrease) {
    EXPECT_EQ(QtyKeypad::decrease(QStringLiteral("1")), QStringLiteral("1"));
    EXPECT_EQ(QtyKeypad::decrease(QStringLiteral("0.5")), QStringLiteral("0.5"));
    EXPECT_EQ(QtyKeypad::decrease(QStringLiteral("abc")), QStringLiteral("1"));
    EXPECT_EQ(QtyKeypad::decrease(QStringLiteral("3.5")), QStringLiteral("2.5"));
    EXPECT_EQ(QtyKeypad::increase(QStringLiteral("abc")), QStringLiteral("1"));
    EXPECT_EQ(QtyKeypad::increase(QStringLiteral("0.1")), QStringLiteral("1.1"));
    EXPECT_EQ(QtyKeypad::increase(QStringLiteral("9")), QStringLiteral("10"));
}

TEST(QtyKeypad, ReadsOnlyNumbers) {
    EXPECT_EQ(QtyKeypad::read(QStringLiteral("12.")), 12.0);
    EXPECT_EQ(QtyKeypad::read(QStringLiteral(" 2.5 ")), 2.5);
    EXPECT_FALSE(QtyKeypad::read(QString()));
    EXPECT_FALSE(QtyKeypad::read(QStringLiteral("1.2.3")));
    EXPECT_FALSE(QtyKeypad::read(QStringLiteral("inf")));
    EXPECT_FALSE(QtyKeypad::read(QStringLiteral(".")));
    // Typed on a keyboard: no exponent, no fourth decimal, no comma.
    EXPECT_EQ(QtyKeypad::read(QStringLiteral("0.125")), 0.125);
    EXPECT_EQ(QtyKeypad::read(QStringLiteral("-2")), -2.0); // a stocktake count may go down
    for (const char* typed : {"1e3", "1E3", "0.0045", "0.004 5", "1,5", "0x10", "+-1", "1.5e-2"})
        EXPECT_FALSE(QtyKeypad::read(QString::fromLatin1(typed))) << typed;
}

} // namespace
