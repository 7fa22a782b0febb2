#include "db/RowSet.h"

#include "db/DbError.h"

#include <QRegularExpression>
#include <QStringList>

namespace pelora::db {

RowSet::RowSet(Connection& db, const QString& table, QObject* parent)
    : QObject(parent), Query(db), table_(table.toUpper()) {
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z][A-Za-z0-9_$]*$"));
    if (!identifier.match(table).hasMatch())
        throw DbError(QStringLiteral("'%1' is not a table name.").arg(table));
}

QString RowSet::quoted(const QString& identifier) {
    QString q = identifier;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

bool RowSet::isModified() const {
    return std::find(changed_.begin(), changed_.end(), true) != changed_.end();
}

int RowSet::writableColumn(QStringView column) const {
    const int c = requireColumn(column);
    const ColumnSet::Column& col = result().columns->at(c);
    if (col.field.isEmpty() || col.relation.compare(table_, Qt::CaseInsensitive) != 0)
        throw DbError(QStringLiteral("Field '%1' cannot be modified.").arg(column));
    return c;
}

void RowSet::edit() {
    if (state_ != State::Browse)
        return;
    if (!isOpen() || isEmpty())
        throw DbError(QStringLiteral("There is no row to edit."));
    buffer_ = result().rows[row()];
    changed_.assign(buffer_.size(), false);
    setState(State::Edit);
}

void RowSet::insert() {
    if (!isOpen())
        throw DbError(QStringLiteral("The rows are not open."));
    leavingRow();
    buffer_.assign(columnCount(), Value());
    changed_.assign(buffer_.size(), false);
    result().rows.push_back(buffer_);
    state_ = State::Insert; // before the move, so that the new row is not taken for an edit
    setCurrent(rowCount() - 1);
    setState(State::Insert);
    notifyData();
}

void RowSet::setField(QStringView column, Value value) {
    if (state_ == State::Browse)
        edit();
    const int c = writableColumn(column);
    buffer_[c] = std::move(value);
    changed_[c] = true;
}

void RowSet::post() {
    if (state_ == State::Browse)
        return;
    QStringList names;
    std::vector<Value> values;
    for (int c = 0; c < columnCount(); ++c) {
        if (!changed_[c])
            continue;
        names << quoted(result().columns->at(c).field);
        values.push_back(buffer_[c]);
    }
    if (state_ == State::Edit) {
        if (!names.isEmpty()) {
            const int id = writableColumn(u"id");
            QStringList sets;
            for (const QString& n : names)
                sets << n + QStringLiteral(" = ?");
            values.push_back(result().rows[row()][id]);
            const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                                    .arg(quoted(table_), sets.join(QStringLiteral(", ")),
                                         quoted(result().columns->at(id).field));
            const ResultData done = connection().run(sql, values);
            if (done.rowsAffected == 0)
                throw DbError(QStringLiteral(
                    "The row was not found: another till may have deleted it."));
        }
    } else {
        if (names.isEmpty())
            throw DbError(QStringLiteral("The new row has no values."));
        QStringList marks;
        for (int i = 0; i < names.size(); ++i)
            marks << QStringLiteral("?");
        const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(quoted(table_), names.join(QStringLiteral(", ")),
                                     marks.join(QStringLiteral(", ")));
        connection().run(sql, values);
    }
    result().rows[row()] = buffer_;
    buffer_.clear();
    changed_.clear();
    setState(State::Browse);
    notifyData();
}

void RowSet::cancel() {
    if (state_ == State::Browse)
        return;
    const bool inserting = state_ == State::Insert;
    buffer_.clear();
    changed_.clear();
    state_ = State::Browse;
    if (inserting) {
        result().rows.erase(result().rows.begin() + row());
        setCurrent(std::max(0, std::min(row(), rowCount() - 1)));
    }
    setState(State::Browse);
    notifyData();
}

void RowSet::deleteRow() {
    if (state_ == State::Insert) {
        cancel();
        return;
    }
    cancel();
    if (!isOpen() || isEmpty())
        throw DbError(QStringLiteral("There is no row to delete."));
    const int id = writableColumn(u"id");
    connection().run(QStringLiteral("DELETE FROM %1 WHERE %2 = ?")
                         .arg(quoted(table_), quoted(result().columns->at(id).field)),
                     {result().rows[row()][id]});
    result().rows.erase(result().rows.begin() + row());
    setCurrent(std::max(0, std::min(row(), rowCount() - 1)));
    notifyData();
}

void RowSet::disableControls() { ++disabled_; }

void RowSet::enableControls() {
    if (disabled_ > 0 && --disabled_ == 0) {
        Q_EMIT dataChanged();
        Q_EMIT scrolled();
    }
}

void RowSet::rowChanged() {
    if (!controlsDisabled())
        Q_EMIT scrolled();
}

void RowSet::leavingRow() {
    if (state_ != State::Browse)
        post();
}

void RowSet::closing() {
    cancel();
}

void RowSet::resultChanged() { notifyData(); }

void RowSet::notifyData() {
    if (!controlsDisabled())
        Q_EMIT dataChanged();
}

void RowSet::setState(State state) {
    state_ = state;
    if (!controlsDisabled())
        Q_EMIT stateChanged();
}

const Value& RowSet::valueAt(int row, int column) const {
    if (state_ != State::Browse && row == this->row() && column >= 0 &&
        column < static_cast<int>(buffer_.size()))
        return buffer_[column];
    return Query::valueAt(row, column);
}

} // namespace pelora::db
