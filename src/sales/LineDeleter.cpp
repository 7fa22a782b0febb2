#include "sales/LineDeleter.h"

#include "common/Flag.h"
#include "common/Mode.h"
#include "common/Prompter.h"
#include "db/StoredProc.h"
#include "sales/LineLists.h"
#include "sales/SalesState.h"

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

} // namespace

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
        const db::ResultData done = list.connection().run(
            QStringLiteral("DELETE FROM %1 WHERE id = ? AND processed = 'F'").arg(LineLists::tableName(n)), {id});
        list.reopen();
        if (done.rowsAffected == 0 && list.locate(u"id", id)) {
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
        deleteTabLines(c.proc, n, c.tabId, c.pcRef, true);
        return {true, false};
    }

    db::RowSet& list = c.lists.list(n);
    list.cancel();
    db::ControlsDisabled quiet(list);
    db::Transaction transaction(list.connection());
    try {
        if (modeIs(c.countMode, '1')) {
            for (int r = 0; r < list.rowCount(); ++r) {
                list.moveTo(r);
                if (isTrue(list.value(u"processed").asText()))
                    returnStock(c.proc, list);
            }
        }
        deleteTabLines(c.proc, n, c.tabId, c.pcRef, false);
        transaction.commit();
    } catch (const std::exception&) {
        transaction.rollback(); // the lists, read again, show what is left
    }
    return {true, true}; // the grid shows the stock as it now is
}

} // namespace pelora
