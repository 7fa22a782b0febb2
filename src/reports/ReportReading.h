#pragma once

#include "reports/Breakdowns.h"
#include "reports/ReportPeriod.h"

#include <vector>

namespace pelora::db {
class Connection;
class Query;
class Value;
} // namespace pelora::db

namespace pelora {

// The period as the two parameters of `istamp >= ? AND istamp < ?`.
std::vector<db::Value> periodParams(const ReportPeriod& period);

// The five totals of the current row of a query with the columns of totalsSelectList().
ReportTotals totalsOf(const db::Query& query);

// The rows of a breakdown over a period, as the X report shows them.
BreakdownRows readBreakdown(db::Connection& db, Breakdown breakdown, BreakdownOrder order,
                            const ReportPeriod& period);

} // namespace pelora
