#pragma once

#include "common/Money.h"
#include "reports/Report.h"
#include "reports/ReportPeriod.h"

#include <QStringList>

#include <vector>

namespace pelora {

namespace db {
class Connection;
}

// The first entry of the category list: every split.
inline const QString kAllCategories = QStringLiteral("All Categories");

// "All Categories" and then the splits' categories that are not empty, in order.
QStringList splitCategories(db::Connection& db);

// What one split took over a period, with its contact details. Lines without a split form one
// row with an empty ref.
struct SplitReportRow {
    QString ref;
    Money price;
    QString name;
    QString address; // the address and phones in one text
};

// The splits' takings over the period, the smallest first; `category` limits them to one
// category unless it is "All Categories".
std::vector<SplitReportRow> readSplitReport(db::Connection& db, const ReportPeriod& period, const QString& category);

// "Split Summary from <from> to <to> : <category>".
QString splitReportTitle(const ReportPeriod& period, const QString& category);

// The address and phones joined: each part only when it is not empty, the address parts
// followed by a blank, the postcode and phones by two.
QString splitAddress(const QStringList& streetSuburbStatePostcodePhones);

report::Report splitReport(const QString& title, const std::vector<SplitReportRow>& rows);

} // namespace pelora
