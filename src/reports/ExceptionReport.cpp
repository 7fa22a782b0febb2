#include "reports/ExceptionReport.h"

#include "common/DateTimeText.h"
#include "db/Query.h"
#include "reports/ReportReading.h"

namespace pelora {

std::vector<ExceptionEntry> readExceptions(db::Connection& db, const ReportPeriod& period) {
    db::Query query(db);
    // In the report's order, so that it groups in one pass. An empty staff reference is no one.
    query.setSql(QStringLiteral("SELECT stamp, kind, staffref, pcref, approver, tabref, itemname, qty, amount, detail"
                                " FROM eventlog WHERE stamp >= ? AND stamp < ?"
                                " ORDER BY kind, NULLIF(staffref, '') NULLS LAST, stamp, id"));
    query.open(periodParams(period));
    std::vector<ExceptionEntry> entries;
    entries.reserve(static_cast<std::size_t>(query.rowCount()));
    for (; !query.eof(); query.next()) {
        ExceptionEntry entry;
        entry.stamp = query.value(u"stamp").asDateTime();
        entry.kind = query.value(u"kind").asText();
        entry.staffRef = query.value(u"staffref").asText();
        entry.pcRef = query.value(u"pcref").asText();
        entry.approver = query.value(u"approver").asText();
        entry.tabRef = query.value(u"tabref").asText();
        entry.itemName = query.value(u"itemname").asText();
        if (const db::Value qty = query.value(u"qty"); !qty.isNull())
            entry.qty = qty.asDouble();
        if (const db::Value amount = query.value(u"amount"); !amount.isNull())
            entry.amount = amount.asMoney();
        entry.detail = query.value(u"detail").asText();
        entries.push_back(std::move(entry));
    }
    return entries;
}

namespace exceptions {

QString staffText(const QString& staffRef) { return staffRef.isEmpty() ? QStringLiteral("(none)") : staffRef; }

QString countText(int count) {
    return count == 1 ? QStringLiteral("1 entry") : QStringLiteral("%1 entries").arg(count);
}

} // namespace exceptions

namespace {

using namespace report;
using namespace exceptions;

// Where each field stands on the page, from the left margin.
constexpr double kStaffMm = 5;
constexpr double kStampMm = 10, kStampWidthMm = 34;
constexpr double kTerminalMm = 46, kTerminalWidthMm = 26;
constexpr double kApproverMm = 74, kApproverWidthMm = 16;
constexpr double kTabMm = 92, kTabWidthMm = 26;
constexpr double kItemMm = 120, kItemWidthMm = 38;
constexpr double kQtyMm = 158, kQtyWidthMm = 14;
constexpr double kAmountMm = 174, kAmountWidthMm = 22;
constexpr double kDetailMm = 200;

// A group's count and the sum of its amounts.
struct Tally {
    int count = 0;
    Money amount;

