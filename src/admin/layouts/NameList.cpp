#include "admin/layouts/NameList.h"

#include "db/Connection.h"
#include "db/StoredProc.h"

namespace pelora {

void NameList::setCurrent(int row) { current_ = row >= 0 && row < count() ? row : (isEmpty() ? -1 : 0); }

bool NameList::locateId(int id) {
    for (int r = 0; r < count(); ++r)
        if (idAt(r) == id) {
            current_ = r;
            return true;
        }
    return false;
}

void NameList::clear() {
    rows_.clear();
    current_ = -1;
    ++revision_;
}

void NameList::read(const QString& sql, const std::vector<db::Value>& params) {
    const int id = currentId();
    rows_ = db::TextTable::load(db_, sql, params);
    ++revision_;
    current_ = isEmpty() ? -1 : 0;
    if (id)
        locateId(id);
}

void NameList::deleteCurrent(const QString& table) {
    db::StoredProc proc(db_);
    proc.setName(table + QStringLiteral("_del_one"));
    proc.setParam(0, currentId());
    proc.execute();
}

int NameList::findOrMake(const QString& table, const QString& name) {
    const db::ResultData found =
        db_.run(QStringLiteral("SELECT id FROM %1 WHERE name = ?").arg(table), {name});
    if (!found.rows.empty())
        return static_cast<int>(found.rows.front().front().asInt());
    const int id = db::StoredProc(db_).nextId(table);
    db_.run(QStringLiteral("INSERT INTO %1 (id, name) VALUES (?, ?)").arg(table), {id, name});
    return id;
}

} // namespace pelora
