#pragma once

#include "db/Value.h"

#include <QHash>
#include <QString>
#include <QStringView>

#include <memory>
#include <vector>

namespace pelora::db {

// The columns of a result: each column's name as the statement gives it (its alias), the
// table column it comes from, and that column's table. Names compare without regard to case.
class ColumnSet {
public:
    struct Column {
        QString name;     // alias, upper case as the server keeps it
        QString field;    // table column, empty for an expression
        QString relation; // table, empty for an expression
    };

    explicit ColumnSet(std::vector<Column> columns);

    int count() const { return static_cast<int>(columns_.size()); }
    const Column& at(int index) const { return columns_.at(index); }
    // Position of a column by name, or -1.
    int indexOf(QStringView name) const;

private:
    std::vector<Column> columns_;
    QHash<QString, int> byName_;
};

using Row = std::vector<Value>;

// What one statement returned: its columns, every row, and how many rows it touched: the rows
// an UPDATE or DELETE changed, the rows a query returned; -1 for other statements (an INSERT),
// which are not counted, since asking costs a round trip to the server.
struct ResultData {
    std::shared_ptr<const ColumnSet> columns;
    std::vector<Row> rows;
    long long rowsAffected = -1;
};

} // namespace pelora::db
