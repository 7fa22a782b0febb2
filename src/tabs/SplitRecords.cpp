#include "tabs/SplitRecords.h"

#include "common/Placeholders.h"
#include "common/Prompter.h"
#include "db/DbError.h"
#include "db/LikePattern.h"
#include "db/StoredProc.h"
#include "db/TextTable.h"

namespace pelora {

const QString SplitRecords::kPlaceholder = placeholder::kSplit;
const QString SplitRecords::kReserved = QStringLiteral("Unsplit");

namespace {

const QString kColumns = QStringLiteral(
    "SELECT id, ref, cat, discid, name, street1, street2, suburb, state, postcode, hphone, wphone,"
    " mphone, email, msg, notes, filename FROM split");

QString quotedRef(const QString& ref) { return u'"' + ref + u'"'; }

} // namespace

SplitRecords::SplitRecords(db::Connection& db, db::StoredProc& proc, Prompter& prompter)
    : db_(db), proc_(proc), prompter_(prompter), rows_(db, QStringLiteral("split")) {}

QString SplitRecords::currentRef() const {
    return rows_.isOpen() && !rows_.isEmpty() ? edited(u"ref") : QString();
}

QString SplitRecords::edited(QStringView column) const { return rows_.value(column).asText(); }

QString SplitRecords::stored(QStringView column) const {
    // The row as read, not its edit buffer.
    return rows_.Query::valueAt(rows_.row(), rows_.fieldIndex(column)).asText();
}

void SplitRecords::openAt(const QString& where, std::vector<db::Value> params) {
    rows_.setSql(kColumns + where + QStringLiteral(" ORDER BY ref"));
    rows_.open(std::move(params));
}

void SplitRecords::showAll(const QString& selectRef) {
    openAt(QString(), {});
    if (!selectRef.isEmpty())
        rows_.locate(u"ref", selectRef);
}

void SplitRecords::find(const QString& text) {
    openAt(QStringLiteral(" WHERE UPPER(ref) LIKE ? ESCAPE '\\'"), {db::containingPattern(text)});
}

QStringList SplitRecords::categories() const {
    QStringList list{QString()};
    const db::TextTable cats = db::TextTable::load(
        db_, QStringLiteral("SELECT DISTINCT cat FROM split WHERE cat <> '' ORDER BY cat"));
    for (const auto& row : cats.rows())
        list << row.at(0);
    return list;
}

db::TextTable SplitRecords::discounts(bool all) const {
    // A discount still named as its editor's placeholder was never finished: it is not offered.
    return db::TextTable::load(db_,
                               QStringLiteral("SELECT id, name, rate FROM disc WHERE ") +
                                   placeholder::leftOut(QStringLiteral("name")) +
                                   (all ? QString() : QStringLiteral(" AND restricted = 'F'")) + QStringLiteral(" ORDER BY id"),
                               {placeholder::comparedAs(placeholder::kDisc)});
}

bool SplitRecords::accountTabHas(const QString& ref) const {
    return !db::TextTable::load(db_, QStringLiteral("SELECT id FROM tab WHERE id > 2 AND UPPER(ref) = ?"),
                                {ref.toUpper()})
                .isEmpty();
}

long long SplitRecords::updateLines(const QString& assignment, const db::Value& value, const QString& ref) {
    long long changed = 0;
    for (const char* table : {"tabline1", "tabline2"})
        changed += db_.run(QStringLiteral("UPDATE %1 SET %2 = ? WHERE splitref = ?").arg(QLatin1String(table), assignment),
                           {value, ref})
                       .rowsAffected;
    return changed;
}

bool SplitRecords::save() {
    if (!rows_.isEditing())
        return true;
    const QString ref = edited(u"ref");
    if (ref == kReserved) {
        prompter_.information(QStringLiteral("\"Unsplit\" is a reserved ref. Use a different ref."));
        return false;
    }
    if (ref.trimmed().isEmpty()) {
        prompter_.information(QStringLiteral("\"Ref\" cannot be blank."));
        return false;
    }
    const QString oldRef = stored(u"ref");
    const QString msg = edited(u"msg");
    const bool refChanged = ref != oldRef;
    const bool msgChanged = msg != stored(u"msg");
    if (refChanged && accountTabHas(ref) &&
        !prompter_.confirm(QStringLiteral("Ref: ") + quotedRef(ref) +
                           QStringLiteral(" already exists in Tab. Update Split Ref?")))
        return false;

    // Lines and split change together: the lines are renamed and given the new message first,
    // so that a split the database refuses takes their changes back with it. (A blank old ref
    // would be the mark of every unsplit line.)
    const bool renames = refChanged && !oldRef.trimmed().isEmpty();
    std::vector<db::Value> typed;
    for (int c = 0; c < rows_.columnCount(); ++c)
        typed.push_back(rows_.value(c));
    db::Transaction transaction(db_);
    long long linesChanged = 0;
    if (renames)
        linesChanged += updateLines(QStringLiteral("splitref"), ref, oldRef);
    if (msgChanged)
        linesChanged += updateLines(QStringLiteral("splitmsg"), msg, ref);
    try {
        rows_.post();
    } catch (const db::DbError&) {
        transaction.rollback();
        prompter_.warning(QStringLiteral("Could not save the changes.") + kLineBreak +
                          QStringLiteral("Make sure Ref is Unique."));
        return false;
    }
    try {
        transaction.commit();
    } catch (const std::exception&) {
        restoreEdit(typed);
        throw;
    }
    if (linesChanged > 0 && linesChanged_)
        linesChanged_();
    return true;
}

void SplitRecords::restoreEdit(const std::vector<db::Value>& typed) {
    // The row set took the row as written; the database did not. Show what it holds, with the
    // operator's typing back in the edit.
    try {
        rows_.reopen();
        if (rows_.isEmpty() || rows_.columnCount() != static_cast<int>(typed.size()))
            return;
        for (int c = 0; c < rows_.columnCount(); ++c)
            if (rows_.value(c) != typed[static_cast<std::size_t>(c)])
                rows_.setField(rows_.columnName(c), typed[static_cast<std::size_t>(c)]);
    } catch (const std::exception&) {
        // The connection is gone as well; the failure that brought us here is reported.
    }
}

bool SplitRecords::insert() {
    showAll();
    for (int r = 0; r < rows_.rowCount(); ++r)
        if (rows_.valueAt(r, rows_.fieldIndex(u"ref")).asText().compare(kPlaceholder, Qt::CaseInsensitive) == 0)
            return rows_.moveTo(r);
    int id = 0;
    try {
        id = proc_.nextId(QStringLiteral("split"));
        db_.run(QStringLiteral("INSERT INTO split (id, ref) VALUES (?, ?)"), {id, kPlaceholder});
    } catch (const db::DbError&) {
        prompter_.warning(QStringLiteral("Could not insert new split"));
        return false;
    }
    showAll();
    rows_.locate(u"id", id);
    return true;
}

bool SplitRecords::remove() {
    if (!rows_.isOpen() || rows_.isEmpty()) {
        prompter_.warning(QStringLiteral("There are no splits to delete."));
        return false;
    }
    if (!prompter_.confirm(QStringLiteral("Delete the split record?")))
        return false;
    proc_.setName(QStringLiteral("split_del_one"));
    proc_.setParam(0, rows_.value(u"id").asInt());
    proc_.execute();
    rows_.reopen();
    return true;
}

std::optional<QString> SplitRecords::copyToTab() {
    if (!rows_.isOpen() || rows_.isEmpty()) {
        prompter_.information(QStringLiteral("Select a Split."));
        return std::nullopt;
    }
    if (!save())
        return std::nullopt;
    const QString ref = edited(u"ref");
    if (ref.trimmed().isEmpty()) {
        prompter_.information(QStringLiteral("Ref cannot be blank."));
        return std::nullopt;
    }
    if (ref == kPlaceholder) {
        prompter_.information(QStringLiteral("Rename \"New Split\" to a valid Tab Ref."));
        return std::nullopt;
    }
    if (!prompter_.confirm(QStringLiteral("Copy the Split ") + quotedRef(ref) + QStringLiteral(" to the Tab table?")))
        return std::nullopt;
    const QString exists = QStringLiteral("Ref: ") + quotedRef(ref) + QStringLiteral(" already exists in Tab.");
    if (accountTabHas(ref)) {
        prompter_.information(exists);
        return std::nullopt;
    }
    const int id = proc_.nextId(QStringLiteral("tab"));
    const qint64 discId = rows_.value(u"discid").asInt();
    std::vector<db::Value> values{id, ref, rows_.value(u"cat"), discId > 0 ? db::Value(discId) : db::Value()};
    static const char16_t* const kDetails[] = {u"name",   u"street1", u"street2", u"suburb", u"state", u"postcode",
                                               u"hphone", u"wphone",  u"mphone",  u"email",  u"notes"};
    for (const char16_t* column : kDetails)
        values.push_back(rows_.value(column));
    try {
        db_.run(QStringLiteral("INSERT INTO tab (id, ref, cat, discid, name, street1, street2, suburb, state,"
                               " postcode, hphone, wphone, mphone, email, notes)"
                               " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                values);
    } catch (const db::DbError& failure) {
        // The NonTab and the stocktake tab keep their refs too; so may a tab another till has
        // just added.
        if (!failure.hasCode(db::DbError::kUniqueKey))
            throw;
        prompter_.information(exists);
        return std::nullopt;
    }
    prompter_.information(QStringLiteral("Ref: ") + quotedRef(ref) + QStringLiteral(" sucessfully added to Tab."));
    return ref;
}

} // namespace pelora
