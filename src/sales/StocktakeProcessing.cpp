#include "sales/StocktakeProcessing.h"

#include "common/Prompter.h"
#include "db/Connection.h"
#include "db/StoredProc.h"
#include "sales/SalesState.h"

namespace pelora {

bool StocktakeProcessing::confirmed(Prompter& prompter, int tabId, bool hasLines) {
    if (tabId != SalesState::kStocktakeTab) {
        prompter.information(QStringLiteral("Not in Stocktake mode.\r\nSelect Admin > Stocktake."));
        return false;
    }
    if (!prompter.confirm(QStringLiteral("Process the stocktake?")))
        return false;
    if (!hasLines) {
        prompter.information(QStringLiteral("First add a line to the stocktake."));
        return false;
    }
    return true;
}

int StocktakeProcessing::process(db::Connection& db, db::StoredProc& proc, const QString& pcRef,
                                 const QString& staffRef) {
    db::Transaction transaction(db);
    const int stocktakeId = proc.nextId(QStringLiteral("stocktake"));
    db.run(QStringLiteral("INSERT INTO stocktake (id, pcref, staffref) VALUES (?, ?, ?)"), {stocktakeId, pcRef, staffRef});
    const db::ResultData counts = db.run(
        QStringLiteral("SELECT itemid, itemname, itemqty, qty, cost, price, tax, extcost, extprice, exttax"
                       " FROM tabline1 WHERE tabid = ? AND pcref = ? ORDER BY id"),
        {SalesState::kStocktakeTab, pcRef});
    for (const db::Row& line : counts.rows) {
        const db::Value& itemId = line[0];
        // A null expected, counted or current quantity reads as 0.
        const double expected = line[2].asDouble();
        const double counted = line[3].asDouble();
        const int lineId = proc.nextId(QStringLiteral("stline"));
        db.run(QStringLiteral("INSERT INTO stline (id, stocktakeid, itemid, itemname, itemqty, countqty, cost, price,"
                              " tax, extcost, extprice, exttax) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
               {lineId, stocktakeId, itemId, line[1], expected, counted, line[4], line[5], line[6], line[7], line[8],
                line[9]});
        // C − (E − X) with X read by the update itself, so that a sale another till commits
        // between a read and a write cannot be lost.
        db.run(QStringLiteral("UPDATE item SET qty = CAST(? AS DOUBLE PRECISION) - (CAST(? AS DOUBLE PRECISION)"
                              " - COALESCE(qty, 0)) WHERE id = ?"),
               {counted, expected, itemId});
    }
    proc.setName(QStringLiteral("tabline1_del_stocktake_101"));
    proc.setParam(0, pcRef);
    proc.execute();
    transaction.commit();
    return stocktakeId;
}

QString StocktakeProcessing::doneMessage(int stocktakeId) {
    return QStringLiteral("Stocktake ID: ") + QString::number(stocktakeId) +
           QStringLiteral(" complete. Item table was updated.");
}

} // namespace pelora
