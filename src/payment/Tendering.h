#pragma once

#include "common/Money.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace pelora {

namespace db {
class Connection;
}

// The tender window's arithmetic: its keypad text, the change, and what was paid before.
namespace Tendering {

// The credit modes of the chooser and the tender window: a sale ("0", or after a part-account
// payment the amount charged to the account), money paid in, money paid out.
inline const QString kSale = QStringLiteral("0");
inline const QString kCredit = QStringLiteral("Credit");
inline const QString kDebit = QStringLiteral("Debit");
bool isAccountMovement(QStringView creditMode);
// The source of the tender window opened by the check window for a pre-tender: the amount is
// only handed back, nothing is recorded.
inline const QString kCheckSource = QStringLiteral("checkchoiceform");

// The tendered text after a digit or "." key: appended, except that a text of exactly "0" is
// replaced. Nothing is checked while typing.
QString press(const QString& tendered, QChar key);
// A shortcut key: "10.00" for 10.
QString shortcut(int whole);

// The tendered amount; none for a text that is not one ("1.2.3", ".", "") or is more than an
// operator types (Money::parseTyped).
std::optional<Money> read(QStringView tendered);
// "Change:    6.50" when the tendered amount covers the total, else empty (also when either
// text is not an amount).
QString changeText(QStringView tendered, QStringView total);

// What was tendered on the tab before (pre-tender): the tab's amount, or the sum over the
// splits of the list's lines when that is above 0. Only for account tabs (above 1); else 0.
Money priorTendered(db::Connection& db, int tabId, const QString& source);

// The question when a sale exceeds the account's available credit.
QString partAccountQuestion(Money available, Money total);

} // namespace Tendering

} // namespace pelora
