#pragma once

#include "db/Value.h"

#include <QString>

#include <vector>

namespace pelora::db {

class Connection;

// The in-memory form of the caches the sales screen draws from: one row of texts per database
// row, in the statement's column order and row order; a null reads as an empty text.
class TextTable {
public:
    using TextRow = std::vector<QString>;

    int rowCount() const { return static_cast<int>(rows_.size()); }
    bool isEmpty() const { return rows_.empty(); }
    const TextRow& row(int r) const { return rows_.at(static_cast<std::size_t>(r)); }
    const QString& at(int r, int column) const { return row(r).at(static_cast<std::size_t>(column)); }
    void set(int r, int column, const QString& text) {
        rows_.at(static_cast<std::size_t>(r)).at(static_cast<std::size_t>(column)) = text;
    }
    void append(TextRow row) { rows_.push_back(std::move(row)); }
    void clear() { rows_.clear(); }

    const std::vector<TextRow>& rows() const { return rows_; }

    // Runs a select and keeps every row as texts.
    static TextTable load(Connection& db, const QString& sql, const std::vector<Value>& params = {});

private:
    std::vector<TextRow> rows_;
};

} // namespace pelora::db
