#pragma once

#include "reports/Report.h"

namespace pelora {

namespace db {
class Connection;
}

// The stock on hand: every item whose quantity is not negative, by name, with its stock at
// cost, price and tax (price level 1), and the three sums.
report::Report inventoryReport(db::Connection& db, const QString& title);

} // namespace pelora
