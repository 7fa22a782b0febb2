#pragma once

#include "print/OrderLines.h"
#include "print/Printing.h"

#include <optional>
#include <vector>

namespace pelora {

// The tab an order paper is for: its id and the caption of its button (the terminal for a
// NonTab), and whether processed lines are printed too.
struct OrderTab {
    int tabId = 0;
    QString caption;
    bool all = false;
};

// An output whose paper did not go out whole, and why, naming the printer.
struct OrderPaperFailure {
    QString outputName;
    QString message;
};

// Prints the tab's lines on every output of this terminal, in the order of the output-device
// table: each output gets one paper with the lines whose output name is its own (only the new
// ones unless `all`). An output listed on two rows prints twice. A printer that fails does not
// stop the others: the result lists the outputs whose paper did not go out whole, and the
// outputs of lines that no row of this terminal names (none when every paper went out). Lines
// of output 1, the output of items that are never sent, print nowhere and are no failure.
std::vector<OrderPaperFailure> printOrders(const Printing& printing, const std::vector<OrderLine>& lines,
                                           const OrderTab& tab);

// "Kitchen has no printer on this till (Bar 2).": lines of an output this terminal has no od
// row for.
QString noPrinterMessage(const QString& outputName, const QString& pcRef);

// One order paper on the output of row `row` of the output-device table: the tab, the output
// and the time, then each line's quantity and name with its options and message below.
// No prices. Nothing when the output does not print. Returns why the paper did not go out
// whole (a printer not found, a bad code string, a paper the spooler refused), or nothing.
std::optional<QString> printOrderOutput(const Printing& printing, int row,
                                        const std::vector<const OrderLine*>& entries, const QString& tabCaption);

} // namespace pelora
