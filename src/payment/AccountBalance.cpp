#include "payment/AccountBalance.h"

#include "common/Flag.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/StoredProc.h"

namespace pelora {

namespace {

struct ReceiptSum {
    double crBal = 0;
    long long lastId = 0;
};

ReceiptSum sumReceipts(db::Connection& db, int tabId, long long afterId) {
    const db::ResultData sum =
        db.run(QStringLiteral("SELECT SUM(cr) AS crbal, MAX(id) AS lastid FROM receipt"
                              " WHERE tabid = ? AND id > ?"),
               {tabId, static_cast<std::int64_t>(afterId)});
    const db::Row& row = sum.rows.at(0);
    return {row.at(0).asDouble(), row.at(1).asInt()};
}

} // namespace

TabBalance lookupTabBalance(db::StoredProc& proc, int tabId) {
    proc.setName(QStringLiteral("tab_balcr_lookup"));
    proc.setParam(0, tabId);
    proc.execute();
    return {proc.value(u"balance").asMoney(), proc.value(u"crlimit").asMoney(),
            isTrue(proc.value(u"crstop").asText())};
}

Money AccountCredit::available() const {
    const Money left = (stopped() ? Money() : crLimit) - balance;
    return left < Money() ? Money() : left;
}

AccountCredit readAccountCredit(db::Connection& db, int tabId) {
    const db::ResultData tab =
        db.run(QStringLiteral("SELECT balance, crlimit, crstop, crmessage FROM tab WHERE id = ?"), {tabId});
    if (tab.rows.empty())
        return {};
    const db::Row& row = tab.rows.front();
    return {row.at(0).asMoney(), row.at(1).asMoney(), row.at(2).asText(), row.at(3).asText()};
}

void moveAccountBalance(db::Connection& db, int tabId, Money cr) {
    const db::ResultData moved =
        db.run(QStringLiteral("UPDATE tab SET balance = balance + ? WHERE id = ?"), {cr, tabId});
    if (moved.rowsAffected != 1)
        throw db::DbError(QStringLiteral("Tab %1 is not on file.").arg(tabId));
}

void RecalcReceiptBalance(db::Connection& db, int tabId) {
    const ReceiptSum all = sumReceipts(db, tabId, 0);
    db.run(QStringLiteral("UPDATE tab SET crrecbal = ?, crrecid = ? WHERE id = ?"),
           {all.crBal, static_cast<std::int64_t>(all.lastId), tabId});
}

void UpdateReceiptBalance(db::Connection& db, int tabId) {
    const db::ResultData counted =
        db.run(QStringLiteral("SELECT crrecbal, crrecid FROM tab WHERE id = ?"), {tabId});
    if (counted.rows.empty())
        return;
    const double crRecBal = counted.rows[0].at(0).asDouble();
    const long long crRecId = counted.rows[0].at(1).asInt();
    const ReceiptSum added = sumReceipts(db, tabId, crRecId);
    if (added.lastId <= 0)
        return;
    db.run(QStringLiteral("UPDATE tab SET crrecbal = ?, crrecid = ? WHERE id = ? AND COALESCE(crrecid, 0) = ?"),
           {Money::fromDouble(crRecBal) + Money::fromDouble(added.crBal), static_cast<std::int64_t>(added.lastId), tabId,
            static_cast<std::int64_t>(crRecId)});
}

Money expectedReceiptBalance(db::Connection& db, int tabId) {
    const db::ResultData bal = db.run(QStringLiteral("SELECT crrecbal FROM tab WHERE id = ?"), {tabId});
    return bal.rows.empty() ? Money() : bal.rows[0].at(0).asMoney();
}

} // namespace pelora
