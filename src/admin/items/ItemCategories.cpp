#include "admin/items/ItemCategories.h"

#include "common/Flag.h"
#include "common/Prompter.h"
#include "db/DbError.h"

namespace pelora {

namespace {

QString quoted(const QString& text) { return u'"' + text + u'"'; }

} // namespace

ItemCategories::ItemCategories(db::Connection& db, Prompter& prompter) : db_(db), prompter_(prompter), rows_(db) {
    rows_.setSql(QStringLiteral("SELECT itemid, cat, topcat FROM icat WHERE itemid = ? ORDER BY cat"));
}

void ItemCategories::loadOffered() {
    offered_.clear();
    db::Query names(db_);
    names.setSql(QStringLiteral("SELECT DISTINCT cat FROM icat WHERE cat <> '' ORDER BY cat"));
    names.open();
    for (int r = 0; r < names.rowCount(); ++r)
        offered_ << names.valueAt(r, 0).asText();
}

void ItemCategories::load(int itemId, const QString& itemName) {
    itemId_ = itemId;
    itemName_ = itemName;
    rows_.open({itemId});
}

QString ItemCategories::currentCat() const { return isEmpty() ? QString() : rows_.value(u"cat").asText(); }

bool ItemCategories::currentIsTop() const { return !isEmpty() && isTrue(rows_.value(u"topcat").asText()); }

void ItemCategories::reloadOn(const QString& cat) {
    rows_.reopen();
    for (int r = 0; r < rows_.rowCount(); ++r)
        if (rows_.valueAt(r, 1).asText().compare(cat, Qt::CaseInsensitive) == 0) {
            rows_.moveTo(r);
            return;
        }
}

bool ItemCategories::add(const QString& typed) {
    const QString name = typed.trimmed();
    if (name.isEmpty()) {
        prompter_.information(QStringLiteral("Cat cannot be blank."));
        return false;
    }
    const QString already = QStringLiteral("Cat:") + quoted(name) + QStringLiteral(" already added to this item.");
    for (int r = 0; r < rows_.rowCount(); ++r)
        if (rows_.valueAt(r, 1).asText().toUpper() == name.toUpper()) {
            prompter_.information(already);
            return false;
        }
    const db::Value top = rows_.isEmpty() ? db::Value(flagText(true)) : db::Value();
    try {
        db_.run(QStringLiteral("INSERT INTO icat (itemid, cat, topcat) VALUES (?, ?, ?)"), {itemId_, name, top});
    } catch (const db::DbError& failure) {
        // Added meanwhile from another till, or the same name to the database's eye.
        if (!failure.hasCode(db::DbError::kUniqueKey))
            throw;
        reloadOn(name);
        prompter_.information(already);
        return false;
    }
    reloadOn(name);
    return true;
}

bool ItemCategories::removeCurrent() {
    if (isEmpty())
        return false;
    const QString cat = currentCat();
    if (!prompter_.confirm(QStringLiteral("Remove the Cat:") + quoted(cat) + QStringLiteral(" from ") + itemName_ +
                           u'?'))
        return false;
    db_.run(QStringLiteral("DELETE FROM icat WHERE itemid = ? AND cat = ?"), {itemId_, cat});
    rows_.reopen();
    return true;
}

bool ItemCategories::toggleTop() {
    if (isEmpty())
        return false;
    const QString cat = currentCat();
    if (currentIsTop()) {
        if (!prompter_.confirm(QStringLiteral("Remove the Topcat flag from the Cat:") + quoted(cat) + u'?'))
            return false;
        db_.run(QStringLiteral("UPDATE icat SET topcat = NULL WHERE itemid = ? AND cat = ?"), {itemId_, cat});
    } else {
        if (!prompter_.confirm(QStringLiteral("Set the Cat:") + quoted(cat) + QStringLiteral(" to Topcat?")))
            return false;
        db::Transaction transaction(db_);
        db_.run(QStringLiteral("UPDATE icat SET topcat = NULL WHERE itemid = ?"), {itemId_});
        db_.run(QStringLiteral("UPDATE icat SET topcat = ? WHERE itemid = ? AND cat = ?"), {flagText(true), itemId_, cat});
        transaction.commit();
    }
    reloadOn(cat);
    return true;
}

} // namespace pelora
