#include "reports/ReportReading.h"

#include "db/Query.h"

namespace pelora {

std::vector<db::Value> periodParams(const ReportPeriod& period) { return {period.begin, period.end}; }

ReportTotals totalsOf(const db::Query& query) {
    return {query.value(u"sumextcost").asMoney(), query.value(u"sumextprice").asMoney(),
            query.value(u"sumexttax").asMoney(), query.value(u"sumextmargin").asMoney(),
            query.value(u"sumextdisc").asMoney()};
}

BreakdownRows readBreakdown(db::Connection& db, Breakdown breakdown, BreakdownOrder order,
                            const ReportPeriod& period) {
    db::Query query(db);
    query.setSql(breakdownSql(breakdown, PeriodGrouping::None, order));
    query.open(periodParams(period));
    BreakdownRows rows;
    rows.reserve(static_cast<std::size_t>(query.rowCount()));
    for (; !query.eof(); query.next())
        rows.push_back({query.value(u"name").asText(), query.value(u"sumextprice").asMoney()});
    return rows;
}

} // namespace pelora
