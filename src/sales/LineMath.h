#pragma once

#include "common/Money.h"

#include <QStringView>

#include <array>

namespace pelora {

// The price arithmetic of an open line and of the totals under the line lists. Unit amounts
// are added in ten-thousandths; extended amounts are floats and are not rounded.
namespace LineMath {

constexpr int kOptionSlots = 10;
// A discount rate of 101 marks lines that discounts delete; priced, it counts as 100.
constexpr double kDeletingRate = 101;

struct OptionAmounts {
    bool chosen = false; // the slot's choice text is not empty
    double cost = 0;
    double price = 0;
    double tax = 0;
};

struct LineInput {
    double qty = 0;
    double cost = 0;
    double price = 0;
    double tax = 0;
    double discRate = 0;
    std::array<OptionAmounts, kOptionSlots> options{};
};

struct LineAmounts {
    Money adjCost;
    Money adjPrice;
    Money adjTax;
    double extCost = 0;
    double extPrice = 0;
    double extTax = 0;
    double disc = 0;
};

// Which list the line is on: the discount of a main-list line leaves out its tax and is
// rounded to four decimals; that of a split-list line includes the tax and is not rounded.
enum class List { Main, Split };

LineAmounts recalc(const LineInput& line, List list);

// The most a line's quantity (or a count) may be either way: more is a slip of the finger, and
// the line lists have room for no more digits.
constexpr double kMostQty = 99999;
// Whether a line can take its quantity: within kMostQty either way, and every amount the
// line's pricing gives within the range of money.
bool fits(const LineInput& line);

// A float rounded to four decimals, ties to even.
double round4(double value);

// Adds extended prices, each rounded to four decimals first.
class TotalBuilder {
public:
    void add(double extPrice) { total_ += Money::fromDouble(extPrice); }
    Money total() const { return total_; }

private:
    Money total_;
};

// The layout's rounding of a list-1 total above 0: "1" up to the next 0.05, "2" down to 0.05,
// "3" up to the next whole amount from half a cent, "4" down to the whole amount. Fractions of
// a cent are dropped first. Any other mode, and a total of 0 or less, stay as they are.
Money roundTotal(Money total, QStringView roundMode);

} // namespace LineMath

} // namespace pelora
