#pragma once

#include "admin/AdminPermissions.h"
#include "common/Money.h"

#include <QString>
#include <QStringList>

namespace pelora {

class Prompter;

namespace eventlog {
struct Actor;
}
namespace db {
class Connection;
class DbError;
class Query;
} // namespace db

// Who records a receipt: this terminal, the staff logged in on it, and whether the terminal
// counts stock as lines are sold (`countmode` "1").
struct CommitTill {
    QString pcRef;
    QString staffRef;
    QString countMode;
    AdminLevel approver = AdminLevel::None; // the console's level when it asked for the receipt
};

// Turns money movements into receipts, each in one transaction: a sale or refund of a tab's
// open lines, and the credit and debit of a tab's account. Each returns the new receipt id,
// or a value below 1 when nothing was recorded. A refund, a credit and a debit each leave an
// entry in the exception log in their transaction. When the connection to the database is lost
// in the middle, the receipt is looked for once the connection stands again: found, it was
// recorded after all; otherwise the failure (DbError, connection lost) goes to the caller.
class ReceiptCommit {
public:
    static constexpr int kFailed = 0;
    // The lines this till shows were deleted, moved or changed on another till since it read
    // them, or the tab holds lines it has not read: nothing was recorded, and the caller reads
    // the lists again.
    static constexpr int kTabChanged = -1;

    ReceiptCommit(db::Connection& db, Prompter& prompter, CommitTill till);

    // Records the lines of a list ("tabline1" or "tabline2") as the sales screen holds them:
    // the receipt, one receipt line per open line, the part charged to the account on the
    // tab's balance, stock by the count mode, the pre-tendered amounts of the tab and its
    // splits back to 0, and the paid lines deleted (exactly those, by id). When the list then
    // still holds lines of the tab, or the main list is paid while the second list holds lines
    // of the tab that `secondList` (the second list as this till shows it; none when the till
    // does not show it) does not, another till added them since this till read the tab: the
    // guests would leave with them unpaid, so nothing is recorded (kTabChanged). A refund
    // negates the total, the credit, and each line's quantity and extended amounts; its
    // tendered is the negated total.
    int CommitReceipt(int tabId, const db::Query& lines, const QString& source, const QString& mop, Money total,
                      Money tendered, Money credit, bool refund, const db::Query* secondList);
    // Money paid onto a tab's account: tendered = the amount, cr = minus it.
    int CommitCredit(int tabId, const QString& mop, Money amount);
    // Money paid out of an account in credit: tendered = minus the amount, cr = the amount.
    int CommitDebit(int tabId, const QString& mop, Money amount);

    // The database's text of the last failure, for the log.
    const QString& lastFailure() const { return lastFailure_; }

    // The columns of a receipt line copied from the open line, in statement order.
    static const QStringList& copiedColumns();

private:
    int commitMovement(int tabId, const QString& mop, Money tendered, Money cr, bool credit);
    QString tabRef(int tabId);
    bool holdsUnreadLines(int tabId, const QString& source, const db::Query* secondList);
    eventlog::Actor actor() const;
    int failed(const std::exception& failure);
    // After the connection was lost in the middle of a commit: the receipt id when the receipt
    // is there all the same, else the failure goes on to the caller's report.
    int storedAfterAll(int receiptId, const db::DbError& lost);

    db::Connection& db_;
    Prompter& prompter_;
    CommitTill till_;
    QString lastFailure_;
};

} // namespace pelora
