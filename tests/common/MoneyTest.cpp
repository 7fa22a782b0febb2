#include "common/Money.h"

#include "GTestSupport.h"

#include <cmath>
#include <limits>
#include <stdexcept>

using pelora::Money;

namespace {

struct FromDoubleCase {
    double value;
    std::int64_t units;
};

class MoneyFromDouble : public ::testing::TestWithParam<FromDoubleCase> {};

TEST_P(MoneyFromDouble, RoundsToFourDecimalsTiesToEven) {
    EXPECT_EQ(Money::fromDouble(GetParam().value).units(), GetParam().units)
        << "from " << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    KnownAnswers, MoneyFromDouble,
    ::testing::Values(FromDoubleCase{0.0, 0}, FromDoubleCase{-0.0, 0},
                      FromDoubleCase{2.5, 25000}, FromDoubleCase{12.3456, 123456},
                      // Ties at the fifth decimal go to the even fourth.
                      FromDoubleCase{0.00005, 0}, FromDoubleCase{0.00015, 2},
                      FromDoubleCase{0.00025, 2}, FromDoubleCase{1.23455, 12346},
                      FromDoubleCase{-0.00015, -2}, FromDoubleCase{-0.00025, -2},
                      // Not ties: decided by the digits beyond.
                      FromDoubleCase{0.000051, 1}, FromDoubleCase{12.34564999, 123456},
                      // A value that is not exact in binary is judged by its decimal text.
                      FromDoubleCase{2.675, 26750}, FromDoubleCase{0.1 + 0.2, 3000},
                      FromDoubleCase{1e-9, 0}, FromDoubleCase{27.0, 270000},
                      FromDoubleCase{3 * 10.0 * 0.9, 270000},
                      FromDoubleCase{123456789.12345, 1234567891234}));

TEST(Money, FromDoubleRefusesWhatIsNoAmount) {
    EXPECT_THROW(Money::fromDouble(std::nan("")), std::range_error);
    EXPECT_THROW(Money::fromDouble(std::numeric_limits<double>::infinity()), std::range_error);
    EXPECT_THROW(Money::fromDouble(1e16), std::range_error);
    EXPECT_THROW(Money::fromDouble(-1e16), std::range_error);
}

TEST(Money, ParsesPlainDecimalText) {
    const std::pair<const char*, std::int64_t> good[] = {
        {"12.5", 125000}, {"-3", -30000},   {".5", 5000},     {"5.", 50000},
        {" 7.25 ", 72500}, {"+4", 40000},   {"1.23456", 12346}, {"0.00005", 0},
        {"0.00015", 2},   {"0.000150001", 2}, {"-0.0001", -1},  {"0", 0}};
    for (const auto& [text, units] : good) {
        const auto m = Money::parse(QString::fromLatin1(text));
        ASSERT_TRUE(m.has_value()) << text;
        EXPECT_EQ(m->units(), units) << text;
    }
    for (const char* bad : {"", " ", "abc", "1.2.3", "-", ".", "1e5", "1,000.00", "12a",
                            "99999999999999999999"})
        EXPECT_FALSE(Money::parse(QString::fromLatin1(bad)).has_value()) << bad;
}

TEST(Money, ShowsTwoToFourDecimals) {
    EXPECT_EQ(Money::fromUnits(0).toString(), QStringLiteral("0.00"));
    EXPECT_EQ(Money::fromUnits(125000).toString(), QStringLiteral("12.50"));
    EXPECT_EQ(Money::fromUnits(123450).toString(), QStringLiteral("12.345"));
    EXPECT_EQ(Money::fromUnits(123456).toString(), QStringLiteral("12.3456"));
    EXPECT_EQ(Money::fromUnits(-5000).toString(), QStringLiteral("-0.50"));
    EXPECT_EQ(Money::fromUnits(-1).toString(), QStringLiteral("-0.0001"));
    EXPECT_EQ(Money::fromWhole(1234567).toString(), QStringLiteral("1234567.00"));
    EXPECT_EQ(Money::fromUnits(std::numeric_limits<std::int64_t>::min()).toString(),
              QStringLiteral("-922337203685477.5808"));
}

TEST(Money, WritesSqlTextWithoutTrailingZeros) {
    EXPECT_EQ(Money::fromUnits(125000).toSqlText(), QStringLiteral("12.5"));
    EXPECT_EQ(Money::fromUnits(-30000).toSqlText(), QStringLiteral("-3"));
    EXPECT_EQ(Money::fromUnits(0).toSqlText(), QStringLiteral("0"));
    EXPECT_EQ(Money::fromUnits(1).toSqlText(), QStringLiteral("0.0001"));
    // What is written reads back as the same amount.
    for (std::int64_t units : {1LL, 99999LL, -123456789LL, 5000LL})
        EXPECT_EQ(Money::parse(Money::fromUnits(units).toSqlText())->units(), units);
}

TEST(Money, AddsWithoutDrift) {
    Money sum;
    for (int i = 0; i < 10; ++i)
        sum += Money::fromDouble(0.1);
    EXPECT_EQ(sum, Money::fromWhole(1));
    EXPECT_EQ(Money::fromDouble(12.349).truncatedCents(), 1234);
    EXPECT_EQ(Money::fromDouble(-12.349).truncatedCents(), -1234);
    EXPECT_EQ((Money::fromDouble(2.5) * 3).units(), 75000);
    EXPECT_LT(Money::fromDouble(-1), Money());
    EXPECT_EQ(Money::fromDouble(0.0001 * 3).toDouble(), 0.0003);
}

TEST(Money, RefusesToOverflow) {
    const Money top = Money::fromUnits(std::numeric_limits<std::int64_t>::max());
    EXPECT_THROW(top + Money::fromUnits(1), std::overflow_error);
    EXPECT_THROW(-Money::fromUnits(std::numeric_limits<std::int64_t>::min()), std::overflow_error);
    EXPECT_THROW(top * 2, std::overflow_error);
}

} // namespace
