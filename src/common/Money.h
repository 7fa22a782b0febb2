#pragma once

#include <QString>
#include <QStringView>

#include <compare>
#include <cstdint>
#include <optional>

namespace pelora {

// An amount of money held as a whole count of ten-thousandths, so that totals never drift.
// The database stores money as double precision; conversions in and out go through
// fromDouble() and toDouble().
class Money {
public:
    static constexpr std::int64_t kUnitsPerWhole = 10000;

    constexpr Money() = default;
    static constexpr Money fromUnits(std::int64_t tenThousandths) { return Money(tenThousandths); }
    static constexpr Money fromWhole(std::int64_t whole) { return Money(whole * kUnitsPerWhole); }

    // The nearest four-decimal amount, ties to even, judged on the shortest decimal text that
    // reads back as the same double (so 0.00005 is a tie and 2.675 is 2.675).
    // Throws std::range_error for NaN, infinities and amounts beyond the range.
    static Money fromDouble(double value);

    // Plain decimal text: optional sign, digits, an optional point and decimals (".5" and "5."
    // are accepted). Surrounding spaces are ignored. More than four decimals round ties to even.
    // Anything else, an empty text included, gives no value.
    static std::optional<Money> parse(QStringView text);

    // Typed text (a tendered amount, a price) as parse() reads it, refused beyond the most an
    // operator types: a slip of the finger past it, and such amounts no longer come back exact
    // from the database's float.
    static constexpr std::int64_t kMostTypedUnits = 1'000'000'000 * kUnitsPerWhole - 1;
    static std::optional<Money> parseTyped(QStringView text);

    constexpr std::int64_t units() const { return units_; }
    double toDouble() const { return static_cast<double>(units_) / kUnitsPerWhole; }
    constexpr bool isZero() const { return units_ == 0; }

    // Display format "0.00##": at least two and at most four decimals.
    QString toString() const;
    // Decimal text with a point, no thousands separator and no trailing zeros ("12.5", "-3").
    QString toSqlText() const;

    // Whole cents, the fraction of a cent dropped (toward zero).
    constexpr std::int64_t truncatedCents() const { return units_ / 100; }

    Money operator-() const;
    Money& operator+=(Money other);
    Money& operator-=(Money other);
    friend Money operator+(Money a, Money b) { return a += b; }
    friend Money operator-(Money a, Money b) { return a -= b; }
    friend Money operator*(Money a, std::int64_t factor);
    friend Money operator*(std::int64_t factor, Money a) { return a * factor; }

    friend constexpr auto operator<=>(Money a, Money b) = default;

private:
    constexpr explicit Money(std::int64_t units) : units_(units) {}
    std::int64_t units_ = 0;
};

// A stored float in the money display format; an amount beyond the range of money (which no
// till writes) shows as it is stored rather than stopping the screen that shows it.
QString moneyText(double amount);

} // namespace pelora
