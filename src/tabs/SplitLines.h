#pragma once

#include <QString>

#include <optional>

namespace pelora {

class LineLists;
class Prompter;

namespace db {
class Connection;
class StoredProc;
} // namespace db

// Putting a split on the lines of the current tab, taking it off again, and moving a split's
// lines between the two lists so that one guest can pay alone.
namespace SplitLines {

struct Context {
    db::Connection& db;
    db::StoredProc& proc;
    LineLists& lines;
    Prompter& prompter;
    int tabId = 0;
};

// A split as the chooser lists it, with its discount (an empty rate counts as 0).
struct Split {
    int id = 0;
    QString ref;
    QString cat;
    QString msg;
    QString discName;
    double discRate = 0;
    QString discStopOverride;
};

// Puts the split on list 1's current line: its ref and message, and the better of the tab's and
// the split's discount (the split's on equal rates); the line is recalculated and saved. False
// when it stopped: no line ("First add an item."), or a line already split and the operator
// keeping its split.
bool put(const Context& context, const Split& split);

// Takes a split off every line of list 1 that carries it, in one change: the lines keep no
// discount ("No Discount", 0), not even the tab's. False when there is no split to clear.
bool clear(const Context& context, const QString& ref);

// The moves of a split's lines between the lists. `toSplitList` moves from list 1 to list 2.
// `ref` picks the lines: a ref takes that split's lines, an empty ref the lines without a
// split, none every line that has one. The lines move together or not at all, each ending as
// the move buttons would leave it (moving one unit at a time in the split modes "3" and "4").
// The caller reads both lists again afterwards.
void move(const Context& context, bool toSplitList, const std::optional<QString>& ref, bool unitMoves);

} // namespace SplitLines

} // namespace pelora
