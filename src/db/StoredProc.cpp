#include "db/StoredProc.h"

#include "db/DbError.h"

#include <QRegularExpression>
#include <QStringList>

namespace pelora::db {

namespace {
const Value kNull;
}

StoredProc::StoredProc(Connection& db) : db_(db) {}

void StoredProc::setName(const QString& name) {
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z][A-Za-z0-9_$]*$"));
    if (!identifier.match(name).hasMatch())
        throw DbError(QStringLiteral("'%1' is not a procedure name.").arg(name));
    name_ = name;
    params_.clear();
    outputs_ = {};
}

void StoredProc::setParam(int position, Value value) {
    if (position < 0)
        throw DbError(QStringLiteral("Parameter positions start at 0."));
    if (position >= static_cast<int>(params_.size()))
        params_.resize(position + 1);
    params_[position] = std::move(value);
}

void StoredProc::execute() {
    if (name_.isEmpty())
        throw DbError(QStringLiteral("No procedure name is set."));
    QString sql = QStringLiteral("EXECUTE PROCEDURE ") + name_;
    if (!params_.empty()) {
        QStringList marks;
        for (std::size_t i = 0; i < params_.size(); ++i)
            marks << QStringLiteral("?");
        sql += u'(' + marks.join(QStringLiteral(", ")) + u')';
    }
    outputs_ = db_.run(sql, params_);
}

const Value& StoredProc::value(QStringView output) const {
    const int c = outputs_.columns ? outputs_.columns->indexOf(output) : -1;
    if (c < 0)
        throw DbError(QStringLiteral("Parameter '%1' not found.").arg(output));
    return outputs_.rows.empty() ? kNull : outputs_.rows.front()[c];
}

int StoredProc::nextId(const QString& table) {
    setName(table + QStringLiteral("id_gen"));
    execute();
    return static_cast<int>(value(u"counter").asInt());
}

} // namespace pelora::db
