#include "db/TextTable.h"

#include "db/Connection.h"

namespace pelora::db {

TextTable TextTable::load(Connection& db, const QString& sql, const std::vector<Value>& params) {
    const ResultData result = db.run(sql, params);
    TextTable table;
    table.rows_.reserve(result.rows.size());
    for (const db::Row& source : result.rows) {
        TextRow row;
        row.reserve(source.size());
        for (const Value& v : source)
            row.push_back(v.asText());
        table.rows_.push_back(std::move(row));
    }
    return table;
}

} // namespace pelora::db
