#pragma once

#include <QString>

#include <optional>

namespace pelora {

namespace db {
class Connection;
class StoredProc;
} // namespace db
namespace eventlog {
struct Actor;
}

// Moving lines of the current tab to another tab or to this terminal's NonTab, by the pending
// move mode (1 all lines of list 1, 2 the current line of list 1, 3 all of list 2, 4 the
// current line of list 2). The server's move procedures do the work.
namespace TabMoves {

// The move mode the move window's "One" or "All" sets, or none when nothing can move: list 2
// is taken whenever it is in use and holds lines; "All" needs a tab chosen.
std::optional<int> chooseMode(bool one, bool splitInUse, bool list1HasLines, bool list2HasLines, int currentTab);

// The list (1 or 2) a move mode works on.
int listOf(int moveMode);
// True for the modes that move the current line only.
bool movesOneLine(int moveMode);

// Moves to an account tab. `source` is the current line's `tabid` for "all" moves and its `id`
// for "one" moves. Lines of the NonTab and the stocktake tab are this terminal's only, so
// `pcRef` goes with an "all" move. False when skipped (an id of 0 or less: an empty list).
bool toTab(db::StoredProc& proc, int moveMode, int source, int targetTab, const QString& pcRef);
// Moves to this terminal's NonTab; `source` as for toTab.
bool toNonTab(db::StoredProc& proc, int moveMode, int source, const QString& pcRef);

// The exception log's entries for the lines a move is about to take, one each, naming the
// tab they go to; in the move's transaction.
void logMove(db::Connection& db, const eventlog::Actor& actor, int moveMode, int source, int targetTab,
             const QString& pcRef);

} // namespace TabMoves

} // namespace pelora
