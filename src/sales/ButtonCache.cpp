#include "sales/ButtonCache.h"

#include "db/Connection.h"
#include "db/ServerClock.h"

#include <QHash>

namespace pelora {

namespace {

QString buttonCacheSql() {
    QString sql = QStringLiteral(
        "SELECT li.id, li.linkid, li.itemid, li.linkidlink, li.btncaption, li.boxcolour,"
        " li.boxleft, li.boxtop, li.boxwidth, li.boxheight, item.qty, item.price1, item.price2,"
        " item.price3, li.imageid, li.imagelrtb, link.name AS linkname, item.stopline,"
        " item.stopdisc, item.name AS itemname, item.cost1, item.tax1, item.cost2, item.tax2,"
        " item.cost3, item.tax3");
    for (int n = 1; n <= 10; ++n)
        sql += QStringLiteral(", item.opt%1caption, item.opt%1auto, item.opt%1prompt,"
                              " item.opt%1forced, item.opt%1cost, item.opt%1price, item.opt%1tax")
                   .arg(n);
    sql += QStringLiteral(
        ", output.name AS outputname"
        " FROM li LEFT JOIN item ON li.itemid = item.id"
        " LEFT JOIN link ON li.linkid = link.id"
        " LEFT JOIN output ON item.outputid = output.id"
        " ORDER BY li.linkid, li.id");
    return sql;
}

} // namespace

void ButtonCache::load(db::Connection& db) {
    static const QString sql = buttonCacheSql();
    rows_ = db::TextTable::load(db, sql);
}

void ButtonCache::refreshStock(db::Connection& db, db::ServerClock& clock, QDateTime& lastRefresh) {
    const QDateTime now = clock.now();
    const db::ResultData changed =
        db.run(QStringLiteral("SELECT id, qty FROM item WHERE ustamp > ?"),
               {lastRefresh.addSecs(-kLookBackSeconds)});
    if (!changed.rows.empty()) {
        QHash<QString, QString> qtyByItem;
        for (const db::Row& r : changed.rows)
            qtyByItem.insert(r[0].asText(), r[1].asText());
        for (int row = 0; row < rows_.rowCount(); ++row) {
            const auto it = qtyByItem.constFind(rows_.at(row, ItemId));
            if (it != qtyByItem.cend())
                rows_.set(row, Qty, *it);
        }
    }
    lastRefresh = now;
}

} // namespace pelora
