#include "sales/SalesCaches.h"

namespace pelora {

db::TextTable loadOptionChoices(db::Connection& db) {
    return db::TextTable::load(
        db, QStringLiteral("SELECT id, itemid, button, choice, cost, price, tax FROM opt"
                           " ORDER BY itemid, button, id"));
}

db::TextTable loadTabMap(db::Connection& db) {
    return db::TextTable::load(
        db, QStringLiteral("SELECT tm.tabid, tm.mapid, tm.btncaption, tm.btnleft, tm.btntop,"
                           " tm.btnwidth, tm.btnheight, tm.imageid, tm.imagelrtb, tab.ref"
                           " FROM tm LEFT JOIN tab ON tm.tabid = tab.id"
                           " ORDER BY tm.mapid, tab.ref, tm.tabid"));
}

db::TextTable loadMaps(db::Connection& db) {
    return db::TextTable::load(db, QStringLiteral("SELECT id, name, filename FROM map ORDER BY id"));
}

db::TextTable loadDiscounts(db::Connection& db) {
    return db::TextTable::load(
        db, QStringLiteral("SELECT id, name, rate, restricted, stopoveride FROM disc ORDER BY id"));
}

} // namespace pelora
