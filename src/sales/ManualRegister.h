#pragma once

#include "admin/AdminPermissions.h"
#include "common/Money.h"

#include <QString>

#include <optional>

namespace pelora {

class Prompter;

namespace db {
class Connection;
class StoredProc;
} // namespace db

// The manual register's display and the free-priced line it adds. The display holds the entry
// as text: a price, or a price, " x " and a quantity. Its lines are for the manual-register
// item (id 1), with cost and tax as the layout's fractions of the typed price.
class ManualRegister {
public:
    static constexpr int kItemId = 1;
    // The most a manual line may come to (price times quantity).
    static constexpr Money kMostLine = Money::fromUnits(999'999'900);

    const QString& display() const { return display_; }

    // A keypad key: "0" to "9" and "." append (on a display of exactly "0" the entry starts
    // afresh), "C" clears to "0".
    void key(QChar key);
    // "x": " x " once, and never on an empty entry.
    void times();
    // What "Add" does before adding: an entry without a quantity counts one. False when there
    // is no entry to add.
    bool completeForAdd();

    struct Entry {
        Money price;
        double qty = 0;
    };
    // The price and the quantity of the display; none when either is no number (a quantity
    // as the keypad takes it, QtyKeypad::read), when the line could not take them (the limits
    // of every open line), or when the line would come to more than 99,999.99.
    std::optional<Entry> entry() const;

    struct Context {
        db::Connection& db;
        db::StoredProc& proc;
        Prompter& prompter;
        QString pcRef;
        QString staffRef;
        int tabId = 0;
        QString itemName;
        double costRate = 0;
        double taxRate = 0;
        QString outputName;
        AdminLevel approver = AdminLevel::None; // the console's level, for the exception log
    };
    // Adds the display's line to the tab's main list and clears the display; the new line's
    // id. Without a tab, or with an entry that is no line ("Invalid input."), the operator is
    // told, nothing is added and the display keeps its text; a display without " x " (an
    // empty entry) adds nothing.
    std::optional<int> add(const Context& context);

private:
    QString display_ = QStringLiteral("0");
};

} // namespace pelora
