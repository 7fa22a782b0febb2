#pragma once

#include "common/Money.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace pelora {

// The grouped sums a takings report can break its figures into, in the order they are shown
// and printed.
enum class Breakdown { Pc, Staff, Tab, Mop, Item, ItemCat, Discount, Split };
inline constexpr int kBreakdownCount = 8;

// "321": by the sum, largest first; "123": smallest first; "abc": by the name.
enum class BreakdownOrder { SumDescending, SumAscending, Name };

struct BreakdownChoice {
    bool ticked = true;
    BreakdownOrder order = BreakdownOrder::SumDescending;
};
using BreakdownChoices = std::array<BreakdownChoice, kBreakdownCount>;

struct BreakdownRow {
    QString name;
    Money sum;
};
using BreakdownRows = std::vector<BreakdownRow>;

// The caption of a breakdown's box in the period dialog ("PCRef", "Item Cat", ...).
QString breakdownCaption(Breakdown breakdown);
// The order choices as the dialog lists them: "321", "123", "abc".
QString orderCaption(BreakdownOrder order);

// How a report's rows are grouped in time: the X report not at all; the daily report by
// `idate`, the monthly by `iyear` and `imonth`, the yearly by `iyear`.
enum class PeriodGrouping { None, Day, Month, Year };

// The period columns of a table alias (`r.iyear`, `r.imonth` for months; none for the X
// report), and the same as the select list `k1`, `k2`.
QStringList periodColumns(PeriodGrouping grouping, const QString& alias);
QString periodSelectList(PeriodGrouping grouping, const QString& alias);

// The statement of a breakdown over the period `istamp >= ? and istamp < ?`: columns `name`
// and `sumextprice`, and before them, for a grouped report, the period columns `k1` (and `k2`
// for months), ordered by period and then as chosen. The discount breakdown sums `disc` as it
// stands: it already holds the discount of the whole line.
QString breakdownSql(Breakdown breakdown, PeriodGrouping grouping, BreakdownOrder order);

// The five totals of receipt lines. The discount sums `disc` as it stands (the whole line's
// discount, negative on a reversal), never `disc` times `qty`.
struct ReportTotals {
    Money cost, price, tax, margin, disc;

    ReportTotals& operator+=(const ReportTotals& other);
};

// The select list of the five totals over the lines `l`.
QString totalsSelectList();

} // namespace pelora
