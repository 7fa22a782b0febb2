#include "common/DateTimeText.h"
#include "common/Flag.h"
#include "common/Mode.h"

#include "GTestSupport.h"

using namespace pelora;

namespace {

TEST(Flag, OnlyTheOneLetterCounts) {
    EXPECT_TRUE(isTrue(u"T"));
    EXPECT_FALSE(isTrue(u"t"));
    EXPECT_FALSE(isTrue(u""));
    EXPECT_FALSE(isTrue(u"T "));
    EXPECT_TRUE(isFalse(u"F"));
    EXPECT_FALSE(isFalse(u""));  // an empty flag is neither
    EXPECT_EQ(flagText(true), QStringLiteral("T"));
    EXPECT_EQ(flagText(false), QStringLiteral("F"));
}

TEST(Mode, ReadsOneDigit) {
    EXPECT_TRUE(modeIs(u"2", '2'));
    EXPECT_FALSE(modeIs(u"", '0'));
    EXPECT_FALSE(modeIs(u"22", '2'));
    EXPECT_EQ(modeNumber(u"3"), 3);
    EXPECT_EQ(modeNumber(u"0"), 0);
    EXPECT_EQ(modeNumber(u""), -1);
    EXPECT_EQ(modeNumber(u"a"), -1);
    EXPECT_EQ(modeNumber(u"\u0663"), -1); // an Arabic-Indic three is no mode
}

TEST(DateTimeLiteral, NumbersWithoutLeadingZeros) {
    const QDateTime when(QDate(2024, 3, 7), QTime(9, 5, 0));
    EXPECT_EQ(dateTimeLiteral(when), QStringLiteral("3/7/2024 9:5:0"));
    EXPECT_EQ(dateTimeLiteral(QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59))),
              QStringLiteral("12/31/2024 23:59:59"));
    EXPECT_EQ(parseDateTimeLiteral(QStringLiteral("3/7/2024 9:5:0")), when);
    EXPECT_FALSE(parseDateTimeLiteral(QStringLiteral("31/12/2024 9:5:0")).isValid());
}

} // namespace
