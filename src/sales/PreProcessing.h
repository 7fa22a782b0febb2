#pragma once

#include <QStringView>

namespace pelora {

namespace db {
class Connection;
class StoredProc;
} // namespace db

// Marks a line processed the moment it is added (the "PP" button, or a layout that processes
// every line as it is added), in one transaction: with stock counting on, the item's stock
// goes down by the line's quantity at the same time. Throws, with nothing changed, on failure.
void preProcessLine(db::Connection& db, db::StoredProc& proc, int lineId, int itemId, double qty,
                    QStringView countMode);

} // namespace pelora
