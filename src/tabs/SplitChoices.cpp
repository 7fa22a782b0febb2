#include "tabs/SplitChoices.h"

#include "common/Placeholders.h"
#include "db/Connection.h"
#include "db/LikePattern.h"
#include "db/StoredProc.h"
#include "sales/LineLists.h"
#include "sales/TabLines.h"

namespace pelora::SplitChoices {

namespace {

const QString kSplits = QStringLiteral(
    "SELECT s.id, s.ref, s.cat, s.msg, d.name, d.rate, d.stopoveride"
    " FROM split s LEFT OUTER JOIN disc d ON s.discid = d.id");
const QString kByRef = QStringLiteral(" ORDER BY s.ref");
// A split still named as the editor's placeholder was never finished: it is not offered.
const QString kFinished = QStringLiteral(" AND ") + placeholder::leftOut(QStringLiteral("s.ref"));
const db::Value kUnfinishedName = placeholder::comparedAs(placeholder::kSplit);

QString ofCategory(const QString& category) {
    return category.isEmpty() ? QStringLiteral(" WHERE (s.cat = '' OR s.cat IS NULL)")
                              : QStringLiteral(" WHERE s.cat = ?");
}

std::vector<db::Value> splitsOfCategoryParams(const QString& category) {
    if (category.isEmpty())
        return {kUnfinishedName};
    return {category, kUnfinishedName};
}

} // namespace

Found opening(db::Connection& db, const std::optional<QString>& category) {
    if (!category)
        return all(db);
    std::vector<db::Value> params;
    if (!category->isEmpty())
        params.push_back(*category);
    return {db::TextTable::load(db,
                                QStringLiteral("SELECT DISTINCT COALESCE(s.cat, '') FROM split s") + ofCategory(*category) +
                                    QStringLiteral(" ORDER BY 1"),
                                params),
            splitsOfCategory(db, *category)};
}

Found all(db::Connection& db) {
    return {db::TextTable::load(db, QStringLiteral("SELECT DISTINCT COALESCE(cat, '') FROM split ORDER BY 1")),
            db::TextTable::load(db, kSplits + QStringLiteral(" WHERE ") + placeholder::leftOut(QStringLiteral("s.ref")) + kByRef,
                                {kUnfinishedName})};
}

Found search(db::Connection& db, const QString& text) {
    const QString pattern = db::containingPattern(text);
    return {db::TextTable::load(
                db, QStringLiteral("SELECT DISTINCT cat FROM split WHERE UPPER(cat) LIKE ? ESCAPE '\\' ORDER BY cat"),
                {pattern}),
            db::TextTable::load(db, kSplits + QStringLiteral(" WHERE UPPER(s.ref) LIKE ? ESCAPE '\\'") + kFinished + kByRef,
                                {pattern, kUnfinishedName})};
}

db::TextTable splitsOfCategory(db::Connection& db, const QString& category) {
    return db::TextTable::load(db, kSplits + ofCategory(category) + kFinished + kByRef, splitsOfCategoryParams(category));
}

db::TextTable lineRefs(db::Connection& db, int list, int tabId, const QString& pcRef) {
    const TabLines lines = TabLines::of(tabId, pcRef).ofSplit(std::nullopt);
    return db::TextTable::load(db,
                               QStringLiteral("SELECT DISTINCT splitref FROM ") + LineLists::tableName(list) +
                                   QStringLiteral(" WHERE ") + lines.where + QStringLiteral(" ORDER BY splitref"),
                               lines.params);
}

std::optional<IdCat> idCat(db::StoredProc& proc, const QString& ref) {
    proc.setName(QStringLiteral("split_idcat_lookup"));
    proc.setParam(0, ref);
    proc.execute();
    const db::Value id = proc.value(u"id");
    if (id.isNull())
        return std::nullopt;
    return IdCat{static_cast<int>(id.asInt()), proc.value(u"cat").asText()};
}

} // namespace pelora::SplitChoices
