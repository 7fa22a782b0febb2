#pragma once

#include "db/Query.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace pelora {

// The lines of one receipt, in the order they were recorded, and the card the history window
// shows for each.
class ReceiptLines {
public:
    struct Card {
        QString qty;      // the quantity followed by " x"
        QString itemName;
        QString price;    // the extended price in the money format
        QString options;  // the options chosen, empty when none
        QString message;  // the typed message and the split, empty when none
    };

    explicit ReceiptLines(db::Connection& db);

    void LoadReceiptLines(int receiptId);
    void clear() { recline1_.close(); }

    const db::Query& recline1() const { return recline1_; }
    // One card per line, in line order.
    std::vector<Card> cards();
    // The card of the query's current line.
    static Card cardOf(const db::Query& line);

private:
    db::Query recline1_;
};

} // namespace pelora
