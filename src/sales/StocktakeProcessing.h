#pragma once

#include <QString>

namespace pelora {

class Prompter;

namespace db {
class Connection;
class StoredProc;
} // namespace db

// Turns this terminal's count lines (the stocktake tab's lines of list 1) into a stocktake: a
// `stocktake` row, an `stline` row per count, each counted item's quantity set, and the count
// lines gone. Sales made on other tills while the count went on are allowed for: a count line
// remembers the stock when it was added, and whatever moved since is taken off the count.
class StocktakeProcessing {
public:
    // The operator's go-ahead: on the stocktake tab, "Yes" to the question, and a line to
    // process; each refusal is told. `hasLines` is list 1 as the screen shows it.
    static bool confirmed(Prompter& prompter, int tabId, bool hasLines);

    // Processes every count line of the terminal in one transaction and returns the
    // stocktake's id. On any failure nothing is kept (the count lines stay) and it throws.
    static int process(db::Connection& db, db::StoredProc& proc, const QString& pcRef, const QString& staffRef);

    static QString doneMessage(int stocktakeId);
};

} // namespace pelora
