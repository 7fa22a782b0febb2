#pragma once

#include "reports/Breakdowns.h"
#include "reports/Report.h"
#include "reports/ReportPeriod.h"

#include <QDateTime>

#include <array>
#include <optional>
#include <vector>

namespace pelora {

namespace db {
class Connection;
}

struct ReceiptReportLine {
    QString description; // the item and its options
    ReportTotals amounts;
};

struct ReceiptReportRow {
    int id = 0;
    QDateTime istamp;
    QString pcRef, tabRef, mop;
    Money tendered;
    std::optional<ReportTotals> sums; // none for a receipt without lines
    std::vector<ReceiptReportLine> lines;
};

struct ReceiptReportFigures {
    std::vector<ReceiptReportRow> receipts;
    ReportTotals grand; // the line report's own total over the period
};

// The receipts of a period in id order with their sums, and with `withLines` each receipt's
// lines and the grand totals, all read in one snapshot.
ReceiptReportFigures readReceiptReport(db::Connection& db, const ReportPeriod& period, bool withLines);

// An item with its chosen options: "Steak > Cook: Rare + Sauce" (a choice of exactly "T" is
// an option taken without a list, shown by its caption alone).
QString lineDescription(const QString& itemName, const std::array<QString, 10>& captions,
                        const std::array<QString, 10>& choices);

namespace receipts {
enum SheetColumn { Id, Stamp, Cost, Price, Tax, Margin, Disc, PcRef, TabRef, Mop, Tendered, Item };
}

// One line per receipt and a total line.
report::Report receiptReport(const QString& title, const ReceiptReportFigures& figures);
// Each receipt, its lines and its subtotals, and the grand totals.
report::Report receiptLineReport(const QString& title, const ReceiptReportFigures& figures);

} // namespace pelora
