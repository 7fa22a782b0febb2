#pragma once

#include "db/TextTable.h"

#include <QString>

#include <vector>

namespace pelora {

namespace db {
class Connection;
}

// A list of `id`, `name` rows the button editor offers (links, items) and the row chosen in it.
class NameList {
public:
    int count() const { return rows_.rowCount(); }
    bool isEmpty() const { return rows_.isEmpty(); }
    int idAt(int row) const { return rows_.at(row, 0).toInt(); }
    const QString& nameAt(int row) const { return rows_.at(row, 1); }

    // The row chosen: -1 in an empty list.
    int current() const { return current_; }
    void setCurrent(int row);
    int currentId() const { return current_ < 0 ? 0 : idAt(current_); }
    QString currentName() const { return current_ < 0 ? QString() : nameAt(current_); }
    // Goes to the row of this id; false (and no move) when the list has none.
    bool locateId(int id);
    // Forgets the rows (the window is closing).
    void clear();
    // Counts the readings of the rows, so that a window redraws a list only when it changed.
    int revision() const { return revision_; }

protected:
    explicit NameList(db::Connection& db) : db_(db) {}
    // Reads the rows; the chosen row stays on the same id where it still is, else the first.
    void read(const QString& sql, const std::vector<db::Value>& params = {});
    // Deletes the chosen row through the table's `<table>_del_one`.
    void deleteCurrent(const QString& table);
    // The row of `table` named exactly `name`, made with a new id when there is none.
    int findOrMake(const QString& table, const QString& name);

    db::Connection& db_;

private:
    db::TextTable rows_;
    int current_ = -1;
    int revision_ = 0;
};

} // namespace pelora
