#pragma once

#include <QString>

namespace pelora {

struct TerminalSettings;

// Which of the sales screen's buttons and panels the layout switches on. Applied when the
// settings load, whenever a tab is chosen and after a stocktake is processed.
struct ButtonSettings {
    bool qtyUpDown = false;
    bool manual = false;
    bool option = false;        // the typed option message
    bool optionsColumn = false; // the column of ten option buttons
    int rightPanelWidth = 230;
    bool fastFind = false;
    bool order = false;
    bool process = false;
    bool discount = false;
    bool refund = false;
    bool stocktake = false;
    bool noSale = false;
    bool move = true;
    bool check = true;
    bool payment = true;
    bool preProcess = true;
    QString logoutCaption;

    static ButtonSettings from(const TerminalSettings& settings);
};

} // namespace pelora
