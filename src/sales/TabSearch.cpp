#include "sales/TabSearch.h"

#include "db/Connection.h"
#include "db/LikePattern.h"

namespace pelora::TabSearch {

Found search(db::Connection& db, const QString& text) {
    if (text.isEmpty())
        return {db::TextTable::load(db, QStringLiteral("SELECT DISTINCT cat FROM tab WHERE id > 2 ORDER BY cat")),
                db::TextTable::load(db, QStringLiteral("SELECT id, ref, cat FROM tab WHERE id > 2 ORDER BY ref"))};
    const QString pattern = db::containingPattern(text);
    return {db::TextTable::load(db,
                                QStringLiteral("SELECT DISTINCT cat FROM tab WHERE id > 2"
                                               " AND UPPER(cat) LIKE ? ESCAPE '\\' ORDER BY cat"),
                                {pattern}),
            db::TextTable::load(db,
                                QStringLiteral("SELECT id, ref, cat FROM tab WHERE id > 2"
                                               " AND UPPER(ref) LIKE ? ESCAPE '\\' ORDER BY ref"),
                                {pattern})};
}

db::TextTable tabsOfCategory(db::Connection& db, const QString& category) {
    if (category.isEmpty())
        return db::TextTable::load(db, QStringLiteral("SELECT id, ref, cat FROM tab WHERE id > 2"
                                                      " AND (cat = '' OR cat IS NULL) ORDER BY ref"));
    return db::TextTable::load(db,
                               QStringLiteral("SELECT id, ref, cat FROM tab WHERE id > 2"
                                              " AND UPPER(cat) = ? ORDER BY ref"),
                               {category.toUpper()});
}

} // namespace pelora::TabSearch
