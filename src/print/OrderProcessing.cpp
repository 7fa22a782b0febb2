#include "print/OrderProcessing.h"

#include "common/Mode.h"
#include "db/DbError.h"
#include "db/Query.h"
#include "db/StoredProc.h"
#include "print/OrderLines.h"
#include "print/OrderPapers.h"
#include "print/Spooler.h"

namespace pelora {

bool markLineProcessed(db::Connection& db, db::StoredProc& proc, const QString& table, int lineId,
                       QStringView countMode) {
    db::Transaction transaction(db);
    // The lock makes a till that marks the same line at the same moment wait, and then fail
    // rather than move the stock a second time.
    db::Query line(db);
    line.setSql(QStringLiteral("SELECT processed, itemid, qty FROM %1 WHERE id = ? WITH LOCK").arg(table));
    line.open({lineId});
    if (line.isEmpty() || line.value(u"processed").asText() != QStringLiteral("F"))
        return false;
    const long long itemId = line.value(u"itemid").asInt();
    const double qty = line.value(u"qty").asDouble();
    proc.setName(table + QStringLiteral("_processed_update"));
    proc.setParam(0, lineId);
    proc.execute();
    if (modeIs(countMode, '1') && itemId >= 2) { // the manual register item keeps no stock
        proc.setName(QStringLiteral("itemqty_update"));
        proc.setParam(0, itemId);
        proc.setParam(1, qty);
        proc.execute();
    }
    transaction.commit();
    return true;
}

void processOrders(const Printing& printing, const OrderProcessing& settings, int tabId) {
    if (tabId < 1 || tabId == 2)
        return;
    const std::vector<OrderLine> lines =
        loadOrderLines(printing.db, {false, tabId, settings.pcRef, settings.splitMode});
    if (lines.empty())
        return;
    // The lines of an output whose paper failed stay new, and go with the next "Process"; the
    // outputs whose paper went through are marked, so their kitchen never cooks them twice.
    const std::vector<OrderPaperFailure> failures =
        printOrders(printing, lines, {tabId, lines.front().tabCaption(), false});
    QStringList failedOutputs, reasons;
    for (const OrderPaperFailure& failure : failures) {
        failedOutputs << failure.outputName;
        reasons << failure.message;
    }

    const auto markSent = [&] {
        db::Query update(printing.db);
        db::StoredProc stock(printing.db);
        stock.setName(QStringLiteral("itemqty_update"));
        db::Transaction transaction(printing.db);
        for (const OrderLine& line : lines) {
            if (failedOutputs.contains(line.outputName))
                continue;
            update.setSql(QStringLiteral("UPDATE %1 SET processed = 'T' WHERE id = ? AND processed = 'F'").arg(line.list));
            update.exec({line.id});
            if (update.rowsAffected() > 0 && modeIs(settings.countMode, '1')) {
                stock.setParam(0, line.itemId);
                stock.setParam(1, line.qty);
                stock.execute();
            }
        }
        transaction.commit();
    };
    try {
        markSent();
    } catch (const db::DbError& failure) {
        // The papers are out. A connection lost on the way is made again and the marking done
        // once more (a line marked already is left alone), or the kitchen would be sent the
        // same order twice; still out of reach, the operator hears of it.
        if (failure.isConnectionLost())
            markSent();
        // Otherwise the lines stay new and go again with the next "Process".
    } catch (const std::exception&) {
    }
    if (!reasons.isEmpty())
        throw PrintError(reasons.join(u'\n'));
}

} // namespace pelora
