#pragma once

#include "common/Money.h"
#include "sales/LineMath.h"

#include <QString>

#include <array>

namespace pelora {

class ButtonCache;

namespace db {
class Connection;
}

// What a new line takes from its item: the name, the amounts of the layout's price level, the
// ten option slots, the output it prints to and whether it refuses discounts. Absent amounts
// are 0 and absent texts empty.
struct ItemValues {
    struct Option {
        QString caption;
        QString autoFlag;
        QString prompt;
        QString forced;
        Money cost;
        Money price;
        Money tax;
    };

    QString name;
    Money cost;
    Money price;
    Money tax;
    std::array<Option, LineMath::kOptionSlots> options;
    QString outputName;
    QString stopDisc;

    // The price level of a layout's `pricemode`: 1, 2 or 3; 0 for any other mode, which prices
    // nothing.
    static int priceLevel(QStringView priceMode);

    // From the first button of the cache that adds the item; no value when none does.
    static std::optional<ItemValues> fromCache(const ButtonCache& cache, int itemId, int priceLevel);
    // From the item row (all empty when there is none).
    static ItemValues fromDatabase(db::Connection& db, int itemId, int priceLevel);
};

} // namespace pelora
