#pragma once

#include "db/TextTable.h"

namespace pelora {

namespace db {
class Connection;
}

// The account tabs (ids above 2) the tab find window lists.
namespace TabSearch {

// Tabs as the find window lists them: id, ref, cat; by ref.
enum TabColumn { TabId, TabRef, TabCat };

struct Found {
    db::TextTable categories; // cat, by cat
    db::TextTable tabs;
};

// Categories containing the text and tabs whose ref contains it, in any letter case; every
// category and tab when the text is empty. The text is matched as it stands ("%" and "_" are
// no wildcards).
Found search(db::Connection& db, const QString& text);
// The tabs of a category, in any letter case; the empty category also takes tabs without one.
db::TextTable tabsOfCategory(db::Connection& db, const QString& category);

} // namespace TabSearch

} // namespace pelora
