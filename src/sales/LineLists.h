#pragma once

#include "common/Money.h"
#include "db/RowSet.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace pelora {

namespace db {
class StoredProc;
}
struct TabLines;
namespace eventlog {
struct Actor;
}

// The two open-line lists of the current tab: list 1 (`tabline1`) takes every new line, list 2
// (`tabline2`) holds the lines split out to be paid by themselves. Both are live: a line is
// changed by editing the list's current row and saving it.
class LineLists {
public:
    static constexpr int kMain = 1;
    static constexpr int kSplit = 2;

    // Which lines are shown. The NonTab and the stocktake tab keep lines per terminal; an
    // account tab's lines are the same on every till. List 2 is read only while the split
    // controls show; otherwise it stays closed (and empty).
    struct Selection {
        int tabId = 0;
        QString pcRef;
        bool splitShown = false;
    };

    explicit LineLists(db::Connection& db);

    db::RowSet& list(int n) { return n == kSplit ? list2_ : list1_; }
    const db::RowSet& list(int n) const { return n == kSplit ? list2_ : list1_; }
    static QString tableName(int n);
    // True when the list is open and holds at least one line.
    bool hasLines(int n) const;
    const Selection& selection() const { return selection_; }

    // Reads the lists for a tab; list 1 ends on its last line.
    void read(const Selection& selection);
    // Reads both lists again with the same selection, each staying on its line.
    void reread();
    // Whether the lists still show the tab's lines as the database holds them: the same lines
    // (none added, taken away or moved by another till) with the same quantities and amounts.
    // A narrowed list is held against the whole of its list, so it answers false.
    bool showTheTabAsItStands() const;
    // Reads list `n` with only the lines of one split, by id: `splitRef` empty takes the lines
    // without a split, none takes every line that has one. Until the next `read` the list
    // stays narrowed (also when read again).
    void narrow(int n, const std::optional<QString>& splitRef);

    // Recomputes the current line of a list into its edit buffer; the caller saves it.
    void recalc(int n);
    // Saves the edited current line of a list. When that fails (another till has deleted the
    // line, say) the edit is dropped and both lists are read again before the failure goes on
    // to the caller, so that the screen shows what the database holds.
    void save(int n);
    // Runs `change` on every line of list `n`, first to last, as one change: a failure rolls it
    // all back and reads both lists again before going on to the caller. The list stays on its
    // line.
    void changeEach(int n, const std::function<void(db::RowSet&)>& change);
    // Runs `change` on every line of list `n`, first to last, in the caller's transaction. The
    // list stays on its line.
    void forEachLine(int n, const std::function<void(db::RowSet&)>& change);
    // Runs `change` in one transaction; a failure rolls it back and reads both lists again
    // before it goes on to the caller.
    void asOneChange(const std::function<void()>& change);
    // Whether a list's current line can take this quantity (LineMath::fits).
    bool qtyFits(int n, double qty) const;
    // Sets the quantity of a list's current line, recomputes it and saves it. A quantity the
    // line cannot take throws std::range_error with nothing changed.
    void setQty(int n, double qty);
    // Sets the quantity as setQty does. Lowered on a line that has been sent (by another till
    // since this one read it: this screen refuses sent lines), the units taken off leave an
    // entry in the exception log in the same transaction.
    void setQtyOnRecord(int n, double qty, const eventlog::Actor& actor);
    // The sum of a list's extended prices, each rounded to four decimals.
    Money total(int n) const;

    // Moves the current line of list `from` to the other list, in one transaction: one unit
    // when `unitMoves` and its quantity is whole (merged into an equal line there when there
    // is one), else the whole line. The source line is deleted once nothing is left of it. A
    // failure rolls back and reads both lists again, so they show what the database holds; the
    // result is then false (also when there was nothing to move).
    bool moveLine(int from, bool unitMoves, db::StoredProc& proc);
    // Moves the lines of one split (picked as `narrow` picks them) from list `from` to the other
    // list, all of them in one transaction or none. They are deleted from their list in one
    // statement, which must take exactly the split's lines this till holds: when another till
    // has taken one of them away meanwhile (paid, deleted, moved, split otherwise) or given the
    // split another, nothing moves. Without `unitMoves` the lines are copied whole with new ids
    // in one statement, as the database holds them. With it the split's lines are read afresh
    // first (list `from` stays narrowed to them) and each ends as `moveLine` leaves it after
    // moving its units one by one (joined to an equal line there, or its first unit starting
    // one, the rest joining it), which takes a few statements a line, still in the one
    // transaction. A failure rolls back and reads both lists again; the result is then false
    // (also when there was nothing to move). On success the caller reads both lists again.
    bool moveSplit(int from, const std::optional<QString>& splitRef, bool unitMoves, db::StoredProc& proc);

private:
    static int otherList(int n) { return n == kMain ? kSplit : kMain; }
    // Whether a line of `qty` moves one unit at a time: in the unit modes, when it is whole.
    static bool movesByUnit(bool unitMoves, double qty);
    TabLines splitLines(const std::optional<QString>& splitRef) const;
    int findEqualLine(const db::RowSet& target, const db::RowSet& source) const;
    void copyLine(int from, double qty, db::StoredProc& proc);
    // Copies the lines of list `from` that `lines` picks to the other list whole, with new ids
    // in their order, in one statement.
    void copyLines(int from, const TabLines& lines);
    // Puts `moved` units of the current line of list `from` on the other list, leaving the
    // source line as it is. By unit, the first unit joins an equal line there or starts one, and
    // the rest join it; otherwise they make a line of their own.
    void putOnOtherList(int from, double moved, bool byUnit, db::StoredProc& proc);

    db::Connection& db_;
    db::RowSet list1_;
    db::RowSet list2_;
    Selection selection_;
};

} // namespace pelora
