#include "sales/FastFind.h"

#include "GTestSupport.h"
#include "ScriptedPrompter.h"
#include "TestDatabase.h"

using namespace pelora;

namespace {

class FastFindTest : public test::DemoDatabaseTest {
protected:
    // The item found, counting what the chooser was offered.
    int find(const QString& text, FastFind::By by, int choice = 0) {
        offered.clear();
        return FastFind::find(db, prompter, text, by, [this, choice](const db::TextTable& rows) {
            for (const auto& row : rows.rows())
                offered << row.at(FastFind::Id);
            return choice;
        });
    }

    test::ScriptedPrompter prompter{test::gtestFailures()};
    QStringList offered;
};

TEST_F(FastFindTest, CodesMatchInAnyLetterCaseAndOnlyInTheChosenColumns) {
    exec(QStringLiteral("UPDATE item SET stockno = 'ABC12' WHERE id = 4"));
    EXPECT_EQ(find(QStringLiteral("abc12"), FastFind::By::StockNo), 4);
    EXPECT_EQ(find(QStringLiteral("abc12"), FastFind::By::Both), 4);
    EXPECT_EQ(find(QStringLiteral("abc12"), FastFind::By::Barcode), 0); // a stock number is no bar code
    EXPECT_EQ(find(QStringLiteral("9300001000029"), FastFind::By::Barcode), 3);
    EXPECT_EQ(find(QStringLiteral("9300001000029"), FastFind::By::StockNo), 0);
    EXPECT_EQ(find(QStringLiteral("beer"), FastFind::By::Both), 0); // whole codes only
    // A code longer than the columns hold (a 14-digit carton code) is simply not found.
    EXPECT_EQ(find(QStringLiteral("19300001000029"), FastFind::By::Both), 0);
    EXPECT_EQ(find(QString(40, u'7'), FastFind::By::Barcode), 0);
    EXPECT_TRUE(offered.isEmpty());
    // A quote in the code is only a character of it.
    exec(QStringLiteral("UPDATE item SET barcode2 = 'O''BRIEN' WHERE id = 9"));
    EXPECT_EQ(find(QStringLiteral("o'brien"), FastFind::By::Barcode), 9);
}

TEST_F(FastFindTest, ACodeOnSeveralItemsGoesToTheChooser) {
    // Lager's bar code is also Cola's second one.
    exec(QStringLiteral("UPDATE item SET barcode2 = '9300001000029' WHERE id = 9"));
    EXPECT_EQ(find(QStringLiteral("9300001000029"), FastFind::By::Barcode, 9), 9);
    EXPECT_EQ(offered, QStringList({QStringLiteral("3"), QStringLiteral("9")}));
    EXPECT_EQ(find(QStringLiteral("9300001000029"), FastFind::By::Barcode, 0), 0); // "Close"
    // "Both" joins stock numbers and bar codes.
    exec(QStringLiteral("UPDATE item SET stockno = '9300001000029' WHERE id = 2"));
    find(QStringLiteral("9300001000029"), FastFind::By::Both);
    EXPECT_EQ(offered, QStringList({QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("9")}));
}

TEST_F(FastFindTest, AStoppedItemIsRefusedAloneButTakenFromTheChooser) {
    prompter.expectInformation(QStringLiteral("Item: \"Oysters\" has been stopped."));
    EXPECT_EQ(find(QStringLiteral("food-oy"), FastFind::By::StockNo), 0);
    exec(QStringLiteral("UPDATE item SET stockno = 'FOOD-OY' WHERE id = 13"));
    EXPECT_EQ(find(QStringLiteral("food-oy"), FastFind::By::StockNo, 18), 18);
}

TEST_F(FastFindTest, AnEmptyBoxAsksForTheCodeOfTheChoice) {
    prompter.expectInformation(QStringLiteral("Enter a barcode."));
    EXPECT_EQ(find(QString(), FastFind::By::Barcode), 0);
    prompter.expectInformation(QStringLiteral("Enter a StockNo."));
    EXPECT_EQ(find(QString(), FastFind::By::StockNo), 0);
    EXPECT_EQ(find(QString(), FastFind::By::Both), 0); // no message
    prompter.verify();
}

} // namespace
