#pragma once

#include "common/Money.h"

#include <QString>

namespace pelora {

namespace db {
class Connection;
class StoredProc;
} // namespace db

// A tab's account as the main window shows it: what it owes (negative: in credit), its credit
// limit and whether its credit is stopped.
struct TabBalance {
    Money balance;
    Money crLimit;
    bool stopped = false; // crstop "T"

    Money available() const { return crLimit - balance; }
};

// Reads a tab's balance through `tab_balcr_lookup`.
TabBalance lookupTabBalance(db::StoredProc& proc, int tabId);

// What an account can still be charged at payment: the credit limit only while `crstop` is
// "F" (an empty or any other value stops it), less the balance, and never below 0.
struct AccountCredit {
    Money balance;
    Money crLimit;
    QString crStop;
    QString crMessage;

    bool stopped() const { return crStop != u"F"; }
    Money available() const;
};

// An unknown tab reads as a stopped account with nothing owed.
AccountCredit readAccountCredit(db::Connection& db, int tabId);

// Moves a tab's running balance by an account amount (a receipt's `cr`). Throws DbError when
// the tab is not on file: a tab deleted meanwhile would take the account's money with it.
void moveAccountBalance(db::Connection& db, int tabId, Money cr);

// The receipt balance of a tab cross-checks its running balance: the sum of `cr` over its
// receipts, counted up to the receipt `crrecid`.

// Counts every receipt of the tab again (no receipt: 0 and 0).
void RecalcReceiptBalance(db::Connection& db, int tabId);
// Adds the receipts after the last one counted; nothing changes when there is none. Two tills
// counting at the same moment do not both add the same receipts: the count is written only
// while `crrecid` is still the one it started from.
void UpdateReceiptBalance(db::Connection& db, int tabId);
// The tab's receipt balance as it stands.
Money expectedReceiptBalance(db::Connection& db, int tabId);

} // namespace pelora
