#pragma once

#include "print/Printing.h"

#include <QString>
#include <QStringView>

namespace pelora {

namespace db {
class StoredProc;
}

// Marks one open line processed by its id, in one transaction; with stock counting on
// (`countmode` "1") the item's stock goes down by the line's quantity as it stands in the
// database at the same time. `table` is "tabline1" or "tabline2". A line another till sent (or
// paid) meanwhile is left as it is, so its stock never moves twice: false then. Throws, with
// nothing changed, on failure.
bool markLineProcessed(db::Connection& db, db::StoredProc& proc, const QString& table, int lineId,
                       QStringView countMode);

// Sends the new lines of a tab (1: this terminal's NonTab) to their outputs, one paper per
// output, and then marks the lines it loaded processed, moving their stock with `countmode`
// "1", in one transaction. A line another till adds meanwhile stays new, and one another till
// processed meanwhile is not counted twice. The second list takes part unless `splitmode` is
// "0". A printer that fails (not found, or a paper the spooler refused) leaves the lines of its
// output new, to print with the next "Process"; the lines of the outputs that printed are
// marked all the same, and then PrintError names each printer that failed; so are the lines
// of an output that has no od row on this terminal ("Kitchen has no printer on this till
// (Bar 2)."), which stay new. A failure while marking rolls the marking back and is not
// reported (the lines print again next time), but for a connection lost on the way: the
// marking is done again on the connection made afresh, and when that fails too the DbError
// goes on to the caller.
// The stocktake tab's count lines are never sent.
struct OrderProcessing {
    QString pcRef;
    QStringView splitMode;
    QStringView countMode;
};
void processOrders(const Printing& printing, const OrderProcessing& settings, int tabId);

} // namespace pelora
