#pragma once

#include "common/Money.h"
#include "print/LineTexts.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace pelora {

namespace db {
class Connection;
}

// Whose open lines a check is made of: the tab, and for the NonTab (and the stocktake tab),
// which keep their lines per terminal, this terminal.
struct CheckTab {
    int tabId = 0;
    QString pcRef;
};

// What one check covers: the whole tab, or the lines of one split (the empty reference stands
// for the lines in no split, shown as "Unsplit").
struct CheckScope {
    bool wholeTab = true;
    QString split;

    static CheckScope whole() { return {}; }
    static CheckScope ofSplit(const QString& ref) { return {false, ref}; }
    QString caption() const;
};

// The caption of a split reference: the reference, or "Unsplit" for the lines in none.
QString splitCaption(const QString& ref);

// One open line as the check prints it.
struct CheckLine {
    int id = 0;
    QString itemName;
    double qty = 0;
    Money disc, extPrice, extTax;
    LineOptions options;
    QString optMsg, splitRef, splitMsg;
};

// The lines of one check in the order they print, and their total.
struct CheckLines {
    CheckScope scope;
    std::vector<CheckLine> lines;
    Money total;
};

// The split references of the tab's open lines, each once and in order: those of the main
// list, then, unless `splitmode` is "0", those of the second list not listed yet. A null and
// an empty reference are the same "Unsplit" entry, the empty reference.
QStringList collectSplits(db::Connection& db, const CheckTab& tab, QStringView splitMode);

// The lines of a check. For a split, its lines of the main list and then of the second list.
// For the whole tab, both lists grouped by split reference: each second-list line comes after
// every main-list line of a lower or equal reference, so that within a split the main list
// comes first.
CheckLines loadCheckLines(db::Connection& db, const CheckTab& tab, const CheckScope& scope);

} // namespace pelora
