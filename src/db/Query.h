#pragma once

#include "db/Connection.h"
#include "db/ResultData.h"

#include <QString>
#include <QStringView>

#include <initializer_list>
#include <vector>

namespace pelora::db {

// SQL text with `?` parameters, run on a connection. open() keeps every row of the result and
// a current row that navigation moves; exec() runs a statement that returns no rows.
class Query {
public:
    explicit Query(Connection& db);
    virtual ~Query() = default;
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    Connection& connection() const { return db_; }

    // Setting the text closes any open result.
    void setSql(const QString& sql);
    const QString& sql() const { return sql_; }

    // Runs the text with the parameters in order and keeps its rows; the first row is current.
    void open(std::vector<Value> params = {});
    // Runs the text; for a statement with outputs (EXECUTE PROCEDURE, RETURNING) they become
    // the one row of the result.
    void exec(std::vector<Value> params = {});
    // Opens again with the same text and parameters, staying on the row with the same `id`
    // when the result has one, else on the same position.
    void reopen();
    void close();
    bool isOpen() const { return open_; }

    int rowCount() const { return static_cast<int>(result_.rows.size()); }
    bool isEmpty() const { return result_.rows.empty(); }
    long long rowsAffected() const { return result_.rowsAffected; }

    // The current row: 0 .. rowCount()-1; eof() once next() has passed the last row.
    int row() const { return row_; }
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    void first();
    void last();
    void next();
    void prior();
    // Moves to a row; false (and no move) when there is no such row.
    bool moveTo(int row);
    // Moves to the first row whose column equals the value as text; false (no move) when none.
    bool locate(QStringView column, const Value& value);

    int columnCount() const;
    QString columnName(int column) const;
    // Position of a column by name (any letter case), or -1.
    int fieldIndex(QStringView column) const;

    // The current row's value of a column. An unknown column name throws DbError; with no
    // current row (an empty result) every column reads as null.
    const Value& value(QStringView column) const;
    const Value& value(int column) const;
    // A value of any row (null outside the result).
    virtual const Value& valueAt(int row, int column) const;

protected:
    // Called after the current row has changed (open, navigation, reopen).
    virtual void rowChanged() {}
    // Called before the current row is left: an edited row is written first.
    virtual void leavingRow() {}
    // Called before an open result is closed or replaced.
    virtual void closing() {}
    // Called when the rows have been read (again) or dropped, before the current row is set.
    virtual void resultChanged() {}
    int requireColumn(QStringView column) const;
    ResultData& result() { return result_; }
    const ResultData& result() const { return result_; }
    void setCurrent(int row);

private:
    Connection& db_;
    QString sql_;
    std::vector<Value> params_;
    ResultData result_;
    bool open_ = false;
    int row_ = 0;
    bool eof_ = true;
    bool bof_ = true;
};

} // namespace pelora::db
