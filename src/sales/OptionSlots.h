#pragma once

#include "common/Money.h"
#include "sales/LineMath.h"

#include <QString>

#include <array>
#include <vector>

namespace pelora {

class LineLists;

namespace db {
class Connection;
class Query;
class TextTable;
} // namespace db

// The ten option slots of an open line of the main list: what the "Options" column shows of
// them, the choices a slot offers, and the changes an operator makes to them. Every change
// recomputes the line and saves it.
namespace OptionSlots {

struct Slot {
    QString caption;
    QString prompt;
    QString forced;
    QString choice;
    // A slot shows when it has a caption; it is chosen when its choice is not empty.
    bool shown() const { return !caption.isEmpty(); }
    bool chosen() const { return !choice.isEmpty(); }
    // A slot without a prompt is switched on and off; one with a prompt offers choices.
    bool onOff() const { return prompt.isEmpty(); }
};
using Slots = std::array<Slot, LineMath::kOptionSlots>;

// The slots of the current line (all empty when there is none).
Slots slotsOf(const db::Query& line);
// The line has been sent to the kitchen or bar: its options stay as they are.
bool isProcessed(const db::Query& line);

// One choice of a slot, with the amounts that replace the slot's own when it is taken.
struct Choice {
    QString choice;
    QString priceText; // as stored; empty when the choice has no price
    Money cost;
    Money price;
    Money tax;
    // "Large (1.50)", or the choice alone when it has no price.
    QString listText() const;
};

// The choices of slot `n` of an item, in order: from the start-up cache when there is one,
// else read from the database.
std::vector<Choice> choices(db::Connection& db, const db::TextTable* cache, int itemId, int n);

// Switches an on/off slot of the current line of the main list: chosen becomes "T", chosen
// becomes empty.
void toggle(LineLists& lines, int n);
// Takes a choice for slot `n`; no choice at all leaves the slot empty with zero amounts.
void choose(LineLists& lines, int n, const Choice* choice);
// Empties slot `n`; the line is priced without it at once.
void clear(LineLists& lines, int n);
// The typed message that goes with the line to the kitchen or bar.
void setMessage(LineLists& lines, const QString& message);

} // namespace OptionSlots

} // namespace pelora
