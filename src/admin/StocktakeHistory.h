#pragma once

#include "db/ResultData.h"

#include <QString>

#include <optional>
#include <vector>

namespace pelora {

namespace db {
class Connection;
}

// Past stocktakes for the history window: each with its totals, and its counted lines.
class StocktakeHistory {
public:
    struct Stocktake {
        int id = 0;
        QString date;
        QString pcRef;
        QString staffRef;
        // The sums of the lines' extended values, in the money display format.
        QString cost;
        QString price;
        QString tax;
    };
    struct Line {
        QString itemName;
        QString expected;
        QString actual;
        QString extCost;
        QString extPrice;
        QString extTax;
    };
    struct Found {
        std::optional<int> id;
        QString refusal; // the operator's message when there is no id to look for
    };

    // Every stocktake, newest first (as the window opens) or oldest first ("All").
    static std::vector<Stocktake> all(db::Connection& db, bool newestFirst);
    // The stocktake with this id (none, or one).
    static std::vector<Stocktake> withId(db::Connection& db, int id);
    // A stocktake's lines in the order they were counted; `discrepanciesOnly` leaves out those
    // whose count matched the expected quantity.
    static std::vector<Line> lines(db::Connection& db, int stocktakeId, bool discrepanciesOnly);
    // The id typed in the find box.
    static Found parseId(const QString& text);

private:
    static std::vector<Stocktake> select(db::Connection& db, const QString& where, const std::vector<db::Value>& params,
                                         bool newestFirst);
};

} // namespace pelora
