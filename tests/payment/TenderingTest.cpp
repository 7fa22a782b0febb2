#include "payment/AccountBalance.h"
#include "payment/Tendering.h"

#include "GTestSupport.h"
#include "TestDatabase.h"

using namespace pelora;

namespace {

TEST(Tendering, TheKeypadReplacesTheFirstZeroAndTheShortcutsReplaceTheText) {
    QString text = QStringLiteral("0");
    for (QChar key : QStringLiteral("0.50"))
        text = Tendering::press(text, key);
    EXPECT_EQ(text, QStringLiteral(".50")); // the first "0" replaced the "0" the window starts with
    EXPECT_EQ(Tendering::press(QStringLiteral("2"), u'5'), QStringLiteral("25"));
    EXPECT_EQ(Tendering::shortcut(50), QStringLiteral("50.00"));
    EXPECT_EQ(Tendering::shortcut(100), QStringLiteral("100.00"));
}

TEST(Tendering, OnlyATextThatIsAnAmountCanBeTenderedAndChangeShowsWhenItCovers) {
    EXPECT_EQ(Tendering::read(u".50"), Money::parse(u"0.5"));
    EXPECT_EQ(Tendering::read(u"30."), Money::fromWhole(30));
    for (const char16_t* bad : {u".", u"1.2.3", u"..", u""})
        EXPECT_FALSE(Tendering::read(bad).has_value()) << QString::fromUtf16(bad).toStdString();
    // More than anyone hands over is a slip of the finger, refused before it reaches a receipt.
    EXPECT_EQ(Tendering::read(u"999999999.9999"), Money::fromUnits(Money::kMostTypedUnits));
    for (const char16_t* huge : {u"1000000000", u"9999999999999999", u"99999999999999999999"})
        EXPECT_FALSE(Tendering::read(huge).has_value()) << QString::fromUtf16(huge).toStdString();
    EXPECT_EQ(Tendering::changeText(u"9999999999999999", u"23.50"), QString());

    EXPECT_EQ(Tendering::changeText(u"30", u"23.50"), QStringLiteral("Change:    6.50"));
    EXPECT_EQ(Tendering::changeText(u"23.5", u"23.50"), QStringLiteral("Change:    0.00"));
    EXPECT_EQ(Tendering::changeText(u"20", u"23.50"), QString());
    EXPECT_EQ(Tendering::changeText(u"1..", u"23.50"), QString());
    EXPECT_EQ(Tendering::partAccountQuestion(Money::fromWhole(10), *Money::parse(u"23.5")),
              QStringLiteral("Available credit is 10.00 on a 23.50 sale.\nWill you pay the difference of 13.50?"));
}

class PreTenderTest : public test::DatabaseTest {};

TEST_F(PreTenderTest, TheSplitsOfTheListReplaceTheTabsAmountWhenTheyHoldAny) {
    exec(QStringLiteral("INSERT INTO tab (id, ref, tendered) VALUES (7, 'Table 5', 12)"));
    exec(QStringLiteral("INSERT INTO split (id, ref, tendered) VALUES (1, 'A', 5)"));
    exec(QStringLiteral("INSERT INTO split (id, ref, tendered) VALUES (2, 'B', 2.5)"));
    exec(QStringLiteral("INSERT INTO split (id, ref, tendered) VALUES (3, 'C', 40)"));
    const auto lineWith = [&](int id, int tabId, const char* table, const char* splitRef) {
        exec(QStringLiteral("INSERT INTO %1 (id, tabid, splitref) VALUES (?, ?, ?)").arg(QString::fromLatin1(table)),
             {id, tabId, splitRef});
    };
    lineWith(1, 7, "tabline1", "");
    EXPECT_EQ(Tendering::priorTendered(db, 7, QStringLiteral("tabline1")), Money::fromWhole(12));
    lineWith(2, 7, "tabline1", "A");
    lineWith(3, 7, "tabline1", "A");
    lineWith(4, 7, "tabline1", "B");
    lineWith(5, 8, "tabline1", "C");  // another tab's split
    lineWith(6, 7, "tabline2", "C");  // the other list's
    EXPECT_EQ(Tendering::priorTendered(db, 7, QStringLiteral("tabline1")), *Money::parse(u"7.5"));
    EXPECT_EQ(Tendering::priorTendered(db, 7, QStringLiteral("tabline2")), Money::fromWhole(40));
    EXPECT_EQ(Tendering::priorTendered(db, 1, QStringLiteral("tabline1")), Money()); // the NonTab has none
}

TEST_F(PreTenderTest, AnAccountCanBeChargedUpToItsLimitWhileItsCreditRuns) {
    exec(QStringLiteral("INSERT INTO tab (id, ref, balance, crlimit, crstop) VALUES (3, 'Open', 42.5, 500, 'F')"));
    exec(QStringLiteral("INSERT INTO tab (id, ref, balance, crlimit, crstop) VALUES (4, 'Over', 120, 100, 'F')"));
    exec(QStringLiteral("INSERT INTO tab (id, ref, balance, crlimit, crstop) VALUES (5, 'Stopped', 0, 100, 'T')"));
    exec(QStringLiteral("INSERT INTO tab (id, ref, balance, crlimit, crstop) VALUES (6, 'Blank', -30, 100, '')"));
    EXPECT_EQ(readAccountCredit(db, 3).available(), *Money::parse(u"457.5"));
    EXPECT_EQ(readAccountCredit(db, 4).available(), Money()); // above its limit: nothing, not less
    EXPECT_TRUE(readAccountCredit(db, 5).stopped());
    EXPECT_EQ(readAccountCredit(db, 5).available(), Money());
    // An empty stop flag stops credit too; the credit the customer holds can still be spent.
    EXPECT_TRUE(readAccountCredit(db, 6).stopped());
    EXPECT_EQ(readAccountCredit(db, 6).available(), Money::fromWhole(30));
}

} // namespace
