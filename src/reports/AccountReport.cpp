#include "reports/AccountReport.h"

#include "common/Flag.h"
#include "db/Query.h"
#include "payment/AccountBalance.h"

namespace pelora {

void recountAccounts(db::Connection& db, Recount recount) {
    db::Query tabs(db);
    tabs.setSql(QStringLiteral("SELECT id FROM tab WHERE id > 1 ORDER BY id"));
    tabs.open();
    for (; !tabs.eof(); tabs.next()) {
        const int id = static_cast<int>(tabs.value(u"id").asInt());
        if (recount == Recount::Full)
            RecalcReceiptBalance(db, id);
        else
            UpdateReceiptBalance(db, id);
    }
}

std::vector<AccountRow> readAccountRows(db::Connection& db) {
    db::Query query(db);
    query.setSql(QStringLiteral("SELECT id, ustamp, ref, balance, crlimit, crstop, crmessage, crrecbal FROM tab"
                                " WHERE id > 1 AND (balance <> 0 OR crrecbal <> balance) ORDER BY name, id"));
    query.open();
    std::vector<AccountRow> rows;
    for (; !query.eof(); query.next())
        rows.push_back({query.value(u"ref").asText(), query.value(u"balance").asMoney(),
                        query.value(u"crlimit").asMoney(), query.value(u"crrecbal").asMoney(),
                        isTrue(query.value(u"crstop").asText()), query.value(u"crmessage").asText()});
    return rows;
}

report::Report accountReport(const QString& title, const std::vector<AccountRow>& rows) {
    using namespace report;
    enum SheetColumn { Ref, Balance, ReceiptBalance, Limit, Status, Message };
    Report report;
    report.title = title;
    report.orientation = Orientation::Portrait;
    report.sheetColumns = {QStringLiteral("Tab Ref"),      QStringLiteral("Balance"),   QStringLiteral("Receipt Balance"),
                           QStringLiteral("Credit Limit"), QStringLiteral("Cr Status"), QStringLiteral("Message")};
    report.columnHeader = {text(QStringLiteral("Tab Ref"), 0), rightText(QStringLiteral("Balance"), 40, 25),
                           rightText(QStringLiteral("Credit Limit"), 95, 27), text(QStringLiteral("Cr Status"), 126),
                           text(QStringLiteral("Message"), 146)};
    for (const AccountRow& row : rows) {
        Band band{BandKind::Detail,
                  {text(row.ref, 0, 40, Ref), amount(row.balance, 40, 25, Balance), amount(row.crLimit, 95, 27, Limit),
                   text(row.stopped ? QStringLiteral("Stopped") : QString(), 126, 20, Status),
                   text(row.message, 146, 0, Message)}};
        // The receipts tell another story than the running balance.
        if (row.balance != row.crRecBal) {
            Cell note = text(QStringLiteral("/  ") + row.crRecBal.toString(), 67, 28, ReceiptBalance);
            note.amount = row.crRecBal;
            band.cells.push_back(note);
        }
        report.bands.push_back(std::move(band));
    }
    return report;
}

} // namespace pelora
