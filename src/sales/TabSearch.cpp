#include "sales/TabSearch.h"

#include "common/Placeholders.h"
#include "db/Connection.h"
#include "db/LikePattern.h"

namespace pelora::TabSearch {

namespace {

// A tab still named as the editor's placeholder was never finished: nobody is seated at it.
const QString kFinished = QStringLiteral(" AND ") + placeholder::leftOut(QStringLiteral("ref"));
const db::Value kUnfinishedName = placeholder::comparedAs(placeholder::kTab);

} // namespace

Found search(db::Connection& db, const QString& text) {
    if (text.isEmpty())
        return {db::TextTable::load(db, QStringLiteral("SELECT DISTINCT cat FROM tab WHERE id > 2 ORDER BY cat")),
                db::TextTable::load(db, QStringLiteral("SELECT id, ref, cat FROM tab WHERE id > 2") + kFinished +
                                            QStringLiteral(" ORDER BY ref"),
                                    {kUnfinishedName})};
    const QString pattern = db::containingPattern(text);
    return {db::TextTable::load(db,
                                QStringLiteral("SELECT DISTINCT cat FROM tab WHERE id > 2"
                                               " AND UPPER(cat) LIKE ? ESCAPE '\\' ORDER BY cat"),
                                {pattern}),
            db::TextTable::load(db,
                                QStringLiteral("SELECT id, ref, cat FROM tab WHERE id > 2"
                                               " AND UPPER(ref) LIKE ? ESCAPE '\\'") +
                                    kFinished + QStringLiteral(" ORDER BY ref"),
                                {pattern, kUnfinishedName})};
}

db::TextTable tabsOfCategory(db::Connection& db, const QString& category) {
    if (category.isEmpty())
        return db::TextTable::load(db,
                                   QStringLiteral("SELECT id, ref, cat FROM tab WHERE id > 2"
                                                  " AND (cat = '' OR cat IS NULL)") +
                                       kFinished + QStringLiteral(" ORDER BY ref"),
                                   {kUnfinishedName});
    return db::TextTable::load(db,
                               QStringLiteral("SELECT id, ref, cat FROM tab WHERE id > 2"
                                              " AND UPPER(cat) = ?") +
                                   kFinished + QStringLiteral(" ORDER BY ref"),
                               {category.toUpper(), kUnfinishedName});
}

} // namespace pelora::TabSearch
