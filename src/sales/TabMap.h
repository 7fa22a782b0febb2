#pragma once

#include "db/TextTable.h"

#include <optional>

namespace pelora {

// The tab map of the Tab page drawn from the caches: which rows of the tab map cache belong to
// the current map, and which map lies before or after it.
namespace TabMap {

// The current map's rows: `firstRow` is the first-row marker, the cache index of its first row
// (with no rows it ends on the cache's last row); `count` how many rows follow from there.
struct Rows {
    int firstRow = 0;
    int count = 0;
};
Rows rowsOf(const db::TextTable& tabMap, int mapId);

// The cache row of a tab list entry, or -1 when the entry is outside the current map's rows.
int cacheRow(const Rows& rows, int listIndex);

// The map before (`step` -1) or after (`step` +1) the current one in id order; none at the
// first or last map, or when the current map is not in the cache.
std::optional<int> neighbour(const db::TextTable& maps, int mapId, int step);

// The map cache row of a map id, or -1.
int mapRow(const db::TextTable& maps, int mapId);

} // namespace TabMap

} // namespace pelora
