#include "common/DateTimeText.h"
#include "db/ServerClock.h"
#include "print/CheckLines.h"
#include "print/CheckPaper.h"
#include "print/PreTender.h"

#include "PrintFixture.h"

using namespace pelora;

namespace {

const QDateTime kStamp(QDate(2026, 12, 9), QTime(20, 15, 3));

QString blanks(int n) { return QString(n, u' '); }

class FixedClock : public db::ServerClock {
public:
    QDateTime now() override { return kStamp; }
};

// Table 1 (tab 3) with splits A and B in both lists, a split A2 only in the second list, lines
// in no split (one null, one empty), and lines of other tabs and terminals that no check of
// Table 1 or of Till1's NonTab may take.
class CheckPrintingTest : public test::PrintTest {
protected:
    static constexpr int kTable1 = 3;

    void SetUp() override {
        PrintTest::SetUp();
        line(1, 1, kTable1, "A", "Beer", 2, 9, 0.8182);
        line(1, 2, kTable1, "B", "Wine", 1, 8.5, 0.7727);
        line(1, 3, kTable1, "A", "Chips", 1, 5, 0);
        line(1, 4, kTable1, nullptr, "Water", 1, 2, 0);
        line(1, 5, kTable1, "", "Bread", 1, 4, 0.3636);
        line(1, 6, 4, "A", "Cider", 1, 7, 0.6364);
        line(2, 11, kTable1, "B", "Steak", 1, 24, 2.1818);
        line(2, 12, kTable1, "A2", "Salad", 1, 12, 1.0909);
        line(2, 13, kTable1, "A", "Soup", 1, 7.5, 0.6818);
        exec(QStringLiteral("UPDATE tabline1 SET optmsg = 'No ice' WHERE id = 1"));
        exec(QStringLiteral("UPDATE tabline1 SET disc = 0.5, opt1caption = 'Salt', opt1choice = 'T',"
                            " opt2caption = 'Sauce', opt2choice = 'Aioli' WHERE id = 3"));
        exec(QStringLiteral("UPDATE tabline1 SET optmsg = 'Warm' WHERE id = 5"));
        exec(QStringLiteral("UPDATE tabline2 SET splitmsg = 'Seat one' WHERE id = 13"));
    }
    void line(int list, int id, int tabId, db::Value splitRef, const char* name, double qty, double extprice,
              double exttax, const char* pcRef = "Till1") {
        exec(QStringLiteral("INSERT INTO tabline%1 (id, pcref, tabid, splitref, itemname, qty, extprice, exttax, disc)"
                            " VALUES (?, ?, ?, ?, ?, ?, ?, ?, 0)")
                 .arg(list),
             {id, pcRef, tabId, std::move(splitRef), name, qty, extprice, exttax});
    }
    static std::vector<int> ids(const CheckLines& check) {
        std::vector<int> result;
        for (const CheckLine& l : check.lines)
            result.push_back(l.id);
        return result;
    }
    CheckLines load(const CheckScope& scope, int tabId = kTable1) {
        return loadCheckLines(db, {tabId, kTill}, scope);
    }
    void addCheckOutput() {
        addOutput(1, QStringLiteral("Check"), QStringLiteral("Front"),
                  {{QStringLiteral("bcpl"), 40}, {QStringLiteral("begincode1"), "#27#64"},
                   {QStringLiteral("htext"), "THE CORNER BAR"}, {QStringLiteral("ejectlines"), 2},
                   {QStringLiteral("endcode1"), "#29#86#0"}});
    }
    QByteArray paper(const CheckLines& check, std::optional<Money> tendered = std::nullopt) {
        spooler.documents.clear();
        printCheck(printing(), clock, {QStringLiteral("Table 1"), kTill, tendered}, check);
        return spooler.documents.empty() ? QByteArray() : spooler.documents.front().bytes;
    }
    // The frame of the test's "Check" output around body lines.
    static QByteArray framed(const QStringList& body) {
        QByteArray bytes = "\x1b@THE CORNER BAR\r\n";
        for (const QString& l : body)
            bytes += l.toLatin1() + "\r\n";
        return bytes + "\n\n" + QByteArray("\x1dV\0", 3);
    }
    static QString header() { return QStringLiteral("Qty  Item") + blanks(21) + QStringLiteral("    Price "); }

