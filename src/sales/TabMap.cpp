#include "sales/TabMap.h"

#include "sales/SalesCaches.h"

namespace pelora::TabMap {

Rows rowsOf(const db::TextTable& tabMap, int mapId) {
    const QString id = QString::number(mapId);
    Rows rows;
    const int last = tabMap.rowCount() - 1;
    while (rows.firstRow < last && tabMap.at(rows.firstRow, TmMapId) != id)
        ++rows.firstRow;
    for (int r = rows.firstRow; r <= last && tabMap.at(r, TmMapId) == id; ++r)
        ++rows.count;
    return rows;
}

int cacheRow(const Rows& rows, int listIndex) {
    return listIndex >= 0 && listIndex < rows.count ? rows.firstRow + listIndex : -1;
}

int mapRow(const db::TextTable& maps, int mapId) {
    const QString id = QString::number(mapId);
    for (int r = 0; r < maps.rowCount(); ++r)
        if (maps.at(r, MapId) == id)
            return r;
    return -1;
}

std::optional<int> neighbour(const db::TextTable& maps, int mapId, int step) {
    const int row = mapRow(maps, mapId);
    const int next = row + step;
    if (row < 0 || next < 0 || next >= maps.rowCount())
        return std::nullopt;
    return maps.at(next, MapId).toInt();
}

} // namespace pelora::TabMap
