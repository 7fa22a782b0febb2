#pragma once

#include "db/TextTable.h"

namespace pelora {

namespace db {
class Connection;
}

// The smaller caches of the sales screen, each a table of texts in the order given.

// Option choices: id, itemid, button, choice, cost, price, tax; by item, slot and id.
db::TextTable loadOptionChoices(db::Connection& db);

// Tab buttons on the maps: tabid, mapid, btncaption, btnleft, btntop, btnwidth, btnheight,
// imageid, imagelrtb and the tab's ref; by map, ref and tab, so one map's rows are contiguous.
db::TextTable loadTabMap(db::Connection& db);
enum TabMapColumn {
    TmTabId, TmMapId, TmCaption, TmLeft, TmTop, TmWidth, TmHeight, TmImageId, TmImageLrtb, TmRef
};

// Maps: id, name, filename; by id.
db::TextTable loadMaps(db::Connection& db);
enum MapColumn { MapId, MapName, MapFileName };

// Discounts: id, name, rate, restricted, stopoveride; by id.
db::TextTable loadDiscounts(db::Connection& db);

} // namespace pelora
