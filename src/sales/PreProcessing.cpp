#include "sales/PreProcessing.h"

#include "common/Mode.h"
#include "db/StoredProc.h"

namespace pelora {

void preProcessLine(db::Connection& db, db::StoredProc& proc, int lineId, int itemId, double qty,
                    QStringView countMode) {
    db::Transaction transaction(db);
    proc.setName(QStringLiteral("tabline1_processed_update"));
    proc.setParam(0, lineId);
    proc.execute();
    if (modeIs(countMode, '1') && itemId >= 2) { // the manual register item keeps no stock
        proc.setName(QStringLiteral("itemqty_update"));
        proc.setParam(0, itemId);
        proc.setParam(1, qty);
        proc.execute();
    }
    transaction.commit();
}

} // namespace pelora
