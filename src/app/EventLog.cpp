#include "app/EventLog.h"

#include "db/Connection.h"

#include <QStringList>

namespace pelora::eventlog {

namespace {

// The text of a column of the given width, null when empty.
db::Value text(const QString& value, int width) {
    if (value.isEmpty())
        return nullptr;
    return value.left(width);
}

QString approverText(AdminLevel level) {
    switch (level) {
    case AdminLevel::Admin:
        return QStringLiteral("Admin");
    case AdminLevel::Admin2:
        return QStringLiteral("Admin2");
    case AdminLevel::None:
        break;
    }
    return {};
}

} // namespace

QString kindText(Kind kind) {
    switch (kind) {
    case Kind::Delete:
        return QStringLiteral("Delete");
    case Kind::QtyLowered:
        return QStringLiteral("Qty lowered");
    case Kind::Discount:
        return QStringLiteral("Discount");
    case Kind::DiscountReset:
        return QStringLiteral("Discount reset");
    case Kind::Refund:
        return QStringLiteral("Refund");
    case Kind::AccountCredit:
        return QStringLiteral("Account credit");
    case Kind::AccountDebit:
        return QStringLiteral("Account debit");
    case Kind::NoSale:
        return QStringLiteral("No sale");
    case Kind::Reprint:
        return QStringLiteral("Reprint");
    case Kind::Restart:
        return QStringLiteral("Restart");
    case Kind::Reversal:
        return QStringLiteral("Reversal");
    case Kind::Move:
        return QStringLiteral("Move");
    case Kind::ManualRegister:
        return QStringLiteral("Manual register");
    }
    return {};
}

LineSelection LineSelection::byIds(const QString& table, const std::vector<db::Value>& ids) {
    if (ids.empty())
        return {table, QStringLiteral("1 = 0"), {}};
    QStringList marks;
    marks.fill(QStringLiteral("?"), static_cast<qsizetype>(ids.size()));
    return {table, QStringLiteral("id IN (") + marks.join(QStringLiteral(", ")) + u')', ids};
}

bool present(db::Connection& db) {
    return !db.run(QStringLiteral("SELECT 1 FROM rdb$relations WHERE rdb$relation_name = 'EVENTLOG'")).rows.empty();
}

void write(db::Connection& db, const Event& event) {
    db.run(QStringLiteral("INSERT INTO eventlog (pcref, staffref, approver, kind, tabref, itemname, "
                          "qty, amount, detail) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
           {text(event.pcRef, 20), text(event.staffRef, 20), text(approverText(event.approver), 10),
            text(kindText(event.kind), 20), text(event.tabRef, 20), text(event.itemName, 20),
            event.qty ? db::Value(*event.qty) : db::Value(),
            event.amount ? db::Value(*event.amount) : db::Value(), text(event.detail, 100)});
}

void writeLines(db::Connection& db, const Event& event, const LineSelection& lines, const QString& amountSql,
                const QString& detailSql) {
    // The parameters in statement order: the event's fields, the detail's, then the condition's.
    std::vector<db::Value> params{text(event.pcRef, 20), text(event.staffRef, 20),
                                  text(approverText(event.approver), 10), text(kindText(event.kind), 20),
                                  text(event.tabRef, 20)};
    for (qsizetype i = detailSql.count(u'?'); i > 0; --i)
        params.push_back(text(event.detail, 100));
    params.insert(params.end(), lines.params.begin(), lines.params.end());
    const QString detail = detailSql.isEmpty() ? QStringLiteral("CAST(NULL AS VARCHAR(100))")
                                               : QString(detailSql).replace(u'?', QStringLiteral("CAST(? AS VARCHAR(100))"));
    db.run(QStringLiteral("INSERT INTO eventlog (pcref, staffref, approver, kind, tabref, itemname, qty, amount, "
                          "detail) SELECT CAST(? AS VARCHAR(20)), CAST(? AS VARCHAR(20)), CAST(? AS VARCHAR(10)), "
                          "CAST(? AS VARCHAR(20)), COALESCE(CAST(? AS VARCHAR(20)), "
                          "(SELECT t.ref FROM tab t WHERE t.id = l.tabid)), l.itemname, l.qty, %1, "
                          "SUBSTRING(%2 FROM 1 FOR 100) FROM %3 l WHERE %4 ORDER BY l.id")
               .arg(amountSql, detail, lines.table, lines.where),
           params);
}

} // namespace pelora::eventlog
