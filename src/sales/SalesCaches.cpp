#include "sales/SalesCaches.h"

#include "common/Placeholders.h"

namespace pelora {

db::TextTable loadOptionChoices(db::Connection& db) {
    // A choice still named as the editor's placeholder was never finished: it is not offered.
    return db::TextTable::load(db,
                               QStringLiteral("SELECT id, itemid, button, choice, cost, price, tax FROM opt WHERE ") +
                                   placeholder::leftOut(QStringLiteral("choice")) +
                                   QStringLiteral(" ORDER BY itemid, button, id"),
                               {placeholder::comparedAs(placeholder::kChoice)});
}

db::TextTable loadTabMap(db::Connection& db) {
    return db::TextTable::load(
        db, QStringLiteral("SELECT tm.tabid, tm.mapid, tm.btncaption, tm.btnleft, tm.btntop,"
                           " tm.btnwidth, tm.btnheight, tm.imageid, tm.imagelrtb, tab.ref"
                           " FROM tm LEFT JOIN tab ON tm.tabid = tab.id"
                           " ORDER BY tm.mapid, tab.ref, tm.tabid"));
}

db::TextTable loadMaps(db::Connection& db) {
    return db::TextTable::load(db,
                               QStringLiteral("SELECT id, name, filename FROM map WHERE ") +
                                   placeholder::leftOut(QStringLiteral("name")) + QStringLiteral(" ORDER BY id"),
                               {placeholder::comparedAs(placeholder::kMap)});
}

db::TextTable loadDiscounts(db::Connection& db) {
    return db::TextTable::load(db,
                               QStringLiteral("SELECT id, name, rate, restricted, stopoveride FROM disc WHERE ") +
                                   placeholder::leftOut(QStringLiteral("name")) + QStringLiteral(" ORDER BY id"),
                               {placeholder::comparedAs(placeholder::kDisc)});
}

} // namespace pelora
