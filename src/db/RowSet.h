#pragma once

#include "db/Query.h"

#include <QObject>
#include <QString>

#include <vector>

namespace pelora::db {

// A live result over one table whose rows are located by `id`: the current row can be edited
// and written back, a new row inserted, or the row deleted. Columns from other tables of a
// join can be read but not set. Moving to another row writes an edited row first, as closing
// the result drops it. Columns the database fills itself (defaults, time stamps) show after
// reopen().
class RowSet : public QObject, public Query {
    Q_OBJECT
public:
    enum class State { Browse, Edit, Insert };

    RowSet(Connection& db, const QString& table, QObject* parent = nullptr);

    const QString& table() const { return table_; }
    State state() const { return state_; }
    bool isEditing() const { return state_ != State::Browse; }
    // True when a field has been set since edit() or insert().
    bool isModified() const;

    // Puts the current row into edit. Nothing to edit in an empty result throws DbError.
    void edit();
    // Adds an empty row at the end, makes it current and puts it into insert.
    void insert();
    void setField(QStringView column, Value value);
    // Writes the changed fields (UPDATE ... WHERE id = ?) or the new row (INSERT). On failure
    // the row stays in edit and DbError is thrown.
    void post();
    void cancel();
    // Deletes the current row (DELETE ... WHERE id = ?).
    void deleteRow();

    // While disabled, no signals are sent (screen updates suspended); enabling sends one
    // dataChanged() and scrolled().
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return disabled_ > 0; }

    // The row being edited reads from its edit buffer.
    const Value& valueAt(int row, int column) const override;

Q_SIGNALS:
    void scrolled();
    void dataChanged();
    void stateChanged();

protected:
    void rowChanged() override;
    void leavingRow() override;
    void closing() override;
    void resultChanged() override;

private:
    int writableColumn(QStringView column) const;
    void setState(State state);
    void notifyData();
    static QString quoted(const QString& identifier);

    QString table_;
    State state_ = State::Browse;
    Row buffer_;
    std::vector<bool> changed_;
    int disabled_ = 0;
};

// Keeps a row set's screen updates suspended for the life of the guard.
class ControlsDisabled {
public:
    explicit ControlsDisabled(RowSet& rows) : rows_(rows) { rows_.disableControls(); }
    ~ControlsDisabled() { rows_.enableControls(); }
    ControlsDisabled(const ControlsDisabled&) = delete;
    ControlsDisabled& operator=(const ControlsDisabled&) = delete;

private:
    RowSet& rows_;
};

} // namespace pelora::db
