#include "sales/TabMoves.h"

#include "db/StoredProc.h"

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

} // namespace pelora::TabMoves
