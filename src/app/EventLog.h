#pragma once

#include "admin/AdminPermissions.h"
#include "common/Money.h"
#include "db/Value.h"

#include <QString>

#include <optional>
#include <vector>

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
    QString detail{}; // a short note: "Sent", the discount's name and rate...
};

// Who acts: the terminal, the staff logged in on it, and the console level the action came
// through (none from the sales screen).
struct Actor {
    QString pcRef;
    QString staffRef;
    AdminLevel approver = AdminLevel::None;

    Event event(Kind kind) const { return {.kind = kind, .pcRef = pcRef, .staffRef = staffRef, .approver = approver}; }
};

// Open lines an action takes, for one entry each: the lines of `table` ("tabline1" or
// "tabline2") that `where` (over the table's columns, with ? for `params`) takes.
struct LineSelection {
    QString table;
    QString where;
    std::vector<db::Value> params;

    // The lines of the given ids.
    static LineSelection byIds(const QString& table, const std::vector<db::Value>& ids);
};

// SQL over an open line's columns for the entries' amounts and details.
namespace lineSql {
// What the line comes to, its discount taken off.
inline const QString kValue = QStringLiteral("extprice");
// The discount the line carries: what its price would come to without it, less what it comes to.
inline const QString kDiscount = QStringLiteral("qty * adjprice - extprice");
// Whether the line had been sent to its printer.
inline const QString kSent = QStringLiteral("TRIM(CASE WHEN processed = 'T' THEN 'Sent' ELSE 'Not sent' END)");
// The line's discount, as "Staff 100%".
inline const QString kDiscountName = QStringLiteral(
    "TRIM(COALESCE(discname, '') || ' ' || COALESCE(TRIM(TRAILING '.' FROM TRIM(TRAILING '0' FROM"
    " CAST(CAST(discrate AS NUMERIC(18, 4)) AS VARCHAR(24)))) || '%', ''))");
} // namespace lineSql

// Whether the database has the exception log (one made by an earlier version lacks it until
// `pelora-dbinit --upgrade`).
bool present(db::Connection& db);

// Adds the entry: one INSERT, inside the connection's transaction when one is open, so the
// action and its entry are committed or rolled back together. The database sets the entry's id
// and time stamp. Texts longer than their columns are cut to fit (an entry never stops its
// action); empty texts are stored as null. Throws db::DbError when the server refuses.
void write(db::Connection& db, const Event& event);

// Adds one entry per selected line, in one statement: the event's fields with the line's item
// name and quantity, `amountSql` and `detailSql` worked out over the line's columns, and the
// line's tab unless the event names one. In `detailSql` each ? stands for the event's detail
// text; an empty `detailSql` leaves the detail null. Written before the lines change, the
// entries show the lines as the action found them.
void writeLines(db::Connection& db, const Event& event, const LineSelection& lines, const QString& amountSql,
                const QString& detailSql);

} // namespace pelora::eventlog
