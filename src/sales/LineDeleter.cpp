#include "sales/LineDeleter.h"

#include "common/Flag.h"
#include "common/Mode.h"
#include "common/Prompter.h"
#include "db/StoredProc.h"
#include "sales/LineLists.h"
#include "sales/SalesState.h"
#include "sales/TabLines.h"

namespace pelora {

namespace {

// List 2 while the split list is in use and holds lines, else list 1 when it has lines; 0 when
// there is nothing to delete.
int listInUse(const LineDeleter::Context& c) {
    if (!modeIs(c.splitMode, '0') && c.lists.hasLines(LineLists::kSplit))
        return LineLists::kSplit;
    return c.lists.hasLines(LineLists::kMain) ? LineLists::kMain : 0;
}

void returnStock(db::StoredProc& proc, const db::Query& line) {
    const int itemId = static_cast<int>(line.value(u"itemid").asInt());
    if (itemId < 2)
        return; // the manual register item keeps no stock
    proc.setName(QStringLiteral("itemqty_update"));
    proc.setParam(0, itemId);
    proc.setParam(1, -line.value(u"qty").asDouble());
    proc.execute();
}

// The entries' detail: whether the line had been sent, then the action's own note.
QString sentAnd(const QString& detail) {
    return detail.isEmpty() ? eventlog::lineSql::kSent : eventlog::lineSql::kSent + QStringLiteral(" || ', ' || ?");
}

} // namespace

void LineDeleter::logTabLines(db::Connection& db, const eventlog::Actor& actor, int n, int tabId, const QString& pcRef,
                              bool keepProcessed, const QString& detail) {
    if (tabId == SalesState::kStocktakeTab)
        return;
    TabLines lines = TabLines::of(tabId, pcRef);
    if (keepProcessed)
        lines.where += QStringLiteral(" AND processed = 'F'");
    eventlog::Event event = actor.event(eventlog::Kind::Delete);
    event.detail = detail;
    eventlog::writeLines(db, event, {LineLists::tableName(n), lines.where, lines.params}, eventlog::lineSql::kValue,
                         sentAnd(detail));
}

void LineDeleter::logLine(db::Connection& db, const eventlog::Actor& actor, int n, const db::Value& lineId,
                          bool unsentOnly, const QString& detail) {
    eventlog::LineSelection line = eventlog::LineSelection::byIds(LineLists::tableName(n), {lineId});
    line.where += QStringLiteral(" AND tabid <> ") + QString::number(SalesState::kStocktakeTab);
    if (unsentOnly)
        line.where += QStringLiteral(" AND processed = 'F'");
    eventlog::Event event = actor.event(eventlog::Kind::Delete);
    event.detail = detail;
    eventlog::writeLines(db, event, line, eventlog::lineSql::kValue, sentAnd(detail));
}

LineDeleter::Source LineDeleter::sourceOf(const QString& mark) {
    return mark == u"Admin" ? Source::Admin : Source::Sales;
}

LineDeleter::Outcome LineDeleter::deleteOne(const Context& c, Source source) {
    if (source == Source::Sales) {
        const int n = listInUse(c);
        if (n == 0)
            return {};
        const QString refusal = n == LineLists::kSplit ? QStringLiteral("Split line has been processed.Cannot delete.")
                                                       : QStringLiteral("Line has been processed.Cannot delete.");
        db::RowSet& list = c.lists.list(n);
        if (!isFalse(list.value(u"processed").asText())) {
            c.prompter.information(refusal);
            return {};
        }
        // Only while it is still unprocessed: another till may have sent it since it was read.
        list.cancel();
        const db::Value id = list.value(u"id");
        db::Connection& db = list.connection();
        long long deleted = 0;
        {
            db::Transaction transaction(db);
            logLine(db, c.actor, n, id, true);
            deleted = db.run(QStringLiteral("DELETE FROM %1 WHERE id = ? AND processed = 'F'").arg(LineLists::tableName(n)),
                             {id})
                          .rowsAffected;
            if (deleted > 0) // else the line and its entry stay as they were
                transaction.commit();
        }
        list.reopen();
        if (deleted == 0 && list.locate(u"id", id)) {
            c.prompter.information(refusal);
            return {};
        }
        return {true, false};
    }

    const int n = c.lists.hasLines(LineLists::kSplit) ? LineLists::kSplit
                  : c.lists.hasLines(LineLists::kMain) ? LineLists::kMain
                                                       : 0;
    if (n == 0) {
        c.prompter.information(QStringLiteral("There are no lines to delete."));
        return {};
    }
    db::RowSet& list = c.lists.list(n);
    list.cancel();
    const bool returning = modeIs(c.countMode, '1') && isTrue(list.value(u"processed").asText());
    // The stock goes back with the line or not at all.
    db::Transaction transaction(list.connection());
    logLine(list.connection(), c.actor, n, list.value(u"id"), false);
    if (returning)
        returnStock(c.proc, list);
    list.deleteRow();
    transaction.commit();
    return {true, returning};
}

void LineDeleter::deleteTabLines(db::StoredProc& proc, int n, int tabId, const QString& pcRef, bool keepProcessed) {
    QString suffix;
    if (tabId == SalesState::kStocktakeTab)
        suffix = QStringLiteral("_del_stocktake_101");
    else if (tabId == SalesState::kNonTab)
        suffix = keepProcessed ? QStringLiteral("_del_nontab") : QStringLiteral("_del_nontab_101");
    else
        suffix = keepProcessed ? QStringLiteral("_del_tabid") : QStringLiteral("_del_tabid_101");
    proc.setName(LineLists::tableName(n) + suffix);
    if (tabId == SalesState::kNonTab || tabId == SalesState::kStocktakeTab)
        proc.setParam(0, pcRef);
    else
        proc.setParam(0, tabId);
    proc.execute();
}

LineDeleter::Outcome LineDeleter::deleteAll(const Context& c, Source source) {
    const int n = listInUse(c);
    if (n == 0)
        return {};
    if (c.tabId == SalesState::kStocktakeTab || source == Source::Sales) {
        // The sales screen keeps the processed lines; count lines are never processed.
        db::Connection& db = c.lists.list(n).connection();
        db::Transaction transaction(db);
        logTabLines(db, c.actor, n, c.tabId, c.pcRef, true);
        deleteTabLines(c.proc, n, c.tabId, c.pcRef, true);
        transaction.commit();
        return {true, false};
    }

    db::RowSet& list = c.lists.list(n);
    list.cancel();
    db::ControlsDisabled quiet(list);
    // Nothing is deleted unless all is: a failure leaves the lines, their stock and the log as
    // they were, and the operator is told why.
    db::Transaction transaction(list.connection());
    if (modeIs(c.countMode, '1')) {
        for (int r = 0; r < list.rowCount(); ++r) {
            list.moveTo(r);
            if (isTrue(list.value(u"processed").asText()))
                returnStock(c.proc, list);
        }
    }
    logTabLines(list.connection(), c.actor, n, c.tabId, c.pcRef, false);
    deleteTabLines(c.proc, n, c.tabId, c.pcRef, false);
    transaction.commit();
    return {true, true}; // the grid shows the stock as it now is
}

} // namespace pelora
