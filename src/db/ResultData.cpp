#include "db/ResultData.h"

namespace pelora::db {

ColumnSet::ColumnSet(std::vector<Column> columns) : columns_(std::move(columns)) {
    // A name given twice (two tables' "name") is found at its first place.
    for (int i = count() - 1; i >= 0; --i)
        byName_.insert(columns_[i].name.toUpper(), i);
}

int ColumnSet::indexOf(QStringView name) const {
    return byName_.value(name.toString().toUpper(), -1);
}

} // namespace pelora::db
