#pragma once

#include <QString>

#include <optional>

namespace pelora {

// What the sales screen is working on. The current tab is 0 when none is chosen, 1 for the
// NonTab, 2 for the stocktake tab (both kept apart per terminal) and above 2 for an account
// tab that every till shares.
struct SalesState {
    static constexpr int kNoTab = 0;
    static constexpr int kNonTab = 1;
    static constexpr int kStocktakeTab = 2;

    int currentTab = kNoTab;
    // 0 no move pending; 1 all lines of list 1; 2 the current line of list 1; 3 all lines of
    // list 2; 4 the current line of list 2.
    int moveMode = 0;
    int currentLink = 0;
    QString currentLinkName;
    int currentMapId = 0;
    QString currentMapName;
    // The split chosen last and its category, for as long as the program runs: the split
    // chooser opens on them. No category is remembered until a split has been chosen.
    int lastSplitId = 0;
    std::optional<QString> lastSplitCat;
};

} // namespace pelora
