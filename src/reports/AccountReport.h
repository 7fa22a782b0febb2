#pragma once

#include "common/Money.h"
#include "reports/Report.h"

#include <vector>

namespace pelora {

namespace db {
class Connection;
}

// Every tab's receipt balance counted again, from all its receipts or from the last one counted.
enum class Recount { Full, Incremental };
void recountAccounts(db::Connection& db, Recount recount);

// A tab whose running balance is not 0, or disagrees with its receipts.
struct AccountRow {
    QString ref;
    Money balance;
    Money crLimit;
    Money crRecBal;
    bool stopped = false;
    QString message;
};

// The tabs to report, by name.
std::vector<AccountRow> readAccountRows(db::Connection& db);

// "Account Balance Report : <the server's date and time>", on A4 portrait.
report::Report accountReport(const QString& title, const std::vector<AccountRow>& rows);

} // namespace pelora
