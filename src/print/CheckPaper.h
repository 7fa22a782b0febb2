#pragma once

#include "common/Money.h"
#include "print/CheckLines.h"
#include "print/Printing.h"

#include <QString>

#include <optional>

namespace pelora {

namespace db {
class ServerClock;
}

// What a check says besides its lines: the tab as the sales screen names it, this terminal,
// and the amount the guests handed over when a pre-tender was taken.
struct CheckHeading {
    QString tabText;
    QString pcRef;
    std::optional<Money> tendered;
};

// Prints a check on this terminal's "Check" output, in the docket's columns: the tab and
// terminal, the split for a split check, the server's time, each line with its options and
// message (on a whole-tab check the message ends with the line's split), "Total:", "Tendered:"
// and "Change:" after a pre-tender, "* Included Tax:" and any "Included Discount:". Nothing
// when the terminal has no "Check" output or its width is 0. Printer and code errors are thrown.
void printCheck(const Printing& printing, db::ServerClock& clock, const CheckHeading& heading,
                const CheckLines& check);

} // namespace pelora
