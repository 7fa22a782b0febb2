#include "admin/StocktakeHistory.h"

#include "common/Money.h"
#include "db/Connection.h"

namespace pelora {

std::vector<StocktakeHistory::Stocktake> StocktakeHistory::select(db::Connection& db, const QString& where,
                                                                  const std::vector<db::Value>& params,
                                                                  bool newestFirst) {
    const db::ResultData result = db.run(
        QStringLiteral("SELECT s.id, s.istamp, s.pcref, s.staffref, SUM(l.extcost) AS sumextcost,"
                       " SUM(l.extprice) AS sumextprice, SUM(l.exttax) AS sumexttax"
                       " FROM stocktake s LEFT JOIN stline l ON s.id = l.stocktakeid ") +
            where + QStringLiteral(" GROUP BY s.id, s.istamp, s.pcref, s.staffref ORDER BY s.id ") +
            (newestFirst ? QStringLiteral("DESC") : QStringLiteral("ASC")),
        params);
    std::vector<Stocktake> stocktakes;
    stocktakes.reserve(result.rows.size());
    for (const db::Row& r : result.rows)
        stocktakes.push_back({static_cast<int>(r[0].asInt()), r[1].asText(), r[2].asText(), r[3].asText(),
                              moneyText(r[4].asDouble()), moneyText(r[5].asDouble()), moneyText(r[6].asDouble())});
    return stocktakes;
}

std::vector<StocktakeHistory::Stocktake> StocktakeHistory::all(db::Connection& db, bool newestFirst) {
    return select(db, QString(), {}, newestFirst);
}

std::vector<StocktakeHistory::Stocktake> StocktakeHistory::withId(db::Connection& db, int id) {
    return select(db, QStringLiteral("WHERE s.id = ?"), {id}, false);
}

std::vector<StocktakeHistory::Line> StocktakeHistory::lines(db::Connection& db, int stocktakeId,
                                                            bool discrepanciesOnly) {
    const db::ResultData result =
        db.run(QStringLiteral("SELECT itemname, itemqty, countqty, extcost, extprice, exttax FROM stline"
                              " WHERE stocktakeid = ?") +
                   (discrepanciesOnly ? QStringLiteral(" AND itemqty <> countqty") : QString()) +
                   QStringLiteral(" ORDER BY id"),
               {stocktakeId});
    std::vector<Line> lines;
    lines.reserve(result.rows.size());
    for (const db::Row& r : result.rows)
        lines.push_back({r[0].asText(), r[1].asText(), r[2].asText(), moneyText(r[3].asDouble()),
                         moneyText(r[4].asDouble()), moneyText(r[5].asDouble())});
    return lines;
}

StocktakeHistory::Found StocktakeHistory::parseId(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {std::nullopt, QStringLiteral("Enter an ID to find.")};
    bool ok = false;
    const int id = trimmed.toInt(&ok);
    if (!ok)
        return {std::nullopt, QStringLiteral("Stocktake ID not valid.")};
    return {id, QString()};
}

} // namespace pelora
