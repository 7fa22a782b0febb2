#include "sales/FastFind.h"

#include "common/Flag.h"
#include "common/Prompter.h"
#include "db/Connection.h"

namespace pelora::FastFind {

namespace {

// The longest code an item holds (`stockno`; the bar codes hold 13).
constexpr int kLongestCode = 30;

// Each code is compared as UPPER(column) = ?, the very expression the item indexes are
// computed by, so that the server walks those indexes instead of reading every item. The code
// goes in as the longest column's type: a scanned code longer than a bar code column is then
// simply not found instead of being refused by the server.
QString condition(By by) {
    const QString code = QStringLiteral(" = CAST(? AS VARCHAR(%1))").arg(kLongestCode);
    const QString barcode = QStringLiteral("UPPER(barcode1)") + code + QStringLiteral(" OR UPPER(barcode2)") + code;
    const QString stockNo = QStringLiteral("UPPER(stockno)") + code;
    switch (by) {
    case By::Barcode:
        return barcode;
    case By::StockNo:
        return stockNo;
    case By::Both:
        break;
    }
    return barcode + QStringLiteral(" OR ") + stockNo;
}

} // namespace

db::TextTable search(db::Connection& db, const QString& text, By by) {
    if (text.size() > kLongestCode)
        return {}; // no item holds such a code
    const QString where = condition(by);
    const std::vector<db::Value> codes(static_cast<std::size_t>(where.count(u'?')), db::Value(text.toUpper()));
    return db::TextTable::load(db,
                               QStringLiteral("SELECT id, name, stockno, barcode1, barcode2, stopline FROM item WHERE ") + where +
                                   QStringLiteral(" ORDER BY id"),
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
