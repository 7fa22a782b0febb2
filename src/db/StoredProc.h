#pragma once

#include "db/Connection.h"
#include "db/ResultData.h"

#include <QString>
#include <QStringView>

#include <vector>

namespace pelora::db {

// A stored procedure called by name: inputs set by position, outputs read by name after
// execute(). Runs EXECUTE PROCEDURE, so it takes part in the connection's explicit
// transaction when one is started.
class StoredProc {
public:
    explicit StoredProc(Connection& db);

    // Setting the name clears the inputs and the outputs. A name that is not a plain
    // identifier throws DbError.
    void setName(const QString& name);
    const QString& name() const { return name_; }
    // Inputs from position 0; positions left out in between are sent as null.
    void setParam(int position, Value value);
    void execute();
    // An output of the last execute(); an unknown name throws DbError.
    const Value& value(QStringView output) const;

    // A new id for a table from its generator `<table>id_gen` (output `counter`).
    int nextId(const QString& table);

private:
    Connection& db_;
    QString name_;
    std::vector<Value> params_;
    ResultData outputs_;
};

} // namespace pelora::db
