#include "payment/ReceiptRestart.h"

#include "common/Prompter.h"
#include "db/DbError.h"
#include "db/ServerClock.h"
#include "db/StoredProc.h"
#include "payment/AccountBalance.h"
#include "payment/ReceiptCommit.h"
#include "sales/TabLines.h"

#include <cmath>
#include <functional>

namespace pelora {

namespace {

// Another till has restarted the receipt since this one listed it.
struct TakenMeanwhile {};

// The receipt line's columns with the amounts that change sign or lose it on the way.
QString linesSelect(const std::function<QString(const QString&)>& changed) {
    QStringList columns;
    for (const QString& c : ReceiptCommit::copiedColumns())
        columns << changed(c);
    return columns.join(QStringLiteral(", "));
}

bool isExtendedOrQty(const QString& column) {
    return column == u"qty" || column == u"extcost" || column == u"extprice" || column == u"exttax";
}

QString copiedList() { return ReceiptCommit::copiedColumns().join(QStringLiteral(", ")); }

} // namespace

ReceiptRestart::ReceiptRestart(db::Connection& db, db::ServerClock& clock, Prompter& prompter, Till till)
    : db_(db), clock_(clock), prompter_(prompter), till_(std::move(till)) {}

void ReceiptRestart::tellAlreadyRestarted(int receiptId, int byReceiptId) {
    prompter_.information(QStringLiteral("Receipt ID %1 has already been re-started.").arg(receiptId) + kLineBreak +
                          QStringLiteral("See Receipt ID %1.").arg(byReceiptId));
}

bool ReceiptRestart::mayRestart(const ReceiptRow& receipt) {
    if (receipt.revRecId > 0) {
        tellAlreadyRestarted(receipt.id, receipt.revRecId);
        return false;
    }
    if (receipt.total.isZero() && !receipt.cr.isZero()) {
        prompter_.information(QStringLiteral("Account Credits cannot be \"re-started\".") + kLineBreak +
                              QStringLiteral("They must be debited instead."));
        return false;
    }
    const double ageMinutes = static_cast<double>(receipt.istamp.msecsTo(clock_.now())) / 60000.0;
    if (ageMinutes > till_.restartMins) {
        if (!till_.adminSession) {
            prompter_.information(QStringLiteral("Receipt is too old to be restarted."));
            return false;
        }
        if (!prompter_.confirm(QStringLiteral("Receipt is older than Restart Mins permit.") + kLineBreak +
                               QStringLiteral("Only Admin can proceed. Continue?")))
            return false;
        olderThanPermitted_ = true;
    }
    return true;
}

bool ReceiptRestart::linesMayGo(const ReceiptRow& receipt) {
    if (receipt.tabId < 1) {
        prompter_.information(QStringLiteral("TabID was invalid.") + kLineBreak +
                              QStringLiteral("Transaction cannot be re-opened."));
        return false;
    }
    // The NonTab's lines are this terminal's own.
    const TabLines open = TabLines::of(receipt.tabId, till_.pcRef);
    std::vector<db::Value> params = open.params;
    params.insert(params.end(), open.params.begin(), open.params.end());
    const db::ResultData found =
        db_.run(QStringLiteral("SELECT 1 FROM rdb$database WHERE EXISTS (SELECT 1 FROM tabline1 WHERE %1)"
                               " OR EXISTS (SELECT 1 FROM tabline2 WHERE %1)")
                    .arg(open.where),
                params);
    if (found.rows.empty())
        return true;
    const QString where = receipt.tabId == 1 ? QStringLiteral("PC: ") + till_.pcRef + QStringLiteral(" has a started NonTab.")
                                             : QStringLiteral("Tab: ") + receipt.tabRef + QStringLiteral(" has items added.");
    return prompter_.confirm(where + kLineBreak + QStringLiteral("Do you want to add these lines to it?"));
}

ReceiptRestart::Outcome ReceiptRestart::restart(const ReceiptRow& receipt) {
    Outcome stopped{Result::Stopped, false, receipt.tabId, receipt.tabRef, 0};
    if (receipt.id < 1 || !mayRestart(receipt))
        return stopped;
    const bool reversal = receipt.total < Money();
    const bool yes = reversal ? prompter_.confirm(QStringLiteral("Refunds cannot be \"re-started\".") + kLineBreak +
                                                  QStringLiteral("They can be reversed. Continue?"))
                              : prompter_.confirm(QStringLiteral("Re-start the receipt?"));
    if (!yes || !linesMayGo(receipt))
        return stopped;
    return run(receipt, reversal);
}

ReceiptRestart::Outcome ReceiptRestart::run(const ReceiptRow& receipt, bool reversal) {
    Outcome outcome{reversal ? Result::Reversed : Result::Restarted, false, receipt.tabId, receipt.tabRef, 0};
    QString why;
    db::Transaction transaction(db_);
    try {
        db::StoredProc proc(db_);
        outcome.mirrorId = proc.nextId(QStringLiteral("receipt"));
        // The receipt is claimed for its mirror before anything else is written: a till that
        // restarted it meanwhile has left nothing to claim.
        const db::ResultData claimed =
            db_.run(QStringLiteral("UPDATE receipt SET revrecid = ? WHERE id = ? AND (revrecid IS NULL OR revrecid < 1)"),
                    {outcome.mirrorId, receipt.id});
        if (claimed.rowsAffected != 1)
            throw TakenMeanwhile{};
        if (reversal) {
            outcome.stockMoved = moveStockOut(receipt);
        } else {
            RestoreLines(receipt);
        }
        WriteReversal(receipt, outcome.mirrorId);
        eventlog::Event event = till_.actor().event(reversal ? eventlog::Kind::Reversal : eventlog::Kind::Restart);
        if (olderThanPermitted_ && event.approver == AdminLevel::None)
            event.approver = AdminLevel::Admin;
        event.tabRef = receipt.tabRef;
        event.amount = receipt.total < Money() ? -receipt.total : receipt.total;
        event.detail = QStringLiteral("Receipt %1, cancelled by %2").arg(receipt.id).arg(outcome.mirrorId);
        if (olderThanPermitted_)
            event.detail += QStringLiteral(", older than Restart Mins");
        eventlog::write(db_, event);
        transaction.commit();
        return outcome;
    } catch (const TakenMeanwhile&) {
        transaction.rollback();
        why = QStringLiteral("It is no longer on file.");
    } catch (const db::DbError& failure) {
        transaction.rollback();
        // Waiting on another till's claim ends in a conflict once that till commits.
        if (!failure.isConflict())
            return failed(receipt, failure.text());
        why = failure.text();
    } catch (const std::exception& failure) {
        transaction.rollback();
        return failed(receipt, QString::fromUtf8(failure.what()));
    }
    const db::ResultData now = db_.run(QStringLiteral("SELECT revrecid FROM receipt WHERE id = ?"), {receipt.id});
    const int by = now.rows.empty() ? 0 : static_cast<int>(now.rows.front().at(0).asInt());
    if (by < 1)
        return failed(receipt, why);
    tellAlreadyRestarted(receipt.id, by);
    return {Result::AlreadyRestarted, false, receipt.tabId, receipt.tabRef, 0};
}

void ReceiptRestart::logReprint(db::Connection& db, const Till& till, const ReceiptRow& receipt) {
    eventlog::Event event = till.actor().event(eventlog::Kind::Reprint);
    event.tabRef = receipt.tabRef;
    event.amount = receipt.total;
    event.detail = QStringLiteral("Receipt %1").arg(receipt.id);
    eventlog::write(db, event);
}

ReceiptRestart::Outcome ReceiptRestart::failed(const ReceiptRow& receipt, const QString& why) {
    prompter_.error(QStringLiteral("Receipt ID %1 could not be re-started.").arg(receipt.id) + kLineBreak + why);
    return {Result::Failed, false, receipt.tabId, receipt.tabRef, 0};
}

void ReceiptRestart::RestoreLines(const ReceiptRow& receipt) {
    const QString amounts = linesSelect([](const QString& c) { return isExtendedOrQty(c) ? u"ABS(" + c + u')' : c; });
    db_.run(QStringLiteral("INSERT INTO tabline1 (id, pcref, staffref, tabid, %1, processed)"
                           " SELECT NEXT VALUE FOR tabline1id_gen, CAST(? AS VARCHAR(20)), CAST(? AS VARCHAR(20)),"
                           " CAST(? AS INTEGER), %2, CAST(? AS VARCHAR(1)) FROM recline WHERE recid = ? ORDER BY id")
                .arg(copiedList(), amounts),
            {till_.pcRef, till_.staffRef, receipt.tabId, QStringLiteral("T"), receipt.id});
}

bool ReceiptRestart::moveStockOut(const ReceiptRow& receipt) {
    const db::ResultData lines =
        db_.run(QStringLiteral("SELECT itemid, qty FROM recline WHERE recid = ? ORDER BY id"), {receipt.id});
    db::StoredProc proc(db_);
    for (const db::Row& line : lines.rows) {
        proc.setName(QStringLiteral("itemqty_update"));
        proc.setParam(0, line.at(0));
        proc.setParam(1, std::abs(line.at(1).asDouble()));
        proc.execute();
    }
    return !lines.rows.empty();
}

void ReceiptRestart::WriteReversal(const ReceiptRow& receipt, int mirrorId) {
    // Negated in the database, so that the mirror cancels the stored amounts exactly.
    db_.run(QStringLiteral("INSERT INTO receipt (id, pcref, staffref, tabid, tabref, total, tendered, mop, cr, revrecid)"
                           " SELECT CAST(? AS INTEGER), CAST(? AS VARCHAR(20)), CAST(? AS VARCHAR(20)), tabid, tabref,"
                           " -total, -tendered, mop, -cr, id FROM receipt WHERE id = ?"),
            {mirrorId, till_.pcRef, till_.staffRef, receipt.id});
    if (receipt.tabId != 1 && !receipt.cr.isZero())
        moveAccountBalance(db_, receipt.tabId, -receipt.cr);
    const QString negated = linesSelect([](const QString& c) {
        return isExtendedOrQty(c) || c == u"disc" ? u'-' + c : c;
    });
    db_.run(QStringLiteral("INSERT INTO recline (id, pcref, staffref, recid, %1)"
                           " SELECT NEXT VALUE FOR reclineid_gen, pcref, staffref, CAST(? AS INTEGER), %2"
                           " FROM recline WHERE recid = ? ORDER BY id")
                .arg(copiedList(), negated),
            {mirrorId, receipt.id});
}

} // namespace pelora
