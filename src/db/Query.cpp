#include "db/Query.h"

#include "db/DbError.h"

namespace pelora::db {

namespace {
const Value kNull;
}

Query::Query(Connection& db) : db_(db) {}

void Query::setSql(const QString& sql) {
    close();
    sql_ = sql;
}

void Query::open(std::vector<Value> params) {
    close();
    params_ = std::move(params);
    result_ = db_.run(sql_, params_);
    open_ = true;
    resultChanged();
    setCurrent(0);
}

void Query::exec(std::vector<Value> params) {
    close();
    params_ = std::move(params);
    result_ = db_.run(sql_, params_);
    open_ = !result_.rows.empty();
    row_ = 0;
    eof_ = bof_ = result_.rows.empty();
}

void Query::reopen() {
    if (open_)
        closing();
    const int id = fieldIndex(u"id");
    const Value current = id >= 0 && !isEmpty() ? valueAt(row_, id) : Value();
    const int position = row_;
    result_ = db_.run(sql_, params_);
    open_ = true;
    int target = std::min(position, std::max(rowCount() - 1, 0));
    if (!current.isNull()) {
        for (int r = 0; r < rowCount(); ++r)
            if (valueAt(r, id) == current) {
                target = r;
                break;
            }
    }
    resultChanged();
    setCurrent(target);
}

void Query::close() {
    const bool wasOpen = open_;
    if (wasOpen)
        closing();
    result_ = {};
    open_ = false;
    row_ = 0;
    eof_ = bof_ = true;
    if (wasOpen)
        resultChanged();
}

void Query::setCurrent(int row) {
    row_ = row;
    bof_ = row == 0;
    eof_ = result_.rows.empty();
    rowChanged();
}

void Query::first() {
    leavingRow();
    setCurrent(0);
}

void Query::last() {
    leavingRow();
    setCurrent(std::max(rowCount() - 1, 0));
}

void Query::next() {
    leavingRow();
    if (row_ + 1 < rowCount()) {
        setCurrent(row_ + 1);
        bof_ = false;
    } else {
        eof_ = true;
    }
}

void Query::prior() {
    leavingRow();
    if (row_ > 0) {
        setCurrent(row_ - 1);
    } else {
        bof_ = true;
    }
}

bool Query::moveTo(int row) {
    if (row < 0 || row >= rowCount())
        return false;
    leavingRow();
    setCurrent(row);
    return true;
}

bool Query::locate(QStringView column, const Value& value) {
    const int c = requireColumn(column);
    const QString wanted = value.asText();
    for (int r = 0; r < rowCount(); ++r)
        if (valueAt(r, c).asText() == wanted)
            return moveTo(r);
    return false;
}

int Query::columnCount() const { return result_.columns ? result_.columns->count() : 0; }

QString Query::columnName(int column) const {
    return result_.columns ? result_.columns->at(column).name : QString();
}

int Query::fieldIndex(QStringView column) const {
    return result_.columns ? result_.columns->indexOf(column) : -1;
}

int Query::requireColumn(QStringView column) const {
    const int c = fieldIndex(column);
    if (c < 0)
        throw DbError(QStringLiteral("Field '%1' not found.").arg(column));
    return c;
}

const Value& Query::value(QStringView column) const { return value(requireColumn(column)); }

const Value& Query::value(int column) const { return valueAt(row_, column); }

const Value& Query::valueAt(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return kNull;
    return result_.rows[row][column];
}

} // namespace pelora::db
