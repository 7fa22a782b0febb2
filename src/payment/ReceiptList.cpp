#include "payment/ReceiptList.h"

#include "common/Prompter.h"
#include "db/ServerClock.h"

namespace pelora {

ReceiptList::ReceiptList(db::Connection& db, db::ServerClock& clock, Prompter& prompter)
    : receipt1_(db), clock_(clock), prompter_(prompter) {}

const QStringList& ReceiptList::shownColumns() {
    static const QStringList columns{QStringLiteral("id"),     QStringLiteral("istamp"),   QStringLiteral("total"),
                                     QStringLiteral("tendered"), QStringLiteral("mop"),    QStringLiteral("cr"),
                                     QStringLiteral("tabref"), QStringLiteral("pcref"),    QStringLiteral("staffref"),
                                     QStringLiteral("revrecid")};
    return columns;
}

void ReceiptList::load(const QString& where, std::vector<db::Value> params) {
    receipt1_.setSql(QStringLiteral("SELECT %1, tabid FROM receipt WHERE %2")
                         .arg(shownColumns().join(QStringLiteral(", ")), where));
    receipt1_.open(std::move(params));
}

void ReceiptList::LoadReceiptsByDays(int days) {
    QDateTime from = clock_.now().addDays(-days);
    // To the second, as the till has always written the time in its statements.
    from.setTime(QTime(from.time().hour(), from.time().minute(), from.time().second()));
    load(QStringLiteral("istamp >= ? ORDER BY istamp DESC"), {from});
}

void ReceiptList::LoadTabReceipts(int tabId) { load(QStringLiteral("tabid = ? ORDER BY istamp DESC"), {tabId}); }

bool ReceiptList::FindReceipt(const QString& text) {
    if (text.isEmpty()) {
        prompter_.information(QStringLiteral("First enter a valid Docket No."));
        return false;
    }
    bool whole = false;
    const int id = text.toInt(&whole);
    if (!whole) {
        prompter_.warning(u'"' + text + QStringLiteral("\" is not a valid Docket No."));
        return false;
    }
    load(QStringLiteral("id = ?"), {id});
    return true;
}

void ReceiptList::reload() {
    if (receipt1_.isOpen())
        receipt1_.reopen();
}

} // namespace pelora
