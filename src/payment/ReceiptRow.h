#pragma once

#include "common/Money.h"

#include <QDateTime>
#include <QString>

namespace pelora {

namespace db {
class Query;
}

// A committed receipt as the history lists it. `revRecId` above 0 links a cancelled receipt and
// the mirror receipt that cancelled it, both ways.
struct ReceiptRow {
    int id = 0;
    QDateTime istamp;
    Money total;
    Money tendered;
    QString mop;
    Money cr;
    QString tabRef;
    QString pcRef;
    QString staffRef;
    int revRecId = 0;
    int tabId = 0;

    // The current row of a receipt list (all zero and empty without one).
    static ReceiptRow of(const db::Query& receipts);
};

} // namespace pelora