    FixedClock clock;
};

TEST_F(CheckPrintingTest, SplitsAreListedOnceMainListFirstAndUnsplitStandsForNullAndEmpty) {
    EXPECT_EQ(collectSplits(db, {kTable1, kTill}, u"1"), (QStringList{"", "A", "B", "A2"}));
    EXPECT_EQ(collectSplits(db, {kTable1, kTill}, u"0"), (QStringList{"", "A", "B"}));

    EXPECT_EQ(ids(load(CheckScope::ofSplit(QStringLiteral("A")))), (std::vector<int>{1, 3, 13}));
    EXPECT_EQ(ids(load(CheckScope::ofSplit(QString()))), (std::vector<int>{4, 5}));
    EXPECT_EQ(load(CheckScope::ofSplit(QStringLiteral("A"))).total, Money::fromUnits(215000));
    EXPECT_EQ(CheckScope::ofSplit(QString()).caption(), QStringLiteral("Unsplit"));

    // The NonTab's lines are this terminal's alone.
    line(1, 7, 1, "B", "Beer", 1, 4.5, 0.4091);
    line(1, 8, 1, "C", "Beer", 1, 4.5, 0.4091, "Till2");
    line(2, 14, 1, "A", "Wine", 1, 8, 0.7273);
    EXPECT_EQ(collectSplits(db, {1, kTill}, u"1"), (QStringList{"B", "A"}));
    EXPECT_EQ(ids(load(CheckScope::whole(), 1)), (std::vector<int>{14, 7}));
}

TEST_F(CheckPrintingTest, AWholeTabCheckGroupsBySplitWithTheMainListFirstInEachGroup) {
    const CheckLines check = load(CheckScope::whole());
    // No split first; A from the main list then the second; A2 (second list only); then B.
    EXPECT_EQ(ids(check), (std::vector<int>{4, 5, 1, 3, 13, 12, 2, 11}));
    EXPECT_EQ(check.total, Money::fromWhole(72));
}

TEST_F(CheckPrintingTest, ASplitCheckByteForByte) {
    addCheckOutput();
    const QByteArray printed = paper(load(CheckScope::ofSplit(QStringLiteral("A"))));
    EXPECT_EQ(printed, framed({
                           QStringLiteral("Check for Tab:Table 1 PC:Till1"),
                           QStringLiteral("Split:A"),
                           dateTimeDisplay(kStamp),
                           header(),
                           QStringLiteral("2    Beer") + blanks(21) + blanks(5) + QStringLiteral("9.00*"),
                           blanks(5) + QStringLiteral("No ice"),
                           QStringLiteral("1    Chips") + blanks(20) + blanks(5) + QStringLiteral("5.00 "),
                           blanks(5) + QStringLiteral("Salt + Sauce: Aioli"),
                           // The split's message belongs on the kitchen's paper, not the bill.
                           QStringLiteral("1    Soup") + blanks(21) + blanks(5) + QStringLiteral("7.50*"),
                           blanks(24) + QStringLiteral("Total:") + blanks(4) + QStringLiteral("21.50 "),
                           blanks(15) + QStringLiteral("* Included Tax:") + blanks(5) + QStringLiteral("1.50 "),
                           blanks(12) + QStringLiteral("Included Discount:") + blanks(5) + QStringLiteral("0.50 "),
                       }));

    const QString unsplit = QString::fromLatin1(paper(load(CheckScope::ofSplit(QString()))));
    EXPECT_TRUE(unsplit.contains(QStringLiteral("\r\nSplit:Unsplit\r\n")));
}

TEST_F(CheckPrintingTest, AWholeTabCheckWithAPreTenderByteForByte) {
    addCheckOutput();
    const QByteArray printed = paper(load(CheckScope::whole()), Money::fromWhole(100));
    EXPECT_EQ(printed, framed({
                           QStringLiteral("Check for Tab:Table 1 PC:Till1"),
                           dateTimeDisplay(kStamp),
                           header(),
                           QStringLiteral("1    Water") + blanks(20) + blanks(5) + QStringLiteral("2.00 "),
                           QStringLiteral("1    Bread") + blanks(20) + blanks(5) + QStringLiteral("4.00*"),
                           blanks(5) + QStringLiteral("Warm"),
                           QStringLiteral("2    Beer") + blanks(21) + blanks(5) + QStringLiteral("9.00*"),
                           blanks(5) + QStringLiteral("No ice > A"),
                           QStringLiteral("1    Chips") + blanks(20) + blanks(5) + QStringLiteral("5.00 "),
                           blanks(5) + QStringLiteral("Salt + Sauce: Aioli"),
                           blanks(5) + QStringLiteral("A"),
                           QStringLiteral("1    Soup") + blanks(21) + blanks(5) + QStringLiteral("7.50*"),
                           blanks(5) + QStringLiteral("A"),
                           QStringLiteral("1    Salad") + blanks(20) + blanks(4) + QStringLiteral("12.00*"),
                           blanks(5) + QStringLiteral("A2"),
                           QStringLiteral("1    Wine") + blanks(21) + blanks(5) + QStringLiteral("8.50*"),
                           blanks(5) + QStringLiteral("B"),
                           QStringLiteral("1    Steak") + blanks(20) + blanks(4) + QStringLiteral("24.00*"),
                           blanks(5) + QStringLiteral("B"),
                           blanks(24) + QStringLiteral("Total:") + blanks(4) + QStringLiteral("72.00 "),
                           blanks(21) + QStringLiteral("Tendered:") + blanks(3) + QStringLiteral("100.00 "),
                           blanks(23) + QStringLiteral("Change:") + blanks(4) + QStringLiteral("28.00 "),
                           blanks(15) + QStringLiteral("* Included Tax:") + blanks(4) + QStringLiteral("5.909 "),
                           blanks(12) + QStringLiteral("Included Discount:") + blanks(5) + QStringLiteral("0.50 "),
                       }));
}

// One guest's pre-tender stays in the window; on the whole table's check it would read as a
// negative change.
TEST_F(CheckPrintingTest, ATenderedAmountIsPrintedOnlyOnACheckItCovers) {
    addCheckOutput();
    const QString whole = QString::fromLatin1(paper(load(CheckScope::whole()), Money::fromWhole(50)));
    EXPECT_TRUE(whole.contains(QStringLiteral("Total:    72.00 ")));
    EXPECT_FALSE(whole.contains(QStringLiteral("Tendered:")));
    EXPECT_FALSE(whole.contains(QStringLiteral("Change:")));
    const QString exact = QString::fromLatin1(paper(load(CheckScope::whole()), Money::fromWhole(72)));
    EXPECT_TRUE(exact.contains(QStringLiteral("Change:     0.00 ")));
}

TEST_F(CheckPrintingTest, ThePreTenderPrintsAsTheCheckModeSays) {
    addCheckOutput();
    addOutput(2, QStringLiteral("Drawer"), QStringLiteral("Front"), {{QStringLiteral("begincode1"), "#27#112"}});
    const CheckLines check = load(CheckScope::ofSplit(QStringLiteral("B")));
    const auto papers = [&](const char16_t* checkMode) {
        spooler.documents.clear();
        printPreTenderCheck(printing(), clock, checkMode, u"1", {QStringLiteral("Table 1"), kTill, Money::fromWhole(40)},
                            check);
        QStringList kinds;
        for (const auto& d : spooler.documents)
            kinds << (d.bytes == "\x1bp" ? QStringLiteral("drawer")
                      : d.bytes.contains("Tendered:") ? QStringLiteral("check")
                                                      : QStringLiteral("?"));
        return kinds.join(u',');
    };
    EXPECT_EQ(papers(u"1"), QStringLiteral("check"));
    EXPECT_EQ(papers(u"2"), QStringLiteral("drawer,check"));
    EXPECT_EQ(papers(u"3"), QStringLiteral("drawer"));
    EXPECT_EQ(papers(u"0"), QString());

    // A check the printer refuses is said, not passed over as printed.
    spooler.refusing << QStringLiteral("Front");
    try {
        papers(u"1");
        ADD_FAILURE() << "the refused check passed as printed";
    } catch (const PrintError& failure) {
        EXPECT_EQ(failure.message(), QStringLiteral("Printer Front did not take the check."));
    }
}

TEST_F(CheckPrintingTest, APreTenderReplacesTheEarlierOneOnItsSplitOrTab) {
    exec(QStringLiteral("INSERT INTO split (id, ref) VALUES (1, 'A')"));
    exec(QStringLiteral("INSERT INTO split (id, ref, tendered) VALUES (2, 'B', 5)"));
    exec(QStringLiteral("INSERT INTO tab (id, ref, tendered) VALUES (3, 'Table 1', 0)"));
    const auto tendered = [&](const char* table, int id) {
        return scalar(QStringLiteral("SELECT tendered FROM %1 WHERE id = ?").arg(QLatin1String(table)), {id});
    };
    savePreTender(db, kTable1, CheckScope::ofSplit(QStringLiteral("A")), Money::fromWhole(20));
    savePreTender(db, kTable1, CheckScope::ofSplit(QStringLiteral("A")), Money::fromUnits(355000));
    EXPECT_EQ(tendered("split", 1), QStringLiteral("35.5"));
    EXPECT_EQ(tendered("split", 2), QStringLiteral("5")); // another split keeps its own

    savePreTender(db, kTable1, CheckScope::whole(), Money::fromWhole(50));
    savePreTender(db, kTable1, CheckScope::whole(), Money::fromWhole(80));
    EXPECT_EQ(tendered("tab", kTable1), QStringLiteral("80"));

    // The NonTab has no row to keep it on, and the lines in no split no split.
    const QString nonTabBefore = tendered("tab", 1);
    savePreTender(db, 1, CheckScope::whole(), Money::fromWhole(60));
    savePreTender(db, kTable1, CheckScope::ofSplit(QString()), Money::fromWhole(60));
    EXPECT_EQ(tendered("tab", 1), nonTabBefore);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM split WHERE tendered = 60")), QStringLiteral("0"));
}

} // namespace
