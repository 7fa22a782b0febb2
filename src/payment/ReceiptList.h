#pragma once

#include "db/Query.h"
#include "payment/ReceiptRow.h"

#include <QString>
#include <QStringList>

namespace pelora {

class Prompter;

namespace db {
class ServerClock;
}

// The receipts the history window lists, newest first: those of the last days by the server's
// clock, those of one tab, or one found by its docket number (its id).
class ReceiptList {
public:
    ReceiptList(db::Connection& db, db::ServerClock& clock, Prompter& prompter);

    // Receipts stamped from `days` whole days before the server's time on.
    void LoadReceiptsByDays(int days);
    void LoadTabReceipts(int tabId);
    // The receipt whose id is the typed number. An empty text or one that is not a whole
    // number is refused with a message and leaves the list as it was; false then.
    bool FindReceipt(const QString& text);
    // Reads the same receipts again, staying on the same one.
    void reload();

    // The columns the grid shows, in its order; `tabid` follows them in the result.
    static const QStringList& shownColumns();

    const db::Query& receipt1() const { return receipt1_; }
    db::Query& receipt1() { return receipt1_; }
    // The receipt chosen in the list.
    ReceiptRow current() const { return ReceiptRow::of(receipt1_); }

private:
    void load(const QString& where, std::vector<db::Value> params);

    db::Query receipt1_;
    db::ServerClock& clock_;
    Prompter& prompter_;
};

} // namespace pelora
