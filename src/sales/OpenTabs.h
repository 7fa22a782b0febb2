#pragma once

#include "db/TextTable.h"

#include <vector>

namespace pelora {

namespace db {
class Connection;
}

// Every tab with open lines in either list on any terminal, once, the stocktake tab never (the
// NonTab when any terminal holds NonTab lines). "Active" lists them and the Tab page marks their
// buttons as occupied; both read them here, so the two always agree.
class OpenTabs {
public:
    static OpenTabs read(db::Connection& db);

    // tabid and ref, by ref; the ref is empty for lines whose tab is gone.
    enum Column { TabId, Ref };
    const db::TextTable& rows() const { return rows_; }
    bool contains(int tabId) const;

private:
    explicit OpenTabs(db::TextTable rows);

    db::TextTable rows_;
    std::vector<int> ids_; // sorted
};

} // namespace pelora
