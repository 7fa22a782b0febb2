#include "sales/OpenTabs.h"

#include "db/Connection.h"

#include <algorithm>

namespace pelora {

OpenTabs OpenTabs::read(db::Connection& db) {
    return OpenTabs(db::TextTable::load(
        db, QStringLiteral("SELECT l.tabid, t.ref FROM tabline1 l LEFT JOIN tab t ON l.tabid = t.id"
                           " WHERE l.tabid <> 2"
                           " UNION"
                           " SELECT l.tabid, t.ref FROM tabline2 l LEFT JOIN tab t ON l.tabid = t.id"
                           " WHERE l.tabid <> 2"
                           " ORDER BY 2")));
}

OpenTabs::OpenTabs(db::TextTable rows) : rows_(std::move(rows)) {
    ids_.reserve(static_cast<std::size_t>(rows_.rowCount()));
    for (int r = 0; r < rows_.rowCount(); ++r)
        ids_.push_back(rows_.at(r, TabId).toInt());
    std::sort(ids_.begin(), ids_.end());
}

bool OpenTabs::contains(int tabId) const { return std::binary_search(ids_.begin(), ids_.end(), tabId); }

} // namespace pelora
