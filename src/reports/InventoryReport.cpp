#include "reports/InventoryReport.h"

#include "db/Query.h"

namespace pelora {

report::Report inventoryReport(db::Connection& db, const QString& title) {
    using namespace report;
    enum SheetColumn { Qty, Name, ExtCost, ExtPrice, ExtTax, StockNo, Barcode1 };
    Report report;
    report.title = title;
    report.orientation = Orientation::Portrait;
    report.sheetColumns = {QStringLiteral("Qty"),     QStringLiteral("Item Name"), QStringLiteral("ExtCost"),
                           QStringLiteral("ExtPrice"), QStringLiteral("ExtTax"),   QStringLiteral("StockNo"),
                           QStringLiteral("Barcode1")};
    report.columnHeader = {centredText(QStringLiteral("Qty"), 0, 16),       text(QStringLiteral("Item Name"), 18),
                           rightText(QStringLiteral("ExtCost"), 62, 22),   rightText(QStringLiteral("ExtPrice"), 86, 22),
                           rightText(QStringLiteral("ExtTax"), 110, 20),   text(QStringLiteral("StockNo"), 134),
                           text(QStringLiteral("Barcode1"), 162)};
    db::Query query(db);
    query.setSql(QStringLiteral("SELECT id, name, qty, cost1 * qty AS extcost1, price1 * qty AS extprice1,"
                                " tax1 * qty AS exttax1, stockno, barcode1 FROM item WHERE qty >= 0 ORDER BY name, id"));
    query.open();
    for (; !query.eof(); query.next()) {
        Cell qty = centredText(query.value(u"qty").asText(), 0, 16, Qty);
        report.bands.push_back({BandKind::Detail,
                                {qty, text(query.value(u"name").asText(), 18, 44, Name),
                                 amount(query.value(u"extcost1").asMoney(), 62, 22, ExtCost),
                                 amount(query.value(u"extprice1").asMoney(), 86, 22, ExtPrice),
                                 amount(query.value(u"exttax1").asMoney(), 110, 20, ExtTax),
                                 text(query.value(u"stockno").asText(), 134, 26, StockNo),
                                 text(query.value(u"barcode1").asText(), 162, 0, Barcode1)}});
    }
    Band sums{BandKind::Summary,
              {amount(report.sum(BandKind::Detail, ExtCost), 62, 22, ExtCost),
               amount(report.sum(BandKind::Detail, ExtPrice), 86, 22, ExtPrice),
               amount(report.sum(BandKind::Detail, ExtTax), 110, 20, ExtTax)}};
    for (Cell& cell : sums.cells)
        cell.ruleAbove = true;
    report.bands.push_back(std::move(sums));
    return report;
}

} // namespace pelora
