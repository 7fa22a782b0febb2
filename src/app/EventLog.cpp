#include "app/EventLog.h"

#include "db/Connection.h"

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

void write(db::Connection& db, const Event& event) {
    db.run(QStringLiteral("INSERT INTO eventlog (pcref, staffref, approver, kind, tabref, itemname, "
                          "qty, amount, detail) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
           {text(event.pcRef, 20), text(event.staffRef, 20), text(approverText(event.approver), 10),
            text(kindText(event.kind), 20), text(event.tabRef, 20), text(event.itemName, 20),
            event.qty ? db::Value(*event.qty) : db::Value(),
            event.amount ? db::Value(*event.amount) : db::Value(), text(event.detail, 100)});
}

} // namespace pelora::eventlog
