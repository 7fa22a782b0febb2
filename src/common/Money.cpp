#include "common/Money.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string_view>

namespace pelora {
namespace {

constexpr int kDecimals = 4;

std::int64_t checkedAdd(std::int64_t a, std::int64_t b) {
    std::int64_t r = 0;
    if (__builtin_add_overflow(a, b, &r))
        throw std::overflow_error("money amount out of range");
    return r;
}

std::int64_t checkedMul(std::int64_t a, std::int64_t b) {
    std::int64_t r = 0;
    if (__builtin_mul_overflow(a, b, &r))
        throw std::overflow_error("money amount out of range");
    return r;
}

// Reads "[-+]digits[.digits]" (ASCII only) into ten-thousandths, rounding ties to even.
std::optional<std::int64_t> parseDecimal(std::string_view s) {
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    const auto point = s.find('.');
    const std::string_view whole = s.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view{}
                                                                       : s.substr(point + 1);
    if (whole.empty() && fraction.empty())
        return std::nullopt;
    for (std::string_view part : {whole, fraction})
        for (char c : part)
            if (c < '0' || c > '9')
                return std::nullopt;

    std::int64_t units = 0;
    try {
        for (char c : whole)
            units = checkedAdd(checkedMul(units, 10), c - '0');
        for (int i = 0; i < kDecimals; ++i) {
            const int digit = i < static_cast<int>(fraction.size()) ? fraction[i] - '0' : 0;
            units = checkedAdd(checkedMul(units, 10), digit);
        }
        if (fraction.size() > kDecimals) {
            const int next = fraction[kDecimals] - '0';
            bool beyond = false;
            for (std::size_t i = kDecimals + 1; i < fraction.size(); ++i)
                beyond = beyond || fraction[i] != '0';
            const bool tie = next == 5 && !beyond;
            if (next > 5 || (next == 5 && beyond) || (tie && units % 2 != 0))
                units = checkedAdd(units, 1);
        }
    } catch (const std::overflow_error&) {
        return std::nullopt;
    }
    return negative ? -units : units;
}

} // namespace

Money Money::fromDouble(double value) {
    // Well inside the range of ten-thousandths in 64 bits.
    constexpr double kLimit = 9.0e14;
    if (!std::isfinite(value) || std::fabs(value) >= kLimit)
        throw std::range_error("money amount out of range");
    std::array<char, 64> buffer{};
    const auto [end, ec] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    if (ec != std::errc())
        throw std::range_error("money amount out of range");
    const auto units = parseDecimal(std::string_view(buffer.data(), end - buffer.data()));
    if (!units)
        throw std::range_error("money amount out of range");
    return Money(*units);
}

std::optional<Money> Money::parse(QStringView text) {
    const QByteArray ascii = text.trimmed().toLatin1();
    const auto units = parseDecimal(std::string_view(ascii.constData(), ascii.size()));
    if (!units)
        return std::nullopt;
    return Money(*units);
}

std::optional<Money> Money::parseTyped(QStringView text) {
    const std::optional<Money> amount = parse(text);
    if (!amount || amount->units_ > kMostTypedUnits || amount->units_ < -kMostTypedUnits)
        return std::nullopt;
    return amount;
}

namespace {

// Sign, whole part and `decimals` decimals (trailing zeros beyond minDecimals dropped).
QString formatUnits(std::int64_t units, int minDecimals) {
    const bool negative = units < 0;
    // Work on the magnitude as unsigned so that the most negative amount is safe too.
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(units)
                                             : static_cast<std::uint64_t>(units);
    const std::uint64_t whole = magnitude / Money::kUnitsPerWhole;
    std::uint64_t fraction = magnitude % Money::kUnitsPerWhole;
    int decimals = kDecimals;
    while (decimals > minDecimals && fraction % 10 == 0) {
        fraction /= 10;
        --decimals;
    }
    QString out;
    if (negative)
        out += u'-';
    out += QString::number(whole);
    if (decimals > 0)
        out += u'.' + QStringLiteral("%1").arg(fraction, decimals, 10, QLatin1Char('0'));
    return out;
}

} // namespace

QString Money::toString() const { return formatUnits(units_, 2); }

QString Money::toSqlText() const { return formatUnits(units_, 0); }

Money Money::operator-() const {
    if (units_ == std::numeric_limits<std::int64_t>::min())
        throw std::overflow_error("money amount out of range");
    return Money(-units_);
}

Money& Money::operator+=(Money other) {
    units_ = checkedAdd(units_, other.units_);
    return *this;
}

Money& Money::operator-=(Money other) { return *this += -other; }

Money operator*(Money a, std::int64_t factor) { return Money(checkedMul(a.units_, factor)); }

QString moneyText(double amount) {
    try {
        return Money::fromDouble(amount).toString();
    } catch (const std::range_error&) {
        return QString::number(amount);
    }
}

} // namespace pelora
