#include "reports/ExceptionReport.h"

#include "common/DateTimeText.h"
#include "reports/ReportExport.h"

#include "ReportFixture.h"

using namespace pelora;
using namespace pelora::report;
using test::at;

namespace {

struct Entry {
    QDateTime stamp;
    const char* kind = "Delete";
    db::Value staff = "Anna";
    const char* pc = "Bar";
    db::Value approver = nullptr;
    const char* tab = "Table 1";
    const char* item = "Beer";
    db::Value qty = 1;
    db::Value amount = nullptr;
    const char* detail = "";
};

class ExceptionReportTest : public test::ReportTest {
protected:
    void SetUp() override {
        ReportTest::SetUp();
        owner.connect(database.sysdba());
    }
    // The till's role may only add entries, and the database stamps them now: the owner moves
    // each to its time.
    void entry(const Entry& e) {
        exec(QStringLiteral("INSERT INTO eventlog (id, kind, staffref, pcref, approver, tabref, itemname, qty, amount,"
                            " detail) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
             {++lastId, e.kind, e.staff, e.pc, e.approver, e.tab, e.item, e.qty, e.amount, e.detail});
        owner.run(QStringLiteral("UPDATE eventlog SET stamp = ? WHERE id = ?"), {e.stamp, lastId});
    }
    // A day's entries of three kinds and the staff-less, with two just outside it.
    void fillTheDay() {
        entry({.stamp = at(2024, 3, 1, 10), .staff = "Bob", .qty = 2, .amount = 9, .detail = "sent to the kitchen"});
        entry({.stamp = at(2024, 3, 1, 11), .approver = "Admin", .tab = "Table 2", .item = "Wine", .amount = 12});
        entry({.stamp = at(2024, 3, 1, 9), .pc = "Patio", .amount = 4.5});
        entry({.stamp = at(2024, 3, 1, 12), .staff = nullptr, .qty = nullptr}); // no staff, no amount
        entry({.stamp = at(2024, 3, 1, 8), .staff = ""});                      // no staff either
        entry({.stamp = at(2024, 3, 1, 13), .kind = "No sale", .staff = "Bob", .tab = "", .item = "", .qty = nullptr});
        entry({.stamp = at(2024, 3, 1, 14), .kind = "Discount", .amount = 3.25, .detail = "Staff 50%"});
        entry({.stamp = at(2024, 3, 1), .kind = "Refund", .staff = "Bob", .amount = -7}); // the first moment
        entry({.stamp = at(2024, 2, 29, 23, 59, 59), .amount = 100});                      // the day before
        entry({.stamp = at(2024, 3, 2), .amount = 100});                                   // the next day
    }
    std::vector<ExceptionEntry> readTheDay() { return readExceptions(db, {at(2024, 3, 1), at(2024, 3, 2)}); }

    db::Connection owner;
    int lastId = 0;
};

// What a band shows on paper: its cells' texts joined by "|".
QString shown(const Band& band) {
    QStringList out;
    for (const Cell& cell : band.cells)
        if (!cell.exportOnly)
            out << cell.text;
    return out.join(u'|');
}

TEST_F(ExceptionReportTest, ThePeriodsEntriesByKindThenStaffWithoutStaffLastThenTime) {
    fillTheDay();
    const std::vector<ExceptionEntry> entries = readTheDay();
    QStringList order;
    for (const ExceptionEntry& e : entries)
        order << e.kind + u'/' + e.staffRef + u'/' + e.stamp.time().toString(QStringLiteral("hh"));
    EXPECT_EQ(order, (QStringList{"Delete/Anna/09", "Delete/Anna/11", "Delete/Bob/10", "Delete//08", "Delete//12",
                                  "Discount/Anna/14", "No sale/Bob/13", "Refund/Bob/00"}));

    // A period without entries still has its total line, as every report has.
    const std::vector<ExceptionEntry> none = readExceptions(db, {at(2024, 3, 2, 0, 0, 1), at(2024, 3, 3)});
    EXPECT_TRUE(none.empty());
    const Report empty = exceptionReport(QStringLiteral("Exceptions"), none);
    ASSERT_EQ(empty.bands.size(), 1u);
    EXPECT_EQ(shown(empty.bands.front()), QStringLiteral("Total|0 entries|0.00"));
}

TEST_F(ExceptionReportTest, EachKindAndEachStaffWithinItHeadsItsEntriesAndTotalsThem) {
    fillTheDay();
    const Report r = exceptionReport(QStringLiteral("Exceptions"), readTheDay());
    QStringList shape;
    for (const Band& band : r.bands) {
        if (band.kind == BandKind::GroupHeader)
            shape << u'[' + shown(band);
        else if (band.kind == BandKind::Detail)
            shape << band.cells.at(2).text; // the entry's time
        else
            shape << u']' + shown(band);
    }
    const auto t = [](int hour) { return dateTimeDisplay(at(2024, 3, 1, hour)); };
    EXPECT_EQ(shape, (QStringList{"[Delete", "[Anna", t(9), t(11), "]Anna|2 entries|16.50",
                                  "[Bob", t(10), "]Bob|1 entry|9.00",
                                  "[(none)", t(8), t(12), "](none)|2 entries|0.00",
                                  "]Delete|5 entries|25.50",
                                  "[Discount", "[Anna", t(14), "]Anna|1 entry|3.25", "]Discount|1 entry|3.25",
                                  "[No sale", "[Bob", t(13), "]Bob|1 entry|0.00", "]No sale|1 entry|0.00",
                                  "[Refund", "[Bob", t(0), "]Bob|1 entry|-7.00", "]Refund|1 entry|-7.00",
                                  "]Total|8 entries|21.75"}));
    EXPECT_EQ(r.sum(BandKind::Summary, exceptions::Amount), r.sum(BandKind::Detail, exceptions::Amount));
    // An entry on paper: its time, terminal, approver, tab, item, quantity, amount and detail.
    EXPECT_EQ(shown(r.bands.at(3)), t(11) + QStringLiteral("|Bar|Admin|Table 2|Wine|1|12.00|"));
    EXPECT_EQ(shown(r.bands.at(6)), t(10) + QStringLiteral("|Bar||Table 1|Beer|2|9.00|sent to the kitchen"));
    EXPECT_EQ(shown(r.bands.at(10)), t(12) + QStringLiteral("|Bar||Table 1|Beer|")); // no quantity, no amount
}

TEST_F(ExceptionReportTest, TheSpreadsheetHasEveryFieldOfEachEntryAndTheTotalsBesideTheirGroup) {
    fillTheDay();
    const std::vector<SheetRow> rows = sheetRows(exceptionReport(QStringLiteral("Exceptions"), readTheDay()));
    const auto line = [&](std::size_t r) {
        QStringList out;
        for (const SheetCell& cell : rows.at(r))
            out << (cell.amount ? u'#' + cell.amount->toString() : cell.text);
        return out.join(u'|');
    };
    EXPECT_EQ(line(1), QStringLiteral("Kind|Staff|Date/Time|PCRef|Approver|TabRef|Item|Qty|Amount|Detail"));
    // The group headers add no rows: 8 entries, 6 staff totals, 4 kind totals and the total.
    ASSERT_EQ(rows.size(), 2u + 8 + 6 + 4 + 1);
    EXPECT_EQ(line(2), QStringLiteral("Delete|Anna|") + dateTimeDisplay(at(2024, 3, 1, 9)) +
                           QStringLiteral("|Patio||Table 1|Beer|1|#4.50|"));
    EXPECT_EQ(line(4), QStringLiteral("Delete|Anna|||||||#16.50|2 entries"));
    EXPECT_EQ(line(7), QStringLiteral("Delete|(none)|") + dateTimeDisplay(at(2024, 3, 1, 8)) +
                           QStringLiteral("|Bar||Table 1|Beer|1||"));
    EXPECT_EQ(line(10), QStringLiteral("Delete||||||||#25.50|5 entries"));
    EXPECT_EQ(line(rows.size() - 1), QStringLiteral("Total||||||||#21.75|8 entries"));
}

} // namespace
