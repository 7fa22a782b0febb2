#pragma once

#include "print/Printing.h"

#include <QStringView>

namespace pelora {

// Prints the docket of a committed receipt on this terminal's "Docket" output, rebuilt from
// the receipt's rows alone so that a reprint gives the same paper. Nothing is printed when
// the terminal has no "Docket" output or its width is 0. Printer and database errors are
// thrown; the receipt is never touched.
void printDocket(const Printing& printing, int receiptId);

// What follows every committed receipt, by the terminal's docket mode: "1" the docket, "2"
// the drawer and then the docket, "3" the drawer alone, anything else nothing.
void printReceiptOutputs(const Printing& printing, QStringView docketMode, QStringView drawerMode,
                         int receiptId);

} // namespace pelora
