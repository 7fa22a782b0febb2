#include "sales/LineMath.h"

#include "common/Mode.h"

#include <cmath>
#include <stdexcept>

namespace pelora::LineMath {

double round4(double value) { return Money::fromDouble(value).toDouble(); }

LineAmounts recalc(const LineInput& line, List list) {
    const double rate = line.discRate == kDeletingRate ? 100.0 : line.discRate;
    Money cost = Money::fromDouble(line.cost);
    Money price = Money::fromDouble(line.price);
    Money tax = Money::fromDouble(line.tax);
    for (const OptionAmounts& option : line.options) {
        if (!option.chosen)
            continue;
        cost += Money::fromDouble(option.cost);
        price += Money::fromDouble(option.price);
        tax += Money::fromDouble(option.tax);
    }
    LineAmounts out;
    out.adjCost = cost;
    out.adjPrice = price;
    out.adjTax = tax;
    const double qty = line.qty;
    out.extCost = qty * cost.toDouble(); // a discount never reduces the cost
    out.extPrice = qty * price.toDouble() * (100.0 - rate) / 100.0;
    out.extTax = qty * tax.toDouble() * (100.0 - rate) / 100.0;
    if (list == List::Main)
        out.disc = round4(qty * (price - tax).toDouble() * rate / 100.0);
    else
        out.disc = qty * price.toDouble() * rate / 100.0;
    return out;
}

bool fits(const LineInput& line) {
    if (!std::isfinite(line.qty) || std::fabs(line.qty) > kMostQty)
        return false;
    try {
        const LineAmounts a = recalc(line, List::Main); // both lists' discounts stay below qty × price
        for (double amount : {a.extCost, a.extPrice, a.extTax, line.qty * a.adjPrice.toDouble()})
            Money::fromDouble(amount);
        return true;
    } catch (const std::runtime_error&) { // out of the range of money
        return false;
    }
}

Money roundTotal(Money total, QStringView roundMode) {
    if (total <= Money())
        return total;
    const std::int64_t cents = total.truncatedCents();
    const auto fromCents = [](std::int64_t c) { return Money::fromUnits(c * 100); };
    const int lastDigit = static_cast<int>(cents % 10);
    switch (modeNumber(roundMode)) {
    case 1: {
        const int step = lastDigit % 5;
        return fromCents(cents + (step == 0 ? 0 : 5 - step));
    }
    case 2:
        return fromCents(cents - lastDigit % 5);
    case 3: {
        const std::int64_t whole = total.units() / Money::kUnitsPerWhole;
        const std::int64_t fraction = total.units() % Money::kUnitsPerWhole;
        return fraction >= 50 ? Money::fromWhole(whole + 1) : total;
    }
    case 4:
        return Money::fromWhole(total.units() / Money::kUnitsPerWhole);
    default:
        return total;
    }
}

} // namespace pelora::LineMath
