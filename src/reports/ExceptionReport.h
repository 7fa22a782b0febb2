#pragma once

#include "reports/Report.h"
#include "reports/ReportPeriod.h"

#include <QDateTime>

#include <optional>
#include <vector>

namespace pelora {

namespace db {
class Connection;
}

// One entry of the exception log as the report shows it.
struct ExceptionEntry {
    QDateTime stamp;
    QString kind;
    QString staffRef; // empty when no one was logged in
    QString pcRef;
    QString approver; // "Admin" or "Admin2" when it came through the console
    QString tabRef;
    QString itemName;
    std::optional<double> qty;
    std::optional<Money> amount;
    QString detail;
};

// The period's entries by kind, then by staff (those without staff last), then by time.
std::vector<ExceptionEntry> readExceptions(db::Connection& db, const ReportPeriod& period);

namespace exceptions {
enum SheetColumn { Kind, Staff, Stamp, Terminal, Approver, Tab, Item, Qty, Amount, Detail };
// How an entry without staff is shown.
QString staffText(const QString& staffRef);
// "1 entry", "3 entries".
QString countText(int count);
} // namespace exceptions

// A group for each kind and within it for each staff member, each with its count and the sum
// of its amounts, every entry listed under its staff, and the grand total. Takes the entries in
// the order readExceptions() gives them.
report::Report exceptionReport(const QString& title, const std::vector<ExceptionEntry>& entries);

} // namespace pelora