    void add(const ExceptionEntry& entry) {
        ++count;
        if (entry.amount)
            amount += *entry.amount;
    }
};

// The label (with the kind and staff it totals in the spreadsheet), the count right-aligned up
// to the quantity's edge, and the sum under the amounts.
Band tallyBand(BandKind kind, std::vector<Cell> label, const Tally& tally, bool bold) {
    Band band{kind, std::move(label)};
    band.cells.push_back(rightText(countText(tally.count), kItemMm, kQtyMm + kQtyWidthMm - kItemMm, Detail));
    Cell sum = amount(tally.amount, kAmountMm, kAmountWidthMm, Amount);
    sum.ruleAbove = true;
    sum.bold = bold;
    band.cells.push_back(std::move(sum));
    return band;
}

Cell boldText(const QString& value, double leftMm, double widthMm, int sheetColumn) {
    Cell cell = text(value, leftMm, widthMm, sheetColumn);
    cell.bold = true;
    return cell;
}

Band entryBand(const ExceptionEntry& entry) {
    Band band{BandKind::Detail,
              {exportOnly(entry.kind, Kind), exportOnly(staffText(entry.staffRef), Staff),
               text(dateTimeDisplay(entry.stamp), kStampMm, kStampWidthMm, Stamp),
               text(entry.pcRef, kTerminalMm, kTerminalWidthMm, Terminal),
               text(entry.approver, kApproverMm, kApproverWidthMm, Approver),
               text(entry.tabRef, kTabMm, kTabWidthMm, Tab), text(entry.itemName, kItemMm, kItemWidthMm, Item)}};
    if (entry.qty)
        band.cells.push_back(rightText(db::shortestDecimal(*entry.qty), kQtyMm, kQtyWidthMm, Qty));
    if (entry.amount)
        band.cells.push_back(amount(*entry.amount, kAmountMm, kAmountWidthMm, Amount));
    band.cells.push_back(text(entry.detail, kDetailMm, 0, Detail));
    return band;
}

} // namespace

report::Report exceptionReport(const QString& title, const std::vector<ExceptionEntry>& entries) {
    Report report;
    report.title = title;
    report.orientation = Orientation::Landscape;
    report.sheetColumns = {QStringLiteral("Kind"), QStringLiteral("Staff"),  QStringLiteral("Date/Time"),
                           QStringLiteral("PCRef"), QStringLiteral("Approver"), QStringLiteral("TabRef"),
                           QStringLiteral("Item"),  QStringLiteral("Qty"),      QStringLiteral("Amount"),
                           QStringLiteral("Detail")};
    // No heading over the kinds and staff: they stand left of the entries, heading their groups.
    report.columnHeader = {text(QStringLiteral("Date/Time"), kStampMm),
                           text(QStringLiteral("PCRef"), kTerminalMm),
                           text(QStringLiteral("Approver"), kApproverMm),
                           text(QStringLiteral("TabRef"), kTabMm),
                           text(QStringLiteral("Item"), kItemMm),
                           rightText(QStringLiteral("Qty"), kQtyMm, kQtyWidthMm),
                           rightText(QStringLiteral("Amount"), kAmountMm, kAmountWidthMm),
                           text(QStringLiteral("Detail"), kDetailMm)};

    Tally kindTally, staffTally, grand;
    const ExceptionEntry* previous = nullptr;
    const auto closeStaff = [&] {
        report.bands.push_back(tallyBand(BandKind::GroupFooter,
                                         {exportOnly(previous->kind, Kind),
                                          text(staffText(previous->staffRef), kStaffMm, kStampMm + kStampWidthMm - kStaffMm, Staff)},
                                         staffTally, false));
        staffTally = {};
    };
    const auto closeKind = [&] {
        closeStaff();
        report.bands.push_back(tallyBand(BandKind::GroupFooter, {boldText(previous->kind, 0, kItemMm, Kind)}, kindTally, true));
        kindTally = {};
    };
    for (const ExceptionEntry& entry : entries) {
        const bool newKind = !previous || entry.kind != previous->kind;
        const bool newStaff = newKind || staffText(entry.staffRef) != staffText(previous->staffRef);
        if (previous && newKind)
            closeKind();
        else if (previous && newStaff)
            closeStaff();
        if (newKind)
            report.bands.push_back({BandKind::GroupHeader, {boldText(entry.kind, 0, kItemMm, -1)}});
        if (newStaff)
            report.bands.push_back({BandKind::GroupHeader, {text(staffText(entry.staffRef), kStaffMm, 0, -1)}});
        report.bands.push_back(entryBand(entry));
        kindTally.add(entry);
        staffTally.add(entry);
        grand.add(entry);
        previous = &entry;
    }
    if (previous)
        closeKind();
    report.bands.push_back(tallyBand(BandKind::Summary, {boldText(QStringLiteral("Total"), 0, kItemMm, Kind)}, grand, true));
    return report;
}

} // namespace pelora
