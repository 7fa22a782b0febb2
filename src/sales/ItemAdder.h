#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace pelora {

class ButtonCache;
class Prompter;
struct TerminalSettings;
struct MasterFlags;

namespace db {
class Connection;
class StoredProc;
} // namespace db

// Adds one line for an item to the current tab's main list: the item's values at the layout's
// price level, the tab's standing discount unless the item refuses it, and on the stocktake
// tab a count line of quantity 0 holding the item's stock. Stops with the operator's message
// when no tab is chosen or the item has already been counted on this terminal.
class ItemAdder {
public:
    struct Context {
        db::Connection& db;
        db::StoredProc& proc;
        Prompter& prompter;
        const TerminalSettings& settings;
        const MasterFlags& master;
        const ButtonCache& buttons;
        QString pcRef;
        QString staffRef;
        int tabId = 0;
    };

    struct Added {
        int lineId = 0;
        double discRate = 0;
        // The option slots that prompt by themselves (auto "T" with a prompt), in slot order.
        std::vector<int> autoOptions;
    };

    // `fromDatabase` reads the item row even when the button cache is in use.
    static std::optional<Added> add(const Context& context, int itemId, bool fromDatabase);

    // The rate a line takes from a discount: none when the rate is null, and none on an item
    // that refuses discounts (any `stopdisc` but "F") unless the discount overrides that.
    static double lineRate(const std::optional<double>& rate, QStringView stopOverride, QStringView stopDisc);
};

} // namespace pelora
