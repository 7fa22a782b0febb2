#include "sales/TabMoves.h"

#include "app/EventLog.h"
#include "db/StoredProc.h"
#include "sales/LineLists.h"
#include "sales/TabLines.h"

namespace pelora::TabMoves {

std::optional<int> chooseMode(bool one, bool splitInUse, bool list1HasLines, bool list2HasLines, int currentTab) {
    if (!one && currentTab < 1)
        return std::nullopt;
    if (splitInUse && list2HasLines)
        return one ? 4 : 3;
    if (!list1HasLines)
        return std::nullopt;
    return one ? 2 : 1;
}

int listOf(int moveMode) { return moveMode >= 3 ? 2 : 1; }

bool movesOneLine(int moveMode) { return moveMode == 2 || moveMode == 4; }

namespace {

QString procedureName(const char* target, int moveMode) {
    return QStringLiteral("tab_move_%1_%2_%3")
        .arg(movesOneLine(moveMode) ? QStringLiteral("one") : QStringLiteral("all"),
             QString::fromLatin1(target))
        .arg(listOf(moveMode));
}

} // namespace

bool toTab(db::StoredProc& proc, int moveMode, int source, int targetTab, const QString& pcRef) {
    if (source <= 0 || targetTab <= 0)
        return false;
    proc.setName(procedureName("tab", moveMode));
    proc.setParam(0, source);
    proc.setParam(1, targetTab);
    if (!movesOneLine(moveMode))
        proc.setParam(2, pcRef);
    proc.execute();
    return true;
}

bool toNonTab(db::StoredProc& proc, int moveMode, int source, const QString& pcRef) {
    if (source <= 0)
        return false;
    proc.setName(procedureName("nontab", moveMode));
    proc.setParam(0, pcRef);
    proc.setParam(1, source);
    proc.execute();
    return true;
}

void logMove(db::Connection& db, const eventlog::Actor& actor, int moveMode, int source, int targetTab,
             const QString& pcRef) {
    if (source <= 0)
        return;
    const QString table = LineLists::tableName(listOf(moveMode));
    eventlog::LineSelection lines;
    if (movesOneLine(moveMode)) {
        lines = eventlog::LineSelection::byIds(table, {source});
    } else {
        const TabLines all = TabLines::of(source, pcRef);
        lines = {table, all.where, all.params};
    }
    eventlog::writeLines(db, actor.event(eventlog::Kind::Move), lines, eventlog::lineSql::kValue,
                         QStringLiteral("'To ' || COALESCE((SELECT t2.ref FROM tab t2 WHERE t2.id = %1), '')")
                             .arg(targetTab));
}

} // namespace pelora::TabMoves
