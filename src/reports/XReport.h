#pragma once

#include "reports/Breakdowns.h"
#include "reports/ReportPeriod.h"

#include <QStringList>

#include <array>
#include <optional>

namespace pelora {

namespace db {
class Connection;
}
struct Printing;

// The takings of a period: five totals over every receipt line, the ticked breakdowns, and how
// many receipts there were (reversals apart). All read in one snapshot, so the figures describe
// the same receipts however busy the other tills are.
struct XReportFigures {
    ReportTotals totals;
    // A breakdown left unticked is not read.
    std::array<std::optional<BreakdownRows>, kBreakdownCount> breakdowns;
    long long tranxCount = 0;
    long long revCount = 0; // receipts whose revrecid is above 0

    // "Tranx Count: 12 (Rev. Count: 1)".
    QString countText() const;
};

XReportFigures readXReport(db::Connection& db, const ReportPeriod& period, const BreakdownChoices& choices);

// The body of the X paper at `width` characters a line (the output's `bcpl`): the title, the
// totals, each breakdown that was read, the count line.
QStringList xPaperLines(const QString& title, const XReportFigures& figures, int width);

// Prints the X paper on this terminal's "X" output; nothing when it has none or its width is 0.
// An unknown printer throws PrintError.
void printXReport(const Printing& printing, const QString& title, const XReportFigures& figures);

} // namespace pelora
