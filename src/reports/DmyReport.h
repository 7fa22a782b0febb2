#pragma once

#include "reports/Breakdowns.h"
#include "reports/Report.h"
#include "reports/ReportPeriod.h"

#include <array>
#include <optional>
#include <vector>

namespace pelora {

namespace db {
class Connection;
}

// The takings of a period day by day (or month by month, year by year): one summary row per
// period that had sales, the ticked breakdowns of that period under it, and grand totals.
struct DmyRow {
    QString label; // the date, "2024 / 3", or "2024"
    ReportTotals totals;
    std::array<BreakdownRows, kBreakdownCount> breakdowns;
};

struct DmyFigures {
    PeriodGrouping grouping = PeriodGrouping::Day;
    BreakdownChoices choices;
    std::vector<DmyRow> rows;
};

// Reads every figure in one snapshot: one statement for the summary rows and one per ticked
// breakdown, each grouped by period and split among the rows here (not one statement per row
// and breakdown, which over a year would be thousands).
DmyFigures readDmyReport(db::Connection& db, PeriodGrouping grouping, const ReportPeriod& period,
                         const BreakdownChoices& choices);

// The report's columns in the spreadsheet.
namespace dmy {
enum SheetColumn { Period, Cost, Price, Tax, Margin, Disc, Breakdown, Name, Amount };
}

report::Report dmyReport(const QString& title, const DmyFigures& figures);

} // namespace pelora
