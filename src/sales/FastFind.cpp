#include "sales/FastFind.h"

#include "common/Flag.h"
#include "common/Prompter.h"
#include "db/Connection.h"

namespace pelora::FastFind {

namespace {

// Each code is compared as UPPER(column) = ?, the very expression the item indexes are
// computed by, so that the server walks those indexes instead of reading every item.
QString condition(By by) {
    switch (by) {
    case By::Barcode:
        return QStringLiteral("UPPER(barcode1) = ? OR UPPER(barcode2) = ?");
    case By::StockNo:
        return QStringLiteral("UPPER(stockno) = ?");
    case By::Both:
        break;
    }
    return QStringLiteral("UPPER(barcode1) = ? OR UPPER(barcode2) = ? OR UPPER(stockno) = ?");
}

int placeholders(By by) {
    switch (by) {
    case By::Barcode:
        return 2;
    case By::StockNo:
        return 1;
    case By::Both:
        break;
    }
    return 3;
}

} // namespace

db::TextTable search(db::Connection& db, const QString& text, By by) {
    const std::vector<db::Value> codes(static_cast<std::size_t>(placeholders(by)), db::Value(text.toUpper()));
    return db::TextTable::load(db,
                               QStringLiteral("SELECT id, name, stockno, barcode1, barcode2, stopline FROM item WHERE ") +
                                   condition(by) + QStringLiteral(" ORDER BY id"),
                               codes);
}

int find(db::Connection& db, Prompter& prompter, const QString& text, By by, const Chooser& choose) {
    if (text.isEmpty()) {
        if (by == By::Barcode)
            prompter.information(QStringLiteral("Enter a barcode."));
        else if (by == By::StockNo)
            prompter.information(QStringLiteral("Enter a StockNo."));
        return 0;
    }
    const db::TextTable found = search(db, text, by);
    if (found.isEmpty())
        return 0;
    if (found.rowCount() > 1)
        return choose(found);
    if (isTrue(found.at(0, Stop))) {
        prompter.information(QStringLiteral("Item: \"") + found.at(0, Name) + QStringLiteral("\" has been stopped."));
        return 0;
    }
    return found.at(0, Id).toInt();
}

} // namespace pelora::FastFind
