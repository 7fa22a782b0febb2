#include "print/OrderLines.h"

#include "common/Mode.h"
#include "db/Query.h"

namespace pelora {

namespace {

// The statement for one list; "$" stands for the list's table.
QString linesSql(const QString& table, const OrderQuery& q, bool main) {
    QString sql = QStringLiteral("SELECT $.id, $.istamp, $.pcref, $.tabid, tab.ref AS tabref, $.itemid,"
                                 " $.itemname, $.qty");
    for (int n = 1; n <= 10; ++n)
        sql += QStringLiteral(", $.opt%1caption, $.opt%1choice").arg(n);
    sql += QStringLiteral(", $.splitref, $.splitmsg, $.optmsg, $.outputname, $.processed"
                          " FROM $ LEFT JOIN tab ON $.tabid = tab.id");
    QStringList where;
    if (!q.all)
        where << QStringLiteral("$.processed = 'F'");
    if (q.tabId > 2 || (!main && q.tabId == 2))
        where << QStringLiteral("$.tabid = ?");
    else if (q.tabId == 1)
        where << QStringLiteral("$.tabid = 1 AND $.pcref = ?");
    else if (main)
        where << QStringLiteral("$.tabid <> 2");
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    sql += QStringLiteral(" ORDER BY $.istamp");
    return sql.replace(u'$', table);
}

std::vector<OrderLine> read(db::Connection& db, const QString& table, const OrderQuery& q, bool main) {
    db::Query query(db);
    query.setSql(linesSql(table, q, main));
    std::vector<db::Value> params;
    if (q.tabId == 1)
        params.emplace_back(q.pcRef);
    else if (q.tabId > 2 || (!main && q.tabId == 2))
        params.emplace_back(q.tabId);
    query.open(params);
    std::vector<OrderLine> lines;
    for (; !query.eof(); query.next()) {
        const auto text = [&](const char16_t* column) { return query.value(QStringView(column)).asText(); };
        OrderLine line;
        line.list = table;
        line.id = static_cast<int>(query.value(u"id").asInt());
        line.stamp = query.value(u"istamp").asDateTime();
        line.pcRef = text(u"pcref");
        line.tabId = static_cast<int>(query.value(u"tabid").asInt());
        line.tabRef = text(u"tabref");
        line.itemId = static_cast<int>(query.value(u"itemid").asInt());
        line.itemName = text(u"itemname");
        line.qty = query.value(u"qty").asDouble();
        line.options = LineOptions::of(query);
        line.splitRef = text(u"splitref");
        line.splitMsg = text(u"splitmsg");
        line.optMsg = text(u"optmsg");
        line.outputName = text(u"outputname");
        line.processed = text(u"processed") != u"F";
        lines.push_back(std::move(line));
    }
    return lines;
}

// Stamps compare in whole seconds, as they read when written out as text.
qint64 seconds(const QDateTime& stamp) { return stamp.toSecsSinceEpoch(); }

} // namespace

std::vector<OrderLine> loadOrderLines(db::Connection& db, const OrderQuery& query) {
    std::vector<OrderLine> main = read(db, QStringLiteral("tabline1"), query, true);
    if (modeIs(query.splitMode, '0'))
        return main;
    std::vector<OrderLine> second = read(db, QStringLiteral("tabline2"), query, false);
    std::vector<OrderLine> merged;
    merged.reserve(main.size() + second.size());
    auto next = second.begin();
    for (OrderLine& line : main) {
        for (; next != second.end() && seconds(next->stamp) < seconds(line.stamp); ++next)
            merged.push_back(std::move(*next));
        merged.push_back(std::move(line));
    }
    for (; next != second.end(); ++next)
        merged.push_back(std::move(*next));
    return merged;
}

} // namespace pelora
