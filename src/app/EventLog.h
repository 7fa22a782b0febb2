#pragma once

#include "admin/AdminPermissions.h"
#include "common/Money.h"

#include <QString>

#include <optional>

namespace pelora::db {
class Connection;
}

// The exception log: one entry for each action that takes money off a bill or opens the
// drawer, so that a manager can see afterwards who did what, where and for how much.
namespace pelora::eventlog {

// What was done. kindText() is what the entry's `kind` column holds.
enum class Kind {
    Delete,         // a line deleted
    QtyLowered,     // a quantity lowered on a line already sent to the kitchen
    Discount,       // a discount applied to a line
    DiscountReset,  // a line's discount taken off
    Refund,
    AccountCredit,
    AccountDebit,
    NoSale,         // the drawer opened with no sale
    Reprint,        // a receipt printed again
    Restart,        // a paid receipt taken back into a tab
    Reversal,       // a paid receipt reversed
    Move,           // a line moved to another tab
    ManualRegister, // a line rung up by amount, without an item
};
QString kindText(Kind kind);

struct Event {
    Kind kind = Kind::Delete;
    QString pcRef{};    // the terminal
    QString staffRef{}; // who was logged in
    // The console level when the action came through the console ("Admin" or "Admin2"); none
    // from the sales screen.
    AdminLevel approver = AdminLevel::None;
    QString tabRef{};
    QString itemName{};
    std::optional<double> qty{};
    std::optional<Money> amount{};
    QString detail{}; // a short note: "sent to the kitchen", the discount's name and rate...
};

// Adds the entry: one INSERT, inside the connection's transaction when one is open, so the
// action and its entry are committed or rolled back together. The database sets the entry's id
// and time stamp. Texts longer than their columns are cut to fit (an entry never stops its
// action); empty texts are stored as null. Throws db::DbError when the server refuses.
void write(db::Connection& db, const Event& event);

} // namespace pelora::eventlog
